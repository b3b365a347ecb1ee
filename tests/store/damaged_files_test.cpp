// Damaged files at start-up: one warning naming the file and the line, what was read is kept, and the file
// itself is kept under a time-stamped name before the save at exit can replace it.
#include "core/cp932.h"
#include "random_tables.h"
#include "store/basic_data_file.h"
#include "store/data_files.h"
#include "store/environment_file.h"
#include "store/price_data_file.h"
#include "support/cases.h"
#include "test_services.h"

#include <gtest/gtest.h>

namespace kedravo::store::test {
namespace {

const std::string KEPT_SUFFIX = ".160301_093005";

std::string cp932(const std::string& utf8) {
    return utf8ToCp932(utf8).text;
}

const std::string PAGE0_HEAD =
    "バージョン,200\r\n" + std::string(30, '*') + "\r\nページ名,ドル円\r\n価格,112.5,\"2016/03/01_09:30:05\"\r\n";

// Pages 1 to 9, empty, so that a file ends where it should.
const std::string LATER_PAGES = [] {
    std::string pages;
    for (int p = 1; p < PAGE_MAX; ++p)
        pages += std::string(30, '*') + "\r\nページ名,\r\n価格,,\"\"\r\n 0 \r\n";
    return pages;
}();

struct Case {
    const char* name;
    std::string bytes;
    int line;      // named in the warning
    int lineCount; // of page 0, as far as it was read
    bool nameRead;
};

TEST(DamagedFiles, PriceDataKeepsWhatWasReadAndThePreservedFile) {
    const Case cases[] = {
        {"count above 300", cp932(PAGE0_HEAD + " 301 \r\n"), 5, 0, true},
        {"count below 0", cp932(PAGE0_HEAD + "-1 \r\n"), 5, 0, true},
        {"count not a number", cp932(PAGE0_HEAD + "x\r\n"), 5, 0, true},
        {"fewer lines than counted", cp932(PAGE0_HEAD + " 3 \r\n1.5, 0 , 0 \r\n1.6, 1 , 2 \r\n"), 8, 2, true},
        {"time frame out of range, mended", cp932(PAGE0_HEAD + " 1 \r\n1.5, 21 , 0 \r\n" + LATER_PAGES), 6, 1, true},
        {"negative crossing count, mended", cp932(PAGE0_HEAD + " 1 \r\n1.5, 0 ,-1 \r\n" + LATER_PAGES), 6, 1, true},
        {"cut in the middle of a record", cp932(PAGE0_HEAD + " 2 \r\n1.5, 0 , 0 \r\n1.6, 1"), 7, 1, true},
        {"missing pages",
         cp932(PAGE0_HEAD + " 0 \r\n" + std::string(30, '*') + "\r\nページ名,\r\n価格,,\"\"\r\n 0 \r\n"), 10, 0, true},
        {"empty file", "", 1, 0, false},
        {"bytes that are not code page 932", cp932(PAGE0_HEAD) + " 1 \r\n1.5\xa0, 0 , 0 \r\n", 6, 0, true},
        {"unclosed quote", cp932("バージョン,200\r\n******\r\nページ名,\"ドル円\r\n"), 3, 0, false},
    };
    kedravo::test::eachCase(cases, [&](const Case& c) {
        TestStore store;
        store.files.seed(PRICE_FILE, c.bytes);
        auto t = std::make_unique<Tables>();
        readPriceData(*t, store.services);
        ASSERT_EQ(store.warner.shown.size(), 1u);
        const std::string& text = store.warner.shown[0].second;
        EXPECT_NE(text.find(std::string("/cwd/") + PRICE_FILE + "の" + std::to_string(c.line) + "行目"),
                  std::string::npos)
            << "" << text;
        EXPECT_NE(text.find(std::string("/cwd/") + PRICE_FILE + KEPT_SUFFIX), std::string::npos);
        EXPECT_EQ(store.files.contents(PRICE_FILE + KEPT_SUFFIX), c.bytes);
        EXPECT_EQ(t->LINE_COUNT[0], c.lineCount);
        EXPECT_EQ(t->PAGE_NAME[0], c.nameRead ? "ドル円" : "");
    });
}

TEST(DamagedFiles, BasicDataKeepsTheTimeFramesReadInFull) {
    const std::pair<const char*, int> cases[] = {{" 21 \r\n", 0}, {" 3 \r\n日足\r\n週足\r\n", 2}, {"-1 \r\n", 0}};
    for (const auto& [tail, count] : cases) {
        SCOPED_TRACE(tail);
        TestStore store;
        std::string bytes =
            cp932("バージョン,200\r\n" + std::string(20, '*') + "\r\nページ名,ドル円\r\nスプレッド,0.02\r\n" + tail);
        store.files.seed(BASIC_FILE, bytes);
        auto t = std::make_unique<Tables>();
        readBasicData(*t, store.services);
        ASSERT_EQ(store.warner.shown.size(), 1u);
        EXPECT_EQ(t->TF_COUNT[0], count);
        EXPECT_EQ(t->PAGE_SPREAD[0], "0.02");
        EXPECT_EQ(t->PAGE_SPREAD[1], "0.01") << "a page the file did not give";
        EXPECT_EQ(store.files.contents(BASIC_FILE + KEPT_SUFFIX), bytes);
    }
}

// The last field of a file can be cut and still read (a count of 32765 cut to 327), so the missing line end at
// the very end is what tells of the cut.
TEST(DamagedFiles, AFileCutAtItsEndIsToldEvenWhenItsFieldsRead) {
    auto full = fullTables(0);
    full->DATA_DIR.clear();
    FixedWindows windows;
    const std::string price = cp932(priceDataImage(*full));
    const std::string basic = cp932(basicDataImage(*full));
    const std::string environment = cp932(environmentImage("/data/", "", windows));
    std::string lfAlone = environment;
    std::erase(lfAlone, '\r');
    const struct {
        const char* name;
        const char* file;
        std::string bytes;
        int lastLine; // named in the warning; 0: no warning
    } cases[] = {
        {"price data without its last CR LF", PRICE_FILE, price.substr(0, price.size() - 2), 3041},
        {"price data without its last LF", PRICE_FILE, price.substr(0, price.size() - 1), 3041},
        {"price data cut in its last count", PRICE_FILE, price.substr(0, price.size() - 4), 3041},
        {"basic data without its last CR LF", BASIC_FILE, basic.substr(0, basic.size() - 2), 241},
        {"environment without its last CR LF", ENVIRONMENT_FILE, environment.substr(0, environment.size() - 2), 15},
        {"price data whole", PRICE_FILE, price, 0},
        {"environment with LF alone", ENVIRONMENT_FILE, lfAlone, 0},
    };
    kedravo::test::eachCase(cases, [&](const auto& c) {
        TestStore store;
        store.files.seed(c.file, c.bytes);
        auto t = std::make_unique<Tables>();
        readEnvironment(*t, store.services, windows);
        readBasicData(*t, store.services);
        readPriceData(*t, store.services);
        if (c.lastLine == 0) {
            EXPECT_TRUE(store.warner.shown.empty());
            return;
        }
        ASSERT_EQ(store.warner.shown.size(), 1u);
        EXPECT_NE(store.warner.shown[0].second.find(std::string(c.file) + "の" + std::to_string(c.lastLine) + "行目"),
                  std::string::npos)
            << "" << store.warner.shown[0].second;
        EXPECT_EQ(store.files.contents(c.file + KEPT_SUFFIX), c.bytes);
    });
}

TEST(DamagedFiles, AFileThatCannotBeReadIsMovedOutOfTheWay) {
    TestStore store;
    store.files.seed(PRICE_FILE, "whatever");
    store.files.fault = [](const Operation& o) {
        return o.path == std::string("/cwd/") + PRICE_FILE && (o.op == Op::Read || o.op == Op::Copy)
                   ? platform::IoError::NoPermission
                   : platform::IoError::None;
    };
    auto t = std::make_unique<Tables>();
    readPriceData(*t, store.services);
    ASSERT_EQ(store.warner.shown.size(), 1u);
    EXPECT_EQ(store.files.contents(PRICE_FILE + KEPT_SUFFIX), "whatever");
    EXPECT_FALSE(store.files.contents(PRICE_FILE));
}

TEST(DamagedFiles, MissingFilesAreNoError) {
    TestStore store;
    auto t = std::make_unique<Tables>();
    FixedWindows windows;
    readEnvironment(*t, store.services, windows);
    readBasicData(*t, store.services);
    readPriceData(*t, store.services);
    EXPECT_TRUE(store.warner.shown.empty());
    for (int p = 0; p < PAGE_MAX; ++p)
        EXPECT_EQ(t->PAGE_SPREAD[p], "0.01");
    EXPECT_EQ(t->PAGE_SPREAD[PAGE_MAX], "");
}

std::string environment(const char* version, const char* dataDir, int positionLines) {
    std::string text = std::string("バージョン,") + version + "\r\n\"" + dataDir + "\"\r\n\"/backup\"\r\n";
    for (int i = 0; i < positionLines; ++i)
        text += " " + std::to_string(10 * (i + 1)) + " \r\n";
    return cp932(text);
}

TEST(Environment, VersionTestsDecideWhatIsRead) {
    struct Case {
        const char* name;
        std::string bytes;
        const char* dataDir;
        int windowsMoved;
        bool warned;
    };
    const Case cases[] = {
        {"version 200", environment("200", "/data/", 12), "/data/", 6, false},
        {"version 111", environment("111", "/data/", 12), "/data/", 6, false},
        {"before FORM6 was stored", environment("110", "/data/", 10), "/data/", 5, false},
        {"rounded version", environment("110.6", "/data/", 12), "/data/", 6, false},
        {"folder without its separator", environment("200", "/data", 12), "/data/", 6, false},
        {"empty data folder", environment("200", "", 12), "", 6, false},
        {"newer version", environment("201", "/data/", 12), "", 0, true},
        {"missing positions", environment("200", "/data/", 7), "/data/", 3, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TestStore store;
        store.files.seed(ENVIRONMENT_FILE, c.bytes);
        auto t = std::make_unique<Tables>();
        FixedWindows windows;
        readEnvironment(*t, store.services, windows);
        EXPECT_EQ(t->DATA_DIR, c.dataDir);
        EXPECT_EQ(t->BACKUP_ON, c.windowsMoved > 0 ? 1 : 0);
        for (int w = 0; w < WINDOW_COUNT; ++w) {
            platform::Position expected =
                w < c.windowsMoved ? platform::Position{20 * w + 10, 20 * w + 20} : platform::Position{};
            EXPECT_EQ(windows.at[w], expected) << ", window " << w;
        }
        EXPECT_EQ(store.warner.shown.size(), c.warned ? 1u : 0u);
        EXPECT_EQ(store.files.contents(ENVIRONMENT_FILE + KEPT_SUFFIX).has_value(), c.warned);
    }
}

} // namespace
} // namespace kedravo::store::test
