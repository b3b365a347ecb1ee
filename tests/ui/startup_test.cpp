#include "store/data_files.h"
#include "ui/controls.h"
#include "ui/startup.h"
#include "ui_fixture.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace kedravo::ui::test {
namespace {

using store::test::MemoryFileSystem;
using store::test::Op;

const char* const FOLDER_QUESTION = "save \"データファイルを保存する場所は?\" \"基本データ.TXT\" -> ";

int lineCount(const std::optional<std::string>& bytes) {
    if (!bytes)
        return -1;
    int lines = 0;
    for (std::size_t at = bytes->find("\r\n"); at != std::string::npos; at = bytes->find("\r\n", at + 2))
        ++lines;
    return lines;
}

// Files as an earlier run would have left them, written by the store's own writers.
void prepareFiles(MemoryFileSystem& files, const std::string& dataDir, const std::string& backupDir) {
    Tables t;
    addPage(t, 0, "ドル円", "112.25", {{"112.5", 0, 1}, {"112.00", 1, 0}});
    t.DATA_DIR = dataDir;
    t.BACKUP_DIR = backupDir;
    platform::FixedClock clock{store::test::TEST_NOW};
    store::test::RecordingWarner warner;
    store::StoreServices services{files, clock, warner};
    store::test::FixedWindows windows;
    windows.at[FORM3] = {100, 200};
    files.addFolder(dataDir.empty() ? "/cwd/" : dataDir);
    store::基本データＷ_SUB(t, services);
    store::価格データW_SUB(t, services);
    store::環境データW_SUB(t, services, windows);
    ASSERT_TRUE(warner.shown.empty());
}

bool writes(const store::test::Operation& operation) {
    return operation.op != Op::Read && operation.op != Op::Lock;
}

TEST(Startup, FirstStartWithNoFilesWorksInTheWorkingDirectory) {
    MemoryFileSystem files;
    RunningCopy run(files);
    run.dialogs.answerSave(std::nullopt);
    run.program.startup();
    EXPECT_EQ(run.transcript.str(), FOLDER_QUESTION + std::string("cancel\n"));
    EXPECT_EQ(run.program.tables().DATA_DIR, "");
    for (int p = 0; p < PAGE_MAX; ++p)
        EXPECT_EQ(run.program.tables().PAGE_SPREAD[p], "0.01") << p;
    run.program.raise(MAINFORM, platform::Event::End);
    EXPECT_TRUE(run.program.ended());
    EXPECT_EQ(lineCount(files.contents("KANKYO.TXT")), 15);
    EXPECT_EQ(lineCount(files.contents("価格データ.TXT")), 41);
    EXPECT_FALSE(files.contents("基本データ.TXT").has_value());
}

TEST(Startup, ReadsTheFilesOfTheFolderNamedInTheEnvironmentFileWithoutAsking) {
    MemoryFileSystem files;
    prepareFiles(files, "/data/", "/backup/");
    RunningCopy run(files);
    run.program.startup();
    EXPECT_EQ(run.transcript.str(), "");
    EXPECT_EQ(run.toolkit.item(COMBO1, 0), "ドル円");
    EXPECT_EQ(run.toolkit.text(EDIT1), "112.5 （日足）1回\r\n");
    EXPECT_EQ(run.toolkit.text(TEXT1), "112.25");
    EXPECT_TRUE(run.toolkit.isChecked(CHECK1));
    EXPECT_EQ(run.toolkit.position(FORM3), (platform::Position{100, 200}));
    EXPECT_EQ(run.program.tables().BACKUP_ON, 1);
}

TEST(Startup, SetsTheCaptionFontsAndFixedLists) {
    MemoryFileSystem files;
    RunningCopy run(files);
    run.program.startup();
    EXPECT_EQ(run.program.tables().MAIN_TITLE, "　ＫＥＤＲＡＶＯ　Ｖ２　メインウインドウ");
    EXPECT_EQ(run.toolkit.itemCount(COMBO3), 10);
    EXPECT_EQ(run.toolkit.item(COMBO3, 0), "　１ページ");
    EXPECT_EQ(run.toolkit.item(COMBO3, 9), "１０ページ");
    EXPECT_EQ(run.toolkit.item(COMBO4, 4), "５回以上");
    EXPECT_EQ(run.toolkit.selected(COMBO4), 0);
    EXPECT_FALSE(run.toolkit.isVisible(FORM2));
}

struct MissingFolderCase {
    const char* name;
    std::optional<std::string> answer;
    const char* DATA_DIR;
};

TEST(Startup, AFolderThatIsGoneIsToldAndAskedForAgain) {
    const MissingFolderCase cases[] = {
        {"answered", "/data/基本データ.TXT", "/data/"},
        {"cancelled", std::nullopt, ""},
    };
    for (const MissingFolderCase& c : cases) {
        MemoryFileSystem earlier;
        prepareFiles(earlier, "/gone/", "");
        MemoryFileSystem files;
        files.seed("KANKYO.TXT", *earlier.contents("KANKYO.TXT"));
        files.addFolder("/data/");
        RunningCopy run(files);
        run.dialogs.answerSave(c.answer);
        run.program.startup();
        const std::string told =
            "message \"フォルダー警告\" "
            "\"データファイルのフォルダーが存在しません\\r\\n/gone\\r\\n保存する場所を選び直して下さい\"\n";
        EXPECT_EQ(run.transcript.str().substr(0, told.size()), told) << c.name;
        EXPECT_NE(run.transcript.str().find(FOLDER_QUESTION), std::string::npos) << c.name;
        EXPECT_EQ(run.program.tables().DATA_DIR, c.DATA_DIR) << c.name;
        EXPECT_EQ(run.toolkit.itemCount(COMBO1), 0) << c.name << ": no page of the lost folder";
    }
}

TEST(Startup, ASecondCopyOnTheSameFolderGivesWayWithoutTouchingTheFiles) {
    MemoryFileSystem files;
    prepareFiles(files, "/data/", "");
    RunningCopy first(files);
    first.program.startup();

    RunningCopy second(files);
    const std::size_t before = files.log.size();
    second.program.startup();
    second.program.raise(MAINFORM, platform::Event::End);
    EXPECT_TRUE(second.program.ended());
    EXPECT_EQ(second.transcript.str(), "message \"起動警告\" "
                                       "\"同じデータフォルダーで別のＫＥＤＲＡＶＯ　Ｖ２が動いています\\r\\n"
                                       "こちらは何も保存せずに終了します\"\n");
    EXPECT_TRUE(std::none_of(files.log.begin() + static_cast<std::ptrdiff_t>(before), files.log.end(), writes));

    first.program.raise(MAINFORM, platform::Event::End);
    RunningCopy third(files);
    third.program.startup();
    EXPECT_FALSE(third.program.ended()) << "the folder is free again once the first copy ended";
}

// A working directory the user may not write, as a desktop launcher may choose.
TEST(Shutdown, AnEnvironmentFileThatCannotBeWrittenIsToldAndTheProgramStillEnds) {
    MemoryFileSystem files;
    prepareFiles(files, "/data/", "");
    files.fault = [](const store::test::Operation& operation) {
        const bool environment =
            operation.path.starts_with("/cwd/") && operation.path.find("KANKYO") != std::string::npos;
        return environment && writes(operation) ? platform::IoError::NoPermission : platform::IoError::None;
    };
    RunningCopy run(files);
    run.program.startup();
    run.program.raise(MAINFORM, platform::Event::End);
    EXPECT_TRUE(run.program.ended());
    EXPECT_NE(run.transcript.str().find("message \"保存エラー\" \"/cwd/KANKYO.TXT"), std::string::npos)
        << run.transcript.str();
}

} // namespace
} // namespace kedravo::ui::test
