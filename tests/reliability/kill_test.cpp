// kedravo-script, a real process, killed at random moments while it saves, over the realistic data set: after
// every kill the three files are, byte for byte, as the last command that was done left them or as the one in
// flight leaves them, never torn and never older; a backup copy present is a whole one, and the next start-up
// reads the files without a word. The test run kills a few dozen times;
// `make soak` some hundreds (KEDRAVO_KILLS).
#include "platform/posix_file_system.h"
#include "platform/system_clock.h"
#include "setup_folder.h"
#include "support/disk_files.h"
#include "whole_program.h"

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <gtest/gtest.h>
#include <iostream>
#include <numeric>
#include <poll.h>
#include <random>
#include <sstream>
#include <sys/inotify.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace kedravo::reliability {
namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

const std::string SCRIPT = std::string(KEDRAVO_RELIABILITY_DIR) + "/shutdown_save.script";
const std::vector<std::string> DATA_FILES = {"KANKYO.TXT", "data/基本データ.TXT", "data/価格データ.TXT"};
const std::string BACKUP = "data/240506_070809価格データ.TXT";

// A killed process leaves its writes in the system's cache, so no disk is needed: in memory the saves take a
// fraction of the time and the kills land all through them.
struct Folder : kedravo::test::TemporaryFolder {
    Folder() : TemporaryFolder(fs::is_directory("/dev/shm") ? fs::path("/dev/shm") : fs::temp_directory_path()) {
        fs::copy(realisticSetup(), path, fs::copy_options::recursive);
    }
};

using kedravo::test::fileBytes;

// File creations and renames in the working directory and the data folder: a save has begun.
class SaveWatch {
public:
    explicit SaveWatch(const fs::path& folder) : fd_(::inotify_init1(IN_NONBLOCK | IN_CLOEXEC)) {
        for (const fs::path& watched : {folder, folder / "data"})
            ::inotify_add_watch(fd_, watched.c_str(), IN_CREATE | IN_MOVED_TO);
    }
    ~SaveWatch() { ::close(fd_); }
    // Waits up to `timeout` for events; how many came.
    int next(std::chrono::milliseconds timeout) {
        pollfd p{fd_, POLLIN, 0};
        if (::poll(&p, 1, static_cast<int>(timeout.count())) <= 0)
            return 0;
        alignas(inotify_event) char buffer[4096];
        const ssize_t read = ::read(fd_, buffer, sizeof buffer);
        int events = 0;
        for (ssize_t at = 0; at < read; ++events)
            at += static_cast<ssize_t>(sizeof(inotify_event) + reinterpret_cast<inotify_event*>(buffer + at)->len);
        return events;
    }

private:
    int fd_;
};

pid_t startScript(const fs::path& folder, const std::string& script = SCRIPT) {
    const pid_t child = ::fork();
    if (child == 0) {
        const int quiet = ::open("/dev/null", O_WRONLY);
        ::dup2(quiet, STDOUT_FILENO);
        ::dup2(quiet, STDERR_FILENO);
        if (::chdir(folder.c_str()) == 0)
            ::execl(KEDRAVO_SCRIPT, KEDRAVO_SCRIPT, script.c_str(), static_cast<char*>(nullptr));
        ::_exit(127);
    }
    return child;
}

// Without reaping it, so that the kill still has its process to aim at.
bool exited(pid_t child) {
    siginfo_t info{};
    return ::waitid(P_PID, static_cast<id_t>(child), &info, WEXITED | WNOHANG | WNOWAIT) == 0 && info.si_pid == child;
}

// Every version of each file, and when, in one run to its end, each file was created or put in place. A kill
// waits for one of these moments, picked at random, then a random part of the time to the next, so that the
// kills fall all through every save rather than mostly between them.
using Files = std::map<std::string, std::optional<std::string>>;

struct Calibration {
    std::vector<Files> afterCommand; // the files the script cut after each of its lines leaves, from none on
    std::string saved;               // the price data as shut-down writes it
    std::vector<Clock::time_point> moments;

    // The command a kill cut short: every file as it was before it or as it left it. Which one, or none.
    std::optional<std::size_t> commandInFlight(const Files& now) const {
        for (std::size_t done = 0; done + 1 < afterCommand.size(); ++done)
            if (std::all_of(now.begin(), now.end(), [&](const auto& file) {
                    return file.second == afterCommand[done].at(file.first) ||
                           file.second == afterCommand[done + 1].at(file.first);
                }))
                return done + 1;
        return std::nullopt;
    }

    Clock::duration gapAfter(std::size_t moment) const {
        return moment + 1 < moments.size() ? moments[moment + 1] - moments[moment] : std::chrono::milliseconds(5);
    }
};

