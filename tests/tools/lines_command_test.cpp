#include "lines_command.h"
#include "memory_file_system.h"
#include "platform/scripted/fixed_clock.h"
#include "platform/system_clock.h"
#include "support/disk_files.h"

#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <sstream>

namespace kedravo::lines_tool {
namespace {

using store::test::MemoryFileSystem;

const std::filesystem::path SETUP = std::filesystem::path(SCENARIO_SETUPS) / "csv_trading";
const std::string PRICE_FILE = "data/価格データ.TXT";

using kedravo::test::fileBytes;

// The trading setup: KANKYO.TXT naming data/, the page ドル円 with eight lines, and the CSV files beside them.
void seedSetup(MemoryFileSystem& files) {
    files.addFolder("/cwd/data/");
    for (const auto& entry : std::filesystem::recursive_directory_iterator(SETUP))
        if (entry.is_regular_file())
            files.seed(std::filesystem::relative(entry.path(), SETUP).generic_string(), *fileBytes(entry.path()));
}

struct Case {
    const char* name;
    std::vector<std::string> args;
    int status;
    const char* out; // contained in standard output
    const char* err; // contained in standard error
    bool written;    // the price data file changed
    std::function<void(MemoryFileSystem&)> prepare = [](MemoryFileSystem&) {};
};

TEST(LinesCommand, ExitsAsTheOutcomeIs) {
    std::unique_ptr<platform::FileLock> held;
    const Case cases[] = {
        {"no command", {}, USAGE_ERROR, "", "usage: kedravo-lines", false},
        {"unknown command", {"merge"}, USAGE_ERROR, "", "unknown command: merge", false},
        {"import without a page", {"import", "tab.txt"}, USAGE_ERROR, "", "import needs --page and FILE", false},
        {"two files", {"export", "a.csv", "b.csv"}, USAGE_ERROR, "", "unexpected argument: b.csv", false},
        {"no such page", {"export", "--page", "スイス円"}, USAGE_ERROR, "", "ページ スイス円 がありません", false},
        {"export to standard output",
         {"export"},
         DONE,
         "\xEF\xBB\xBFページ,価格,足,交差回数\r\nドル円,113.00,",
         "",
         false},
        {"export by page number",
         {"export", "--page", "2", "out.csv"},
         DONE,
         "3本のラインを out.csv に書き出しました",
         "",
         false},
        {"import",
         {"import", "--page", "ドル円", "spreadsheet_utf8_bom.csv"},
         DONE,
         "3本のラインを追加しました",
         "",
         true},
        {"import with --data",
         {"import", "--data", "/cwd/data", "--page", "1", "shift_jis.csv"},
         DONE,
         "2本のラインを追加しました",
         "",
         true},
        {"refused rows write nothing",
         {"import", "--page", "1", "bad_rows.csv"},
         REFUSED,
         "",
         "何も書き込みませんでした。\n追加しなかった行（7行）:\n2行目: 価格になりません「abc」",
         false},
        {"unreadable file", {"import", "--page", "1", "utf16.txt"}, REFUSED, "", "UTF-16のファイルは読めません", false},
        {"no KANKYO.TXT",
         {"export"},
         REFUSED,
         "",
         "KANKYO.TXT がありません",
         false,
         [](MemoryFileSystem& f) { f.remove("KANKYO.TXT"); }},
        {"the program holds the folder",
         {"import", "--page", "1", "tab.txt"},
         REFUSED,
         "",
         "KEDRAVO V2 がこのデータフォルダーを使っています",
         false,
         [&](MemoryFileSystem& f) { held = f.tryLock("data/.kedravo.lock").lock; }},
        {"a damaged price data file",
         {"import", "--page", "1", "tab.txt"},
         REFUSED,
         "",
         "何もしませんでした",
         false,
         [](MemoryFileSystem& f) { f.seed(PRICE_FILE, "バージョン,200\r\n*****\r\n"); }},
    };
    for (const Case& c : cases) {
        MemoryFileSystem files;
        seedSetup(files);
        c.prepare(files);
        const auto before = files.contents(PRICE_FILE);
        platform::SystemClock system;
        platform::FixedClock clock(system);
        std::ostringstream out, err;
        EXPECT_EQ(runLinesCommand(c.args, files, clock, out, err), c.status) << c.name << ": " << err.str();
        EXPECT_NE(out.str().find(c.out), std::string::npos) << c.name << ": " << out.str();
        EXPECT_NE(err.str().find(c.err), std::string::npos) << c.name << ": " << err.str();
        EXPECT_EQ(files.contents(PRICE_FILE) != before, c.written) << c.name;
        held.reset();
    }
}

} // namespace
} // namespace kedravo::lines_tool
