// The whole program on the real file system, with data folders a user may well have: names with Japanese
// characters, blanks, "," and ":", and a folder made read-only or deleted while the program runs.
#include "core/cp932.h"
#include "platform/posix_file_system.h"
#include "random_tables.h"
#include "setup_folder.h"
#include "store/price_data_file.h"
#include "support/disk_files.h"
#include "test_services.h"
#include "ui/controls.h"
#include "whole_program.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

namespace kedravo::reliability {
namespace {

namespace fs = std::filesystem;
using script::Verb;
using namespace ui;

// A fresh working directory, made the process's own for the life of the object.
class WorkingDirectory {
public:
    WorkingDirectory() : back_(fs::current_path()) {
        std::string pattern = (fs::temp_directory_path() / "kedravo-folders-XXXXXX").string();
        path = ::mkdtemp(pattern.data());
        fs::current_path(path);
    }
    ~WorkingDirectory() {
        fs::current_path(back_);
        fs::permissions(path, fs::perms::owner_all, fs::perm_options::add);
        for (const auto& entry : fs::recursive_directory_iterator(path))
            if (entry.is_directory())
                fs::permissions(entry.path(), fs::perms::owner_all, fs::perm_options::add);
        fs::remove_all(path);
    }
    fs::path path;

private:
    fs::path back_;
};

using kedravo::test::fileBytes;

std::string describe(const std::vector<Warning>& warnings) {
    std::string text;
    for (const Warning& w : warnings)
        text += "[" + w.caption + ": " + w.text + "] ";
    return text;
}

// The user's first start in a new data folder: a page set up, backup switched on, one line registered.
std::vector<script::Command> firstSession(const fs::path& data, const fs::path& backup) {
    return {clockCommand({2024, 5, 6, 7, 8, 9}),
            command(Verb::AnswerSave, 0, 0, (data / "基本データ.TXT").string()),
            command(Verb::Start),
            command(Verb::Click, BUTTON10),
            command(Verb::Type, EDIT6, 0, "ドル円"),
            command(Verb::Type, EDIT7, 0, "日足\r\n4時間足\r\n"),
            command(Verb::Click, BUTTON8),
            command(Verb::Click, BUTTON9),
            command(Verb::AnswerSave, 0, 0, (backup / "DUMMY").string()),
            command(Verb::Click, CHECK1),
            command(Verb::Click, BUTTON1),
            command(Verb::Type, EDIT5, 0, "150.5"),
            command(Verb::Click, BUTTON6),
            command(Verb::Click, BUTTON7)};
}

void perform(WholeProgram& program, const std::vector<script::Command>& commands) {
    for (const script::Command& c : commands)
        ASSERT_EQ(program.perform(c), std::nullopt);
}

TEST(DataFolders, NamesWithJapaneseBlanksCommasAndColonsWork) {
    for (const char* name : {"データ置き場", "my data", "a,b", "c:d", "日本語 ,:混在", " 先頭と末尾 "}) {
        WorkingDirectory cwd;
        const fs::path data = cwd.path / name, backup = data / "バックアップ, 2:";
        fs::create_directories(backup);
        platform::PosixFileSystem files;
        platform::FixedClock clock{store::test::TEST_NOW};
        WholeProgram program(files, clock);
        perform(program, firstSession(data, backup));
        perform(program, {command(Verb::Close)});
        EXPECT_EQ(describe(program.takeWarnings()), "") << name;
        const auto saved = std::make_unique<Tables>(program.tables());
        EXPECT_EQ(saved->DATA_DIR, data.string() + "/") << name;
        EXPECT_EQ(fileBytes(backup / "240506_070809価格データ.TXT"), fileBytes(data / "価格データ.TXT")) << name;

        // The next start finds the folder through KANKYO.TXT, without asking.
        perform(program, {command(Verb::Start)});
        EXPECT_EQ(describe(program.takeWarnings()), "") << name;
        EXPECT_EQ(store::test::firstDifference(*saved, program.tables()), "") << name;
        const std::string transcript = program.transcript();
        EXPECT_EQ(transcript.find("データファイルを保存する場所は?"),
                  transcript.rfind("データファイルを保存する場所は?"))
            << name << ": asked again";
    }
}

// The data folder the program was started on, made unwritable, removed or blocked before the exit, with the
// backup switched on into `backup` (under the working directory): the price data goes to an emergency copy in
// the working directory, the user is told where, and the backup holds the same bytes without replacing it.
void loseTheDataFolder(const std::function<void(const fs::path&)>& lose, const std::string& backup,
                       const std::string& backupName = "240506_070809価格データ.TXT") {
    WorkingDirectory cwd;
    fs::copy(realisticSetup(), cwd.path, fs::copy_options::recursive);
    fs::create_directories(cwd.path / backup);
    platform::PosixFileSystem files;
    platform::FixedClock clock{store::test::TEST_NOW};
    WholeProgram program(files, clock);
    perform(program,
            {clockCommand({2024, 5, 6, 7, 8, 9}), command(Verb::Start),
             command(Verb::AnswerSave, 0, 0, (cwd.path / backup / "DUMMY").string()), command(Verb::Click, CHECK1),
             command(Verb::Click, BUTTON1), command(Verb::Type, EDIT5, 0, "150.5"), command(Verb::Click, BUTTON6),
             command(Verb::Click, BUTTON7)});
    lose(cwd.path / "data");
    perform(program, {command(Verb::Close)});
    const std::string warnings = describe(program.takeWarnings());
    const std::string copy = (cwd.path / "240506_070809価格データ.TXT").string();
    EXPECT_NE(warnings.find("代わりに次のファイルに保存しました。\r\n" + copy), std::string::npos) << warnings;
    EXPECT_EQ(warnings.find("バックアップ"), std::string::npos) << warnings;
    const std::string saved = utf8ToCp932(store::priceDataImage(program.tables())).text;
    EXPECT_TRUE(fileBytes(copy) == saved) << "the emergency copy does not hold what was saved";
    EXPECT_TRUE(fileBytes(cwd.path / backup / backupName) == saved) << "the backup does not hold what was saved";
}

TEST(DataFolders, AReadOnlyDataFolderEndsInAnEmergencyCopy) {
    if (::geteuid() == 0)
        GTEST_SKIP() << "a read-only folder does not stop root";
    loseTheDataFolder(
        [](const fs::path& data) { fs::permissions(data, fs::perms::owner_read | fs::perms::owner_exec); }, "backups");
}

TEST(DataFolders, ADeletedDataFolderEndsInEmergencyCopies) {
    loseTheDataFolder([](const fs::path& data) { fs::remove_all(data); }, "バックアップ");
}

// The backup, in the working directory and in the same second, takes a name of its own beside the emergency copy.
TEST(DataFolders, ABackupBesideTheEmergencyCopyLeavesItWhole) {
    loseTheDataFolder([](const fs::path& data) { fs::create_directory(data / "価格データ.TXT.tmp"); }, ".",
                      "240506_070809(2)価格データ.TXT");
}

} // namespace
} // namespace kedravo::reliability
