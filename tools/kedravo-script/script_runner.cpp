#include "script_runner.h"

#include "state_line.h"

namespace kedravo::script {
namespace {

using platform::Refusal;

std::string nameOf(const ScriptRun& run, Target target) {
    const auto at = static_cast<std::size_t>(target.id);
    return target.isWindow ? run.catalogue.windows[at].name : run.catalogue.controls[at].name;
}

const char* refusalText(Refusal refusal) {
    switch (refusal) {
    case Refusal::Hidden:
        return "hidden";
    case Refusal::Disabled:
        return "disabled";
    case Refusal::ReadOnly:
        return "read-only";
    case Refusal::None:
        break;
    }
    return "";
}

Refusal report(ScriptRun& run, Target target, Refusal refusal) {
    if (refusal != Refusal::None)
        run.transcript << "refused " << nameOf(run, target) << ' ' << refusalText(refusal) << '\n';
    return refusal;
}

// An item is named by its text, or by the command its text begins with ("元に戻す" for "元に戻す（…）").
std::optional<int> menuPosition(ScriptRun& run, int window, const std::string& name) {
    const std::vector<platform::MenuItem> items = run.backend.toolkit().menu(window);
    for (std::size_t i = 0; i < items.size(); ++i)
        if (items[i].text == name || items[i].text.starts_with(name + "（"))
            return static_cast<int>(i);
    return std::nullopt;
}

std::string chooseMenuItem(ScriptRun& run, const Command& command) {
    const std::optional<int> position = menuPosition(run, command.target.id, *command.text);
    if (!position)
        return nameOf(run, command.target) + " has no menu item " + *command.text;
    report(run, command.target, run.backend.user().chooseMenuItem(command.target.id, *position));
    return "";
}

// Items and rows are numbered from 0; a number past the end is the script's mistake, not the user's.
std::string checkPosition(ScriptRun& run, const Command& command) {
    const int count = run.backend.toolkit().itemCount(command.target.id);
    if (command.position < count)
        return "";
    return (command.verb == Verb::Pick ? "item " : "row ") + std::to_string(command.position) +
           " out of range: " + nameOf(run, command.target) + " has " + std::to_string(count);
}

std::string snap(ScriptRun& run, const Command& command) {
    if (!run.shots)
        return "";
    const std::filesystem::path png = *run.shots / *command.text;
    if (run.backend.snapshot(command.target.id, png.string()))
        return "";
    return "cannot save a picture of " + nameOf(run, command.target) + " in " + png.string();
}

// Performs one command; returns what is wrong with it, or "". `closed` is set once the main window has closed.
std::string perform(ScriptRun& run, const Command& command, bool& closed) {
    platform::UserInput& user = run.backend.user();
    const int id = command.target.id;
    std::string error;
    switch (command.verb) {
    case Verb::AnswerInput:
        run.dialogs.answerInput(command.text);
        break;
    case Verb::AnswerSave:
        run.dialogs.answerSave(command.text);
        break;
    case Verb::AnswerOpen:
        run.dialogs.answerOpen(command.text);
        break;
    case Verb::Clock:
        run.clock.set(command.time);
        break;
    case Verb::Start:
        run.startup();
        break;
    case Verb::Click:
        report(run, command.target, user.click(id));
        break;
    case Verb::Pick:
        if ((error = checkPosition(run, command)).empty())
            report(run, command.target, user.pick(id, command.position));
        break;
    case Verb::Row:
        if ((error = checkPosition(run, command)).empty())
            report(run, command.target, user.clickRow(id, command.position));
        break;
    case Verb::Type:
        report(run, command.target, user.type(id, *command.text));
        break;
    case Verb::Close:
        closed = report(run, command.target, user.closeWindow(id)) == Refusal::None &&
                 run.catalogue.windows[static_cast<std::size_t>(id)].closeBox;
        break;
    case Verb::Show:
        for (Target target : command.shown)
            run.transcript << stateLine(run.backend.toolkit(), run.catalogue, target) << '\n';
        break;
    case Verb::Snap:
        error = snap(run, command);
        break;
    case Verb::Key:
        report(run, command.target, user.pressKeys(id, command.chord));
        break;
    case Verb::Menu:
        error = chooseMenuItem(run, command);
        break;
    }
    return error;
}

} // namespace

std::optional<ScriptError> runScript(const std::vector<Command>& commands, ScriptRun& run) {
    bool closed = false;
    for (const Command& command : commands) {
        if (closed)
            return ScriptError{command.line, "nothing may follow close"};
        if (std::string error = perform(run, command, closed); !error.empty())
            return ScriptError{command.line, error};
    }
    return std::nullopt;
}

} // namespace kedravo::script
