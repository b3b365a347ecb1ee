// The save on a real file system: kills at random moments, leftovers, permission bits, symbolic links, and a
// folder lock that dies with its process.
#include "core/cp932.h"
#include "platform/posix_file_system.h"
#include "random_tables.h"
#include "store/data_files.h"
#include "store/price_data_file.h"
#include "store/safe_write.h"
#include "support/disk_files.h"
#include "test_services.h"

#include <chrono>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <random>
#include <sstream>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace kedravo::store::test {
namespace {

namespace fs = std::filesystem;

using kedravo::test::fileBytes;

struct TempFolder : kedravo::test::TemporaryFolder {
    using TemporaryFolder::TemporaryFolder;
    std::string dataDir() const { return path.string() + "/"; }
};

struct PosixStore {
    platform::PosixFileSystem files;
    platform::FixedClock clock{TEST_NOW};
    RecordingWarner warner;
    StoreServices services{files, clock, warner};
};

// A killed process leaves its writes in the system's cache, so the kills need no disk: in memory a save takes
// a few milliseconds rather than the disk's flush time, and the kills land all through it.
fs::path memoryBackedFolder() {
    return fs::is_directory("/dev/shm") ? fs::path("/dev/shm") : fs::temp_directory_path();
}

TEST(PosixSave, AKilledSaveLeavesTheOldOrTheNewFile) {
    TempFolder folder(memoryBackedFolder());
    std::unique_ptr<Tables> versions[] = {fullTables(0), fullTables(1)};
    std::string bytes[2];
    for (int v = 0; v < 2; ++v) {
        versions[v]->DATA_DIR = folder.dataDir();
        bytes[v] = utf8ToCp932(priceDataImage(*versions[v])).text;
    }
    PosixStore store;
    auto started = std::chrono::steady_clock::now();
    価格データW_SUB(*versions[1], store.services);
    auto saveTime = std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - started);
    価格データW_SUB(*versions[0], store.services);

    const unsigned seed = 20160301;
    std::mt19937 random(seed);
    int seen[2] = {0, 0};
    for (int kill = 0; kill < 200; ++kill) {
        pid_t child = fork();
        ASSERT_GE(child, 0);
        // A process of its own, as every run of the program is: what it knows of the file is its own.
        if (child == 0) {
            PosixStore own;
            for (int v = 1;; v = 1 - v)
                価格データW_SUB(*versions[v], own.services);
        }
        // Up to a save and a quarter: the kill falls before, in or after the child's first save.
        usleep(std::uniform_int_distribution<useconds_t>(0, static_cast<useconds_t>(saveTime.count() * 5 / 4))(random));
        ::kill(child, SIGKILL);
        waitpid(child, nullptr, 0);

        std::string now = fileBytes(folder.path / PRICE_FILE).value_or("");
        ASSERT_TRUE(now == bytes[0] || now == bytes[1]) << "kill " << kill << ", seed " << seed;
        ++seen[now == bytes[1]];
        if (kill % 10 != 0)
            continue;
        // Whatever the kill left beside the file, the next start reads the file without a word.
        auto back = std::make_unique<Tables>();
        back->DATA_DIR = folder.dataDir();
        readPriceData(*back, store.services);
        ASSERT_TRUE(store.warner.shown.empty()) << "kill " << kill << ", seed " << seed;
    }
    // The kills fell both before and after the first saves of the children completed.
    EXPECT_GT(seen[0], 0);
    EXPECT_GT(seen[1], 0);
}

// A backup is a copy; one killed half way must not be left under the backup's name looking whole.
TEST(PosixSave, AKilledCopyLeavesTheWholeCopyOrNone) {
    TempFolder folder(memoryBackedFolder());
    const std::string source = (folder.path / "source").string();
    std::string bytes(4 << 20, 'x');
    for (std::size_t i = 0; i < bytes.size(); i += 4096)
        bytes[i] = static_cast<char>('a' + i / 4096 % 26);
    std::ofstream(source, std::ios::binary) << bytes;
    platform::PosixFileSystem files;
    auto started = std::chrono::steady_clock::now();
    ASSERT_EQ(files.copy(source, (folder.path / "timed").string()), platform::IoError::None);
    auto copyTime = std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - started);

    const unsigned seed = 20160301;
    std::mt19937 random(seed);
    for (int kill = 0; kill < 30; ++kill) {
        const fs::path target = folder.path / ("copy" + std::to_string(kill));
        pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            files.copy(source, target.string());
            _exit(0);
        }
        usleep(std::uniform_int_distribution<useconds_t>(0, static_cast<useconds_t>(copyTime.count()))(random));
        ::kill(child, SIGKILL);
        waitpid(child, nullptr, 0);
        ASSERT_TRUE(!fs::exists(target) || fileBytes(target) == bytes) << "kill " << kill << ", seed " << seed;
    }
}

TEST(PosixSave, ALeftoverOfAKilledSaveIsIgnoredAndThenRemoved) {
    TempFolder folder;
    auto t = fullTables(0);
    t->DATA_DIR = folder.dataDir();
    PosixStore store;
    価格データW_SUB(*t, store.services);
    std::string saved = fileBytes(folder.path / PRICE_FILE).value_or("");
    std::ofstream(temporaryPath((folder.path / PRICE_FILE).string()), std::ios::binary) << "half a fi";

    auto back = std::make_unique<Tables>();
    back->DATA_DIR = folder.dataDir();
    readPriceData(*back, store.services);
    価格データW_SUB(*back, store.services);
    EXPECT_TRUE(store.warner.shown.empty());
    EXPECT_EQ(fileBytes(folder.path / PRICE_FILE), saved);
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.path), fs::directory_iterator()), 1);
}

TEST(PosixSave, PermissionBitsAndSymbolicLinksAreKept) {
    TempFolder folder;
    fs::create_directory(folder.path / "real");
    fs::path target = folder.path / "real" / PRICE_FILE;
    std::ofstream(target) << "old";
    ::chmod(target.c_str(), 0640);
    fs::create_symlink(fs::path("real") / PRICE_FILE, folder.path / PRICE_FILE);

    auto t = fullTables(1);
    t->DATA_DIR = folder.dataDir();
    PosixStore store;
    価格データW_SUB(*t, store.services);
    EXPECT_TRUE(store.warner.shown.empty());
    EXPECT_TRUE(fs::is_symlink(folder.path / PRICE_FILE));
    EXPECT_EQ(fileBytes(target), utf8ToCp932(priceDataImage(*t)).text);
    struct stat st;
    ASSERT_EQ(::stat(target.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
}

TEST(PosixSave, TheFolderLockDiesWithItsProcess) {
    TempFolder folder;
    PosixStore store;
    int ready[2];
    ASSERT_EQ(pipe(ready), 0);
    pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        auto lock = lockDataFolder(store.services, folder.dataDir());
        char held = lock ? 'y' : 'n';
        ssize_t written = write(ready[1], &held, 1);
        for (;;)
            pause();
        (void)written;
    }
    char held = 0;
    ASSERT_EQ(read(ready[0], &held, 1), 1);
    EXPECT_EQ(held, 'y');
    EXPECT_FALSE(lockDataFolder(store.services, folder.dataDir()));
    ::kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
    EXPECT_TRUE(lockDataFolder(store.services, folder.dataDir()));
    close(ready[0]);
    close(ready[1]);
}

} // namespace
} // namespace kedravo::store::test