Files filesIn(const fs::path& folder) {
    Files files;
    for (const std::string& file : DATA_FILES)
        files[file] = fileBytes(folder / file);
    return files;
}

std::vector<std::string> scriptLines() {
    std::ifstream in(SCRIPT);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

// The files left by the script cut after each of its lines, as a kill between two commands leaves them.
void addVersionsOfEachCommand(Calibration& c) {
    const std::vector<std::string> lines = scriptLines();
    for (std::size_t cut = 0; cut <= lines.size(); ++cut) {
        Folder folder;
        const std::string script = (folder.path / "cut.script").string();
        std::ofstream(script) << std::accumulate(
            lines.begin(), lines.begin() + static_cast<std::ptrdiff_t>(cut), std::string(),
            [](std::string all, const std::string& line) { return std::move(all) + line + "\n"; });
        ::waitpid(startScript(folder.path, script), nullptr, 0);
        c.afterCommand.push_back(filesIn(folder.path));
    }
}

Calibration calibrate() {
    Folder folder;
    SaveWatch watch(folder.path);
    const pid_t child = startScript(folder.path);
    Calibration c;
    while (!exited(child))
        c.moments.insert(c.moments.end(), static_cast<std::size_t>(watch.next(std::chrono::milliseconds(5))),
                         Clock::now());
    ::waitpid(child, nullptr, 0);
    c.saved = fileBytes(folder.path / "data/価格データ.TXT").value_or("");
    addVersionsOfEachCommand(c);
    return c;
}

// A run may end before the moment (timing differs from run to run); the kill then finds it done.
void waitForMoment(SaveWatch& watch, std::size_t moment, pid_t child) {
    for (std::size_t seen = 0; seen <= moment && !exited(child);)
        seen += static_cast<std::size_t>(watch.next(std::chrono::milliseconds(20)));
}

// A start-up in this process over the files the kill left, as the user's next start would be.
std::vector<Warning> nextStartWarnings(const fs::path& folder) {
    const fs::path back = fs::current_path();
    fs::current_path(folder);
    platform::PosixFileSystem files;
    platform::SystemClock clock;
    std::vector<Warning> warnings;
    {
        WholeProgram program(files, clock);
        program.perform(command(script::Verb::Start));
        warnings = program.takeWarnings();
    }
    fs::current_path(back);
    return warnings;
}

std::string checkAfterKill(const fs::path& folder, const SetupFiles& old, const Calibration& c, int& newFiles) {
    const Files now = filesIn(folder);
    if (!c.commandInFlight(now))
        return "the files are not as one command left them or the next leaves them";
    for (const std::string& file : DATA_FILES)
        newFiles += now.at(file) != old.files.at(file) ? 1 : 0;
    if (auto backup = fileBytes(folder / BACKUP); backup && backup != c.saved)
        return "a backup copy that is not whole";
    if (std::vector<Warning> warnings = nextStartWarnings(folder); !warnings.empty())
        return "the next start warned: " + warnings[0].caption + " " + warnings[0].text;
    return "";
}

TEST(Kills, EveryFileIsOldOrNewAndTheNextStartIsQuiet) {
    const char* value = std::getenv("KEDRAVO_KILLS");
    const int kills = value != nullptr ? std::atoi(value) : 50;
    const SetupFiles old = readSetup(realisticSetup());
    const Calibration c = calibrate();
    ASSERT_FALSE(c.moments.empty()) << "the script wrote no file";
    const unsigned seed = 20240506;
    std::mt19937 random(seed);
    int newFiles[4] = {0, 0, 0, 0}; // kills after which 0, 1, 2 or 3 files were no longer their old versions
    for (int kill = 0; kill < kills; ++kill) {
        Folder folder;
        SaveWatch watch(folder.path);
        const pid_t child = startScript(folder.path);
        const auto moment = std::uniform_int_distribution<std::size_t>(0, c.moments.size() - 1)(random);
        const auto gap = c.gapAfter(moment);
        waitForMoment(watch, moment, child);
        std::this_thread::sleep_for(std::uniform_int_distribution<Clock::rep>(0, gap.count())(random) *
                                    Clock::duration(1));
        ::kill(child, SIGKILL);
        ::waitpid(child, nullptr, 0);
        int fresh = 0;
        ASSERT_EQ(checkAfterKill(folder.path, old, c, fresh), "") << "kill " << kill << ", seed " << seed;
        ++newFiles[fresh];
    }
    std::cout << kills << " kills at " << c.moments.size() << " moments of saving; new files after them: none "
              << newFiles[0] << ", one " << newFiles[1] << ", two " << newFiles[2] << ", all three " << newFiles[3]
              << std::endl;
}

} // namespace
} // namespace kedravo::reliability
