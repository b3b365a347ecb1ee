#pragma once
// What the store tests hand the store instead of the platform: a warning box that records, a clock that stands
// still, windows that only remember their positions, and the file system in memory.
#include "memory_file_system.h"
#include "platform/scripted/fixed_clock.h"
#include "store/environment_file.h"
#include "store/store_services.h"

#include <array>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace kedravo::store::test {

class RecordingWarner : public platform::Warner {
public:
    void STOP_SUB(const std::string& caption, const std::string& text) override {
        shown.emplace_back(caption, text);
        if (onShow)
            onShow();
    }
    std::vector<std::pair<std::string, std::string>> shown;
    std::function<void()> onShow; // what the user does before pressing OK
};

// Where the tests' clock stands.
inline constexpr platform::LocalTime TEST_NOW{2016, 3, 1, 9, 30, 5};

class FixedWindows : public WindowPositions {
public:
    platform::Position get(int window) override { return at[window]; }
    void move(int window, platform::Position position) override { at[window] = position; }
    std::array<platform::Position, WINDOW_COUNT> at{};
};

struct TestStore {
    MemoryFileSystem files;
    platform::FixedClock clock{TEST_NOW};
    RecordingWarner warner;
    StoreServices services{files, clock, warner};
};

} // namespace kedravo::store::test
