// The backup copy at exit and the lock on the data folder.
#include "store/data_files.h"
#include "support/cases.h"
#include "test_services.h"

#include <gtest/gtest.h>

namespace kedravo::store::test {
namespace {

const std::string STAMPED = std::string("160301_093005") + PRICE_FILE;

TEST(Backup, CopiesThePriceDataUnderATimeStampedName) {
    struct Case {
        const char* name;
        std::int16_t on;
        const char* folder;
        const char* saved;   // where the save put the price data
        const char* copy;    // where the copy lands, if anywhere
        const char* caption; // of the warning, if any
        const char* told;    // the file the warning names
    };
    const Case cases[] = {
        {"backup off", 0, "/backup/", PRICE_FILE, nullptr, nullptr, nullptr},
        {"folder present", 1, "/backup/", PRICE_FILE, "/backup/", nullptr, nullptr},
        {"root folder", 1, "/", PRICE_FILE, "/", nullptr, nullptr},
        {"folder gone", 1, "/gone/", PRICE_FILE, nullptr, "フォルダー警告", "/gone"},
        {"copy fails", 1, "/full/", PRICE_FILE, nullptr, "バックアップエラー", "/full/"},
        {"saved file gone", 1, "/backup/", "/gone/価格データ.TXT", nullptr, "バックアップエラー",
         "/gone/価格データ.TXT"},
    };
    kedravo::test::eachCase(cases, [&](const Case& c) {
        TestStore store;
        store.files.addFolder("/backup/");
        store.files.addFolder("/full/");
        store.files.seed(PRICE_FILE, "price data");
        store.files.fault = [](const Operation& o) {
            return o.op == Op::Copy && o.path.starts_with("/full/") ? platform::IoError::NoSpace
                                                                    : platform::IoError::None;
        };
        auto t = std::make_unique<Tables>();
        t->BACKUP_ON = c.on;
        t->BACKUP_DIR = c.folder;
        データバックアップ_SUB(*t, store.services, c.saved);
        EXPECT_EQ(store.files.contents((c.copy ? c.copy : c.folder) + STAMPED),
                  c.copy ? std::optional<std::string>("price data") : std::nullopt);
        ASSERT_EQ(store.warner.shown.size(), c.caption ? 1u : 0u);
        if (c.caption) {
            EXPECT_EQ(store.warner.shown[0].first, c.caption);
            EXPECT_NE(store.warner.shown[0].second.find(c.told), std::string::npos)
                << "" << store.warner.shown[0].second;
        }
    });
}

TEST(Backup, FolderWarningNamesTheFolderOnItsSecondLine) {
    TestStore store;
    auto t = std::make_unique<Tables>();
    t->BACKUP_ON = 1;
    t->BACKUP_DIR = "/gone/old backups/";
    データバックアップ_SUB(*t, store.services, PRICE_FILE);
    ASSERT_EQ(store.warner.shown.size(), 1u);
    EXPECT_EQ(store.warner.shown[0].second, "バックアップ先のフォルダーが存在しません\r\n/gone/old backups");
    EXPECT_EQ(t->BACKUP_ON, 1);
}

TEST(DataFolderLock, ASecondHolderIsRefusedUntilTheFirstLetsGo) {
    TestStore store;
    auto first = lockDataFolder(store.services, "/cwd/");
    ASSERT_TRUE(first);
    EXPECT_FALSE(lockDataFolder(store.services, "/cwd/"));
    EXPECT_TRUE(lockDataFolder(store.services, "/home/"));
    first.reset();
    EXPECT_TRUE(lockDataFolder(store.services, "/cwd/"));
}

TEST(DataFolderLock, AFolderWithoutRoomForTheLockFileIsNoReasonToStop) {
    TestStore store;
    store.files.fault = [](const Operation&) { return platform::IoError::NoPermission; };
    EXPECT_TRUE(lockDataFolder(store.services, "/cwd/"));
}

} // namespace
} // namespace kedravo::store::test
