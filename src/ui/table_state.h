#pragma once
// What the data files hold of the tables, captured so that a change can be told apart, undone and redone. Each
// page is held apart and shared between captures while it stays the same, so a long history of changes to one
// page costs one page a step.
#include "core/tables.h"

#include <array>
#include <memory>
#include <string>
#include <vector>

namespace kedravo::ui {

struct LineState {
    std::string price;
    std::int16_t timeFrame = 0;
    std::int16_t crosses = 0;
    bool operator==(const LineState&) const = default;
};

struct PageState {
    // The basic data file's part.
    std::string name;
    std::string spread;
    std::int16_t timeFrameCount = 0;
    std::array<std::string, TF_SLOTS> timeFrames;
    // The price data file's part (with the name).
    std::string price;
    std::string priceTime;
    std::vector<LineState> lines;
    bool operator==(const PageState&) const = default;
};

struct TableState {
    std::array<std::shared_ptr<const PageState>, PAGE_MAX> pages;
};

// Which files two states differ in.
struct StateDifference {
    bool priceData = false;
    bool basicData = false;
    bool any() const { return priceData || basicData; }
};

// Pages equal to those of `previous` share its copies.
TableState captureState(const Tables& t, const TableState& previous);
void restoreState(Tables& t, const TableState& state);
StateDifference compareStates(const TableState& a, const TableState& b);

} // namespace kedravo::ui
