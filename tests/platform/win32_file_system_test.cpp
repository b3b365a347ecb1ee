#include "core/path_separator.h"
#include "platform/local_file_system.h"
#include "platform/win32/wide_text.h"

#include <functional>
#include <gtest/gtest.h>
#include <windows.h>

namespace kedravo::platform::win32 {
namespace {

// A fresh folder with a Japanese name under the system's temporary folder, for one test.
class Win32FileSystemTest : public testing::Test {
protected:
    Win32FileSystemTest() {
        std::wstring temporary(MAX_PATH + 1, L'\0');
        temporary.resize(GetTempPathW(static_cast<DWORD>(temporary.size()), temporary.data()));
        folder = narrow(temporary) + "相場データ" + std::to_string(GetCurrentProcessId()) + "\\";
        CreateDirectoryW(widen(folder).c_str(), nullptr);
    }
    ~Win32FileSystemTest() override {
        for (const char* name : {"価格データ.TXT", "価格データ.TXT.tmp", "写し.TXT", ".kedravo.lock"})
            DeleteFileW(widen(folder + name).c_str());
        RemoveDirectoryW(widen(folder).c_str());
    }

    static IoError write(OpenedFile opened, std::string_view bytes) {
        if (!opened.file)
            return opened.error;
        for (IoError error : {opened.file->write(bytes), opened.file->flush()})
            if (error != IoError::None)
                return error;
        return opened.file->close();
    }

    std::unique_ptr<FileSystem> files = makeLocalFileSystem();
    std::string folder;
};

TEST_F(Win32FileSystemTest, FilesWithJapaneseNamesAreWrittenReplacedCopiedAndRemoved) {
    const std::string price = folder + "価格データ.TXT";
    const std::string temporary = price + ".tmp";
    const std::string copy = folder + "写し.TXT";
    struct Step {
        const char* name;
        std::function<IoError()> act;
        IoError expected;
    };
    const Step steps[] = {
        {"a new file", [&] { return write(files->createNew(price, std::nullopt), "\x89\xbf\x8a\x69\r\n"); },
         IoError::None},
        {"a new file where one is", [&] { return write(files->createNew(price, std::nullopt), "x"); }, IoError::Exists},
        {"the replacement beside it", [&] { return write(files->createNew(temporary, std::nullopt), "new\r\n"); },
         IoError::None},
        {"replaced in one step", [&] { return files->renameOver(temporary, price); }, IoError::None},
        {"the folder flushed", [&] { return files->flushFolder(folder); }, IoError::None},
        {"copied over nothing", [&] { return files->copy(price, copy); }, IoError::None},
        {"copied over the copy", [&] { return files->copy(price, copy); }, IoError::None},
        {"truncated", [&] { return write(files->createOrTruncate(copy), "short"); }, IoError::None},
        {"a missing file is not read", [&] { return files->read(folder + "無い.TXT").error; }, IoError::NotFound},
        {"a missing file is not copied", [&] { return files->copy(folder + "無い.TXT", copy); }, IoError::NotFound},
        {"a file in a missing folder", [&] { return write(files->createOrTruncate(folder + "無い\\a.TXT"), "x"); },
         IoError::NotFound},
    };
    for (const Step& step : steps)
        EXPECT_EQ(step.act(), step.expected) << step.name;

    EXPECT_EQ(files->read(price).bytes, "new\r\n");
    EXPECT_FALSE(files->exists(temporary));
    EXPECT_EQ(files->read(copy).bytes, "short");
    EXPECT_FALSE(files->exists(copy + ".part"));
    EXPECT_TRUE(files->isDirectory(folder));
    EXPECT_FALSE(files->isDirectory(price));
    EXPECT_EQ(files->remove(copy), IoError::None);
    EXPECT_FALSE(files->exists(copy));
}

TEST_F(Win32FileSystemTest, TheLockIsHeldUntilLetGo) {
    const std::string lockFile = folder + ".kedravo.lock";
    LockAttempt first = files->tryLock(lockFile);
    ASSERT_TRUE(first.lock);
    const LockAttempt second = files->tryLock(lockFile);
    EXPECT_FALSE(second.lock);
    EXPECT_EQ(second.error, IoError::Busy);
    first.lock.reset();
    EXPECT_TRUE(files->tryLock(lockFile).lock) << "a lock let go is free again";
}

TEST_F(Win32FileSystemTest, FoldersEndWithTheSeparator) {
    for (const std::string& known : {files->workingDirectory(), files->homeFolder()}) {
        ASSERT_FALSE(known.empty());
        EXPECT_TRUE(isPathSeparator(known.back())) << known;
        EXPECT_TRUE(files->isDirectory(known)) << known;
    }
}

} // namespace
} // namespace kedravo::platform::win32
