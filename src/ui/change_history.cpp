#include "ui/change_history.h"

#include <cassert>

namespace kedravo::ui {
namespace {

const std::string NONE;

} // namespace

void ChangeHistory::start(TableState state) {
    steps_.clear();
    steps_.push_back({"", std::move(state)});
    at_ = 0;
}

const TableState& ChangeHistory::current() const {
    return steps_[at_].state;
}

void ChangeHistory::record(std::string change, TableState after) {
    steps_.erase(steps_.begin() + static_cast<std::ptrdiff_t>(at_ + 1), steps_.end());
    steps_.push_back({std::move(change), std::move(after)});
    if (steps_.size() > STEPS + 1)
        steps_.pop_front();
    at_ = steps_.size() - 1;
}

const std::string& ChangeHistory::undoName() const {
    return at_ > 0 ? steps_[at_].change : NONE;
}

const std::string& ChangeHistory::redoName() const {
    return at_ + 1 < steps_.size() ? steps_[at_ + 1].change : NONE;
}

const TableState& ChangeHistory::undo() {
    assert(at_ > 0);
    return steps_[--at_].state;
}

const TableState& ChangeHistory::redo() {
    assert(at_ + 1 < steps_.size());
    return steps_[++at_].state;
}

} // namespace kedravo::ui
