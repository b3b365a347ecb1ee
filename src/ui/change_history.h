#pragma once
// The session's changes, in order, for undo and redo. It holds the state after each change and the state the
// session started from; undoing moves back one state, redoing forward, and a new change drops what lay ahead.
#include "ui/table_state.h"

#include <cstddef>
#include <deque>
#include <string>

namespace kedravo::ui {

class ChangeHistory {
public:
    // Steps kept; older ones are forgotten.
    static constexpr std::size_t STEPS = 200;

    void start(TableState state);
    const TableState& current() const;
    void record(std::string change, TableState after);

    // The name of the change an undo or a redo would take back or make again; "" when there is none.
    const std::string& undoName() const;
    const std::string& redoName() const;
    // The state to restore; the caller has checked the name first.
    const TableState& undo();
    const TableState& redo();

private:
    struct Step {
        std::string change; // what led to this state; "" for the start
        TableState state;
    };
    std::deque<Step> steps_;
    std::size_t at_ = 0;
};

} // namespace kedravo::ui
