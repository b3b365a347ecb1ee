#include "random_user.h"

#include "random_texts.h"
#include "ui/catalogue.h"
#include "ui/controls.h"
#include "whole_program.h"

namespace kedravo::reliability {
namespace {

using platform::ControlKind;
using script::Verb;
using namespace ui;

constexpr int RESTART = -1;
constexpr int UNDO = -2;
constexpr int REDO = -3;

struct Choice {
    int control; // or RESTART, UNDO, REDO
    double weight;
};

int between(std::mt19937& random, int low, int high) {
    return std::uniform_int_distribution<int>(low, high)(random);
}

bool usable(platform::Toolkit& toolkit, const platform::ControlDef& c) {
    if (!toolkit.isVisible(c.window) || !toolkit.isEnabled(c.id))
        return false;
    switch (c.kind) {
    case ControlKind::PushButton:
    case ControlKind::RadioButton:
    case ControlKind::CheckBox:
        return true;
    case ControlKind::EditBox:
        return (c.style & platform::READ_ONLY) == 0;
    case ControlKind::ListBox:
    case ControlKind::DropDown:
        return toolkit.itemCount(c.id) > 0;
    default:
        return false;
    }
}

// Closing a window is made rarer than working in it, so that windows stay open long enough to meet.
double weightOf(const platform::ControlDef& c) {
    switch (c.id) {
    case BUTTON4:
    case BUTTON7:
    case BUTTON9:
    case BUTTON13:
    case BUTTON16:
        return 1;
    default:
        break;
    }
    return c.kind == ControlKind::ListBox || c.kind == ControlKind::EditBox ? 4 : 2;
}

std::vector<Choice> choices(platform::Toolkit& toolkit) {
    std::vector<Choice> all;
    for (const platform::ControlDef& c : catalogue().controls)
        if (usable(toolkit, c))
            all.push_back({c.id, weightOf(c)});
    if (toolkit.isVisible(MAINFORM)) {
        all.push_back({RESTART, 1});
        all.push_back({UNDO, 1});
        all.push_back({REDO, 0.5});
    }
    return all;
}

std::string typed(std::mt19937& random, int control, const Tables& t, platform::Toolkit& toolkit) {
    switch (control) {
    case EDIT3:
        return dateText(random);
    case EDIT4:
        return timeText(random);
    case EDIT6:
        return pageNameText(random);
    case EDIT7:
        return timeFrameList(random, t, toolkit.selected(COMBO3));
    case EDIT8:
        return spreadText(random);
    default:
        return priceText(random, t);
    }
}

platform::LocalTime someTime(std::mt19937& random) {
    return {between(random, 2024, 2026), between(random, 1, 12), between(random, 1, 28),
            between(random, 0, 23),      between(random, 0, 59), between(random, 0, 59)};
}

// Ctrl+Z or Ctrl+Y in a window that is shown, the main window or a secondary one.
std::vector<script::Command> undoKeys(std::mt19937& random, platform::Toolkit& toolkit, bool redo) {
    std::vector<int> shown;
    for (const int window : {MAINFORM, FORM2, FORM3, FORM5, FORM6})
        if (toolkit.isVisible(window))
            shown.push_back(window);
    script::Command keys = command(Verb::Key);
    keys.target = {true, shown[static_cast<std::size_t>(between(random, 0, static_cast<int>(shown.size()) - 1))]};
    keys.chord = {true, false, false, redo ? 'Y' : 'Z'};
    return {keys};
}

std::vector<script::Command> restart(std::mt19937& random) {
    return {command(Verb::Close), clockCommand(someTime(random)), command(Verb::Start)};
}

// A click, with the answer to the dialog it opens queued first.
std::vector<script::Command> click(std::mt19937& random, int control, const Tables& t, platform::Toolkit& toolkit) {
    std::vector<script::Command> commands;
    if (control == BUTTON5)
        commands.push_back(command(Verb::AnswerInput, 0, 0,
                                   between(random, 0, 9) == 0 ? std::nullopt : std::optional(priceText(random, t))));
    if (control == CHECK1 && !toolkit.isChecked(CHECK1))
        commands.push_back(
            command(Verb::AnswerSave, 0, 0,
                    between(random, 0, 3) == 0 ? std::nullopt : std::optional<std::string>("data/DUMMY")));
    commands.push_back(command(Verb::Click, control));
    return commands;
}

} // namespace

std::vector<script::Command> nextActions(std::mt19937& random, platform::Toolkit& toolkit, const Tables& t) {
    const std::vector<Choice> all = choices(toolkit);
    std::vector<double> weights;
    for (const Choice& c : all)
        weights.push_back(c.weight);
    const Choice chosen = all[std::discrete_distribution<std::size_t>(weights.begin(), weights.end())(random)];
    if (chosen.control == RESTART)
        return restart(random);
    if (chosen.control == UNDO || chosen.control == REDO)
        return undoKeys(random, toolkit, chosen.control == REDO);
    const platform::ControlDef& c = catalogue().controls[static_cast<std::size_t>(chosen.control)];
    switch (c.kind) {
    case ControlKind::EditBox:
        return {command(Verb::Type, c.id, 0, typed(random, c.id, t, toolkit))};
    case ControlKind::ListBox:
        return {command(Verb::Row, c.id, between(random, 0, toolkit.itemCount(c.id) - 1))};
    case ControlKind::DropDown:
        return {command(Verb::Pick, c.id, between(random, 0, toolkit.itemCount(c.id) - 1))};
    default:
        return click(random, c.id, t, toolkit);
    }
}

} // namespace kedravo::reliability
