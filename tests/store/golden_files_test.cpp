// The files as the format lays them out, byte for byte: written from the tables and read back into them.
#include "random_tables.h"
#include "store/data_files.h"
#include "support/disk_files.h"
#include "support/tables_builder.h"
#include "test_services.h"

#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace kedravo::store::test {
namespace {

using kedravo::test::putPage;

std::string golden(const std::string& name) {
    return kedravo::test::fileBytes(std::string(STORE_GOLDEN_DIR) + "/" + name).value_or("");
}

// Names the first byte that differs, and its line, rather than dumping both files.
::testing::AssertionResult sameBytes(const std::string& expected, const std::string& actual) {
    std::size_t at = 0;
    while (at < expected.size() && at < actual.size() && expected[at] == actual[at])
        ++at;
    if (at == expected.size() && at == actual.size())
        return ::testing::AssertionSuccess();
    auto line = 1 + std::count(expected.begin(), expected.begin() + static_cast<std::ptrdiff_t>(at), '\n');
    auto byte = [at](const std::string& s) {
        return at < s.size() ? std::to_string(static_cast<unsigned char>(s[at])) : std::string("end of file");
    };
    return ::testing::AssertionFailure() << "first difference at byte " << at << " (line " << line << "): expected "
                                         << byte(expected) << ", written " << byte(actual);
}

std::unique_ptr<Tables> emptyPages() {
    auto t = std::make_unique<Tables>();
    t->PAGE_SPREAD.fill("0.01");
    t->PAGE_SPREAD[PAGE_MAX] = "";
    return t;
}

std::unique_ptr<Tables> pricesWithLines() {
    auto t = emptyPages();
    putPage(*t, 0,
            {.timeFrames = {},
             .price = "112.5",
             .time = "2016/03/01_09:30:05",
             .lines = {{"1.2345", 2, 0}, {"110.05", 0, 12}, {"99.9", 1, 32765}}});
    putPage(*t, 3, {.name = "ユーロ,円", .timeFrames = {}, .lines = {{"1:2", 0, 1}}});
    return t;
}

std::unique_ptr<Tables> fullLastPage() {
    std::vector<kedravo::test::Line> lines;
    for (int j = 0; j < LINE_MAX; ++j) {
        char price[16];
        std::snprintf(price, sizeof price, "%d.%02d", 100 + j / 100, j % 100);
        lines.push_back({price, static_cast<std::int16_t>(j % 20), static_cast<std::int16_t>(j)});
    }
    auto t = emptyPages();
    putPage(*t, 9,
            {.name = "ポンド", .timeFrames = {}, .price = "150.00", .time = "2016/12/31_23:59:59", .lines = lines});
    return t;
}

std::unique_ptr<Tables> timeFrames() {
    auto t = emptyPages();
    putPage(*t, 0, {.timeFrames = {"日足", "4時間足", "1:00"}});
    putPage(*t, 5, {.name = " 先頭に空白", .timeFrames = {"週足"}, .spread = "0.5"});
    return t;
}

struct PriceCase {
    const char* file;
    std::unique_ptr<Tables> (*tables)();
};

const PriceCase PRICE_CASES[] = {
    {"price_empty.TXT", emptyPages},
    {"price_lines.TXT", pricesWithLines},
    {"price_full_page.TXT", fullLastPage},
};

const PriceCase BASIC_CASES[] = {
    {"basic_empty.TXT", emptyPages},
    {"basic_time_frames.TXT", timeFrames},
};

TEST(GoldenFiles, PriceDataIsWrittenAndReadAsLaidOut) {
    for (const PriceCase& c : PRICE_CASES) {
        TestStore store;
        auto t = c.tables();
        価格データW_SUB(*t, store.services);
        EXPECT_TRUE(sameBytes(golden(c.file), store.files.contents(PRICE_FILE).value_or(""))) << c.file;

        auto back = emptyPages();
        readPriceData(*back, store.services);
        EXPECT_EQ(firstDifference(*t, *back), "") << c.file;
        EXPECT_TRUE(store.warner.shown.empty()) << c.file;
    }
}

TEST(GoldenFiles, BasicDataIsWrittenAndReadAsLaidOut) {
    for (const PriceCase& c : BASIC_CASES) {
        TestStore store;
        auto t = c.tables();
        基本データＷ_SUB(*t, store.services);
        EXPECT_TRUE(sameBytes(golden(c.file), store.files.contents(BASIC_FILE).value_or(""))) << c.file;

        auto back = std::make_unique<Tables>();
        readBasicData(*back, store.services);
        EXPECT_EQ(firstDifference(*t, *back), "") << c.file;
        EXPECT_TRUE(store.warner.shown.empty()) << c.file;
    }
}

TEST(GoldenFiles, EnvironmentWithBackupOff) {
    TestStore store;
    auto t = std::make_unique<Tables>();
    t->DATA_DIR = "/home/trader/データ,1/";
    FixedWindows windows;
    windows.at = {{{120, 80}, {-5, 300}, {0, 0}, {32767, -32768}, {640, 480}, {1, 2}}};
    環境データW_SUB(*t, store.services, windows);
    EXPECT_TRUE(sameBytes(golden("kankyo_backup_off.TXT"), store.files.contents(ENVIRONMENT_FILE).value_or("")));

    auto back = std::make_unique<Tables>();
    back->BACKUP_ON = 1;
    FixedWindows moved;
    readEnvironment(*back, store.services, moved);
    EXPECT_EQ(back->DATA_DIR, t->DATA_DIR);
    EXPECT_EQ(back->BACKUP_DIR, "");
    EXPECT_EQ(back->BACKUP_ON, 0);
    EXPECT_EQ(moved.at, windows.at);
    EXPECT_TRUE(store.warner.shown.empty());
}

} // namespace
} // namespace kedravo::store::test
