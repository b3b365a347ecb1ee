// Whatever the tables hold, the three files give it back unchanged.
#include "random_tables.h"
#include "store/data_files.h"
#include "support/cases.h"
#include "test_services.h"

#include <gtest/gtest.h>

namespace kedravo::store::test {
namespace {

TEST(RoundTrip, RandomTablesSurviveAllThreeFiles) {
    for (unsigned seed = 1; seed <= 40; ++seed) {
        std::mt19937 random(seed);
        auto t = randomTables(random);
        TestStore store;
        store.files.addFolder(t->DATA_DIR);
        FixedWindows windows;
        windows.at[2] = {-100, 2000};
        価格データW_SUB(*t, store.services);
        基本データＷ_SUB(*t, store.services);
        環境データW_SUB(*t, store.services, windows);

        auto back = std::make_unique<Tables>();
        FixedWindows moved;
        readEnvironment(*back, store.services, moved);
        readBasicData(*back, store.services);
        readPriceData(*back, store.services);
        EXPECT_EQ(firstDifference(*t, *back), "") << "seed " << seed;
        EXPECT_EQ(moved.at, windows.at) << "seed " << seed;
        EXPECT_TRUE(store.warner.shown.empty()) << "seed " << seed << ": " << store.warner.shown.front().second;
    }
}

TEST(RoundTrip, TextsTheFilesCannotHoldAreReplacedAndTold) {
    const struct {
        const char* name;
        const char* stored;
    } cases[] = {
        {"\"引用\"", "＂引用＂"},
        {"a\"b", "a＂b"},
        {"caf\xc3\xa9", "caf？"},
        {"\xc2\xa5"
         "100",
         "？100"},
    };
    kedravo::test::eachCase(cases, [](const auto& c) {
        TestStore store;
        auto t = std::make_unique<Tables>();
        t->PAGE_NAME[4] = c.name;
        価格データW_SUB(*t, store.services);
        EXPECT_EQ(t->PAGE_NAME[4], c.stored);
        ASSERT_EQ(store.warner.shown.size(), 1u);
        EXPECT_EQ(store.warner.shown[0].first, "保存警告");
        EXPECT_NE(store.warner.shown[0].second.find(std::string("5ページのページ名「") + c.stored), std::string::npos);

        auto back = std::make_unique<Tables>();
        readPriceData(*back, store.services);
        EXPECT_EQ(back->PAGE_NAME[4], c.stored);
    });
}

TEST(RoundTrip, FolderNamesTheEnvironmentCannotHoldAreLeftForTheQuestion) {
    TestStore store;
    auto t = std::make_unique<Tables>();
    t->DATA_DIR = "/a\"b/";
    t->BACKUP_DIR = "/backup/";
    FixedWindows windows;
    環境データW_SUB(*t, store.services, windows);
    ASSERT_EQ(store.warner.shown.size(), 1u);
    EXPECT_NE(store.warner.shown[0].second.find("/a\"b/"), std::string::npos);

    auto back = std::make_unique<Tables>();
    readEnvironment(*back, store.services, windows);
    EXPECT_EQ(back->DATA_DIR, "");
    EXPECT_EQ(back->BACKUP_DIR, "/backup/");
}

} // namespace
} // namespace kedravo::store::test
