// Faults at every file operation of a whole run of the program over the realistic data set (start-up, the page
// settings window's save, shut-down with backup): no space, no permission, an I/O error, at each operation in
// turn; and a data folder that cannot be written or is deleted while the program runs. Whatever happens, the
// run ends, every data file is its old version or the new one whole, and what the program held at its end is in
// its file or in an emergency copy the user was told of.
#include "core/cp932.h"
#include "script_lines.h"
#include "setup_folder.h"
#include "store/basic_data_file.h"
#include "store/data_files.h"
#include "store/environment_file.h"
#include "store/price_data_file.h"
#include "support/disk_files.h"
#include "test_services.h"
#include "ui/catalogue.h"
#include "ui/window_positions.h"
#include "whole_program.h"

#include <algorithm>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <iostream>
#include <sstream>

namespace kedravo::reliability {
namespace {

using platform::IoError;
using store::test::MemoryFileSystem;
using store::test::Op;
using store::test::Operation;

const std::string SETUP_FILES[] = {"KANKYO.TXT", "data/基本データ.TXT", "data/価格データ.TXT"};

std::vector<script::Command> shutdownSaveScript() {
    const auto text = kedravo::test::fileBytes(std::string(KEDRAVO_RELIABILITY_DIR) + "/shutdown_save.script");
    return script::parseScript(text.value_or(""), ui::catalogue()).commands;
}

// The whole script over the data set, with a fault on the file system and, if given, something done to the files
// just before the program is closed.
struct FaultedRun {
    explicit FaultedRun(const std::function<IoError(const Operation&)>& fault,
                        const std::function<void(MemoryFileSystem&)>& beforeClose = nullptr) {
        install(setup, files);
        files.fault = fault;
        for (const script::Command& c : shutdownSaveScript()) {
            if (c.verb == script::Verb::Close && beforeClose)
                beforeClose(files);
            program.perform(c);
        }
        warnings = program.takeWarnings();
        files.fault = nullptr;
    }

    SetupFiles setup = readSetup(realisticSetup());
    MemoryFileSystem files;
    platform::FixedClock clock{store::test::TEST_NOW};
    WholeProgram program{files, clock};
    std::vector<Warning> warnings;
};

std::string cp932(const std::string& utf8) {
    return utf8ToCp932(utf8).text;
}

// What the program held at its end, as each file's bytes, by where it belongs.
std::map<std::string, std::string> heldAtTheEnd(WholeProgram& program) {
    Tables& t = program.tables();
    ui::ToolkitWindowPositions windows{program.toolkit()};
    return {{t.DATA_DIR + store::PRICE_FILE, cp932(store::priceDataImage(t))},
            {t.DATA_DIR + store::BASIC_FILE, cp932(store::basicDataImage(t))},
            {store::ENVIRONMENT_FILE, cp932(store::environmentImage(t.DATA_DIR, t.BACKUP_DIR, windows))}};
}

bool told(const std::vector<Warning>& warnings, const std::string& what) {
    return std::ranges::any_of(warnings, [&](const Warning& w) { return w.text.find(what) != std::string::npos; });
}

// The bytes are in their place, or in an emergency copy (a time-stamped file of the same name in the working
// directory or the home folder) whose path the user was told.
bool kept(const FaultedRun& run, const std::string& place, const std::string& bytes) {
    if (run.files.contents(place) == bytes)
        return true;
    const std::string name = place.substr(place.rfind('/') + 1);
    return std::ranges::any_of(run.files.paths(), [&](const std::string& path) {
        return (path.starts_with("/cwd/") || path.starts_with("/home/")) && path.ends_with(name) &&
               path != "/cwd/" + place && run.files.contents(path) == bytes && told(run.warnings, path);
    });
}

std::string problemWith(FaultedRun& run) {
    if (run.program.running())
        return "the run did not end";
    for (const auto& [place, bytes] : heldAtTheEnd(run.program)) {
        if (!kept(run, place, bytes))
            return "what the program held for " + place + " is nowhere the user was told of";
        if (run.warnings.empty() && run.files.contents(place) != bytes)
            return place + " is not the new version, and nothing was said";
    }
    const auto held = heldAtTheEnd(run.program);
    for (const std::string& file : SETUP_FILES) {
        const auto now = run.files.contents(file);
        const auto fresh = held.find(file);
        if (now && now != run.setup.files.at(file) && (fresh == held.end() || now != fresh->second))
            return file + " is neither its old version nor the new one";
    }
    // Nothing is left that the next start would find damaged.
    WholeProgram next(run.files, run.clock);
    next.perform(command(script::Verb::Start));
    for (const Warning& w : next.takeWarnings())
        if (w.caption == "データファイル警告")
            return "the next start found a damaged file: " + w.text;
    return "";
}

std::string describe(const Operation& o) {
    static const char* const NAMES[] = {"CreateNew",  "CreateOrTruncate", "Write", "Flush",  "Close", "Read",
                                        "RenameOver", "FlushFolder",      "Copy",  "Remove", "Lock"};
    return std::string(NAMES[static_cast<int>(o.op)]) + " " + o.path;
}

TEST(Faults, AFailureAtAnyFileOperationOfAWholeRunLosesNothing) {
    const std::vector<Operation> operations = FaultedRun([](const Operation&) { return IoError::None; }).files.log;
    ASSERT_GT(operations.size(), 20u);
    std::cout << operations.size() << " file operations, each failing in three ways" << std::endl;
    for (std::size_t at = 0; at < operations.size(); ++at)
        for (const IoError error : {IoError::NoSpace, IoError::NoPermission, IoError::Failed}) {
            std::size_t seen = 0;
            FaultedRun run([&](const Operation&) { return seen++ == at ? error : IoError::None; });
            EXPECT_EQ(problemWith(run), "") << "operation " << at << " (" << describe(operations[at])
                                            << ") failing with error " << static_cast<int>(error);
        }
}

TEST(Faults, ADataFolderThatCannotBeWrittenEndsInEmergencyCopies) {
    const struct {
        const char* name;
        std::function<IoError(const Operation&)> fault;
    } cases[] = {
        {"read-only",
         [](const Operation& o) {
             const bool writes = o.op != Op::Read && o.op != Op::Lock;
             return writes && o.path.starts_with("/cwd/data/") ? IoError::NoPermission : IoError::None;
         }},
        {"full",
         [](const Operation& o) {
             return o.op == Op::Write && o.path.starts_with("/cwd/data/") ? IoError::NoSpace : IoError::None;
         }},
        {"failing renames",
         [](const Operation& o) { return o.op == Op::RenameOver ? IoError::Failed : IoError::None; }},
    };
    for (const auto& c : cases) {
        FaultedRun run(c.fault);
        EXPECT_EQ(problemWith(run), "") << c.name;
        EXPECT_TRUE(told(run.warnings, "代わりに次のファイルに保存しました")) << c.name;
    }
}

TEST(Faults, ADataFolderDeletedWhileTheProgramRunsIsToldAndNothingIsLost) {
    FaultedRun run([](const Operation&) { return IoError::None; },
                   [](MemoryFileSystem& files) { files.removeFolder("data/"); });
    EXPECT_EQ(problemWith(run), "");
    EXPECT_TRUE(told(run.warnings, "代わりに次のファイルに保存しました"));
    EXPECT_TRUE(told(run.warnings, "バックアップ先のフォルダーが存在しません"));
}

} // namespace
} // namespace kedravo::reliability
