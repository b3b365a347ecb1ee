#include "platform/screen_fit.h"

#include <gtest/gtest.h>
#include <vector>

namespace kedravo::platform {
namespace {

// A 406 × 460 window, as the main window, on one laptop screen or on two monitors side by side, the second one
// left of the first and higher (negative coordinates).
TEST(FittedPosition, KeepsWhatFitsAndMovesTheRestOntoTheNearestArea) {
    const Area laptop{0, 0, 1366, 728};
    const Area primary{0, 0, 1600, 960};
    const Area leftMonitor{-1280, -200, 1280, 1024};
    const struct {
        const char* name;
        Position at;
        std::vector<Area> areas;
        Position expected;
    } cases[] = {
        {"wholly inside stays exactly", {950, 200}, {laptop}, {950, 200}},
        {"touching the edges stays", {960, 268}, {laptop}, {960, 268}},
        {"below the bottom edge moves up", {950, 564}, {laptop}, {950, 268}},
        {"beyond the right edge moves left", {1200, 100}, {laptop}, {960, 100}},
        {"above and left of the area moves in", {-50, -30}, {laptop}, {0, 0}},
        {"off every screen goes to the nearest", {5000, 5000}, {leftMonitor, primary}, {1194, 500}},
        {"left of the left monitor", {-3000, 100}, {leftMonitor, primary}, {-1280, 100}},
        {"wholly on the left monitor stays", {-800, -150}, {leftMonitor, primary}, {-800, -150}},
        {"across both monitors stays", {-200, 100}, {leftMonitor, primary}, {-200, 100}},
        {"across the monitors but below the shorter", {-200, 700}, {leftMonitor, primary}, {0, 500}},
        {"larger than the area keeps its top left on it", {100, 100}, {{0, 0, 683, 364}}, {100, 0}},
        {"no screen known leaves it", {5000, 5000}, {}, {5000, 5000}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(fittedPosition({c.at.left, c.at.top, 406, 460}, c.areas), c.expected) << c.name;
}

} // namespace
} // namespace kedravo::platform
