// Whole processes on the Qt toolkit (offscreen): the program's start-up at full load to its first shown main
// window beside an empty Qt window, and the peak memory of each. Start-up includes loading Qt itself, which the
// floor pays too; the ratio of the two is the figure that matters.
#include "full_load.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <filesystem>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace kedravo::bench {
namespace {

struct Finished {
    bool ok = false;
    double seconds = 0;
    double cpuSeconds = 0; // user and system: less swayed than the wall clock by other work on the machine
    long peakKilobytes = 0;
};

double seconds(const timeval& t) {
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) / 1e6;
}

// The parent's environment with the offscreen platform, so that no display is needed.
std::vector<std::string> offscreenEnvironment() {
    std::vector<std::string> variables{"QT_QPA_PLATFORM=offscreen"};
    for (char** v = environ; *v != nullptr; ++v)
        if (std::string_view(*v).substr(0, 16) != "QT_QPA_PLATFORM=")
            variables.emplace_back(*v);
    return variables;
}

std::vector<char*> pointers(std::vector<std::string>& texts) {
    std::vector<char*> list;
    for (std::string& text : texts)
        list.push_back(text.data());
    list.push_back(nullptr);
    return list;
}

Finished runProcess(std::vector<std::string> arguments, const std::string& folder) {
    std::vector<std::string> environment = offscreenEnvironment();
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addchdir_np(&actions, folder.c_str());
    const auto start = std::chrono::steady_clock::now();
    pid_t child = 0;
    const int spawned = posix_spawn(&child, arguments.front().c_str(), &actions, nullptr, pointers(arguments).data(),
                                    pointers(environment).data());
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0)
        return {};
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    return {WIFEXITED(status) && WEXITSTATUS(status) == 0, took.count(),
            seconds(usage.ru_utime) + seconds(usage.ru_stime), usage.ru_maxrss};
}

// A folder holding the full-load data files and a KANKYO.TXT that names it, as the program finds them at start.
struct FullLoadFolder : BenchFolder {
    FullLoadFolder() {
        const std::filesystem::path before = std::filesystem::current_path();
        std::filesystem::current_path(path);
        writeFullLoadFiles(path);
        writeEnvironmentFile(path);
        std::filesystem::current_path(before);
    }
};

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n == 0 ? 0 : n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// Each iteration runs the floor and then the measured program, so that both meet the same load on a shared
// machine; the ratios are taken pair by pair. The time reported is the measured program's.
void measureAgainstFloor(benchmark::State& state, const std::vector<std::string>& program) {
    FullLoadFolder folder;
    std::vector<double> wallRatios;
    std::vector<double> cpuRatios;
    std::vector<double> floorMilliseconds;
    long peak = 0;
    long floorPeak = 0;
    for (auto _ : state) {
        const Finished floor = runProcess({KEDRAVO_EMPTY_WINDOW}, folder.path);
        const Finished measured = runProcess(program, folder.path);
        if (!floor.ok || !measured.ok) {
            state.SkipWithError("a process failed");
            break;
        }
        state.SetIterationTime(measured.seconds);
        wallRatios.push_back(measured.seconds / floor.seconds);
        cpuRatios.push_back(measured.cpuSeconds / floor.cpuSeconds);
        floorMilliseconds.push_back(floor.seconds * 1e3);
        peak = std::max(peak, measured.peakKilobytes);
        floorPeak = std::max(floorPeak, floor.peakKilobytes);
    }
    state.counters["floor_ms"] = median(floorMilliseconds);
    state.counters["wall_ratio"] = median(wallRatios);
    state.counters["cpu_ratio"] = median(cpuRatios);
    state.counters["peak_kB"] = static_cast<double>(peak);
    state.counters["extra_kB"] = static_cast<double>(peak - floorPeak);
}

// Start-up from the three files at full load to the first paint of the main window.
void BM_StartupAgainstEmptyWindow(benchmark::State& state) {
    measureAgainstFloor(state, {KEDRAVO_STARTUP_PROBE});
}
// Start-up, every page visited, every list window open with 300 rows, and shut-down with the verified save.
void BM_WholeRunAgainstEmptyWindow(benchmark::State& state) {
    measureAgainstFloor(state, {KEDRAVO_STARTUP_PROBE, "full"});
}

// The calibration: Japanese text in the program's two faces, nothing else.
void BM_TextWindowAgainstEmptyWindow(benchmark::State& state) {
    measureAgainstFloor(state, {KEDRAVO_TEXT_WINDOW});
}

constexpr int PAIRS = 7;
BENCHMARK(BM_StartupAgainstEmptyWindow)->UseManualTime()->Iterations(PAIRS)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WholeRunAgainstEmptyWindow)->UseManualTime()->Iterations(PAIRS)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TextWindowAgainstEmptyWindow)->UseManualTime()->Iterations(PAIRS)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace kedravo::bench
