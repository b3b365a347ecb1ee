#include "platform/scripted/scripted_dialogs.h"

#include "platform/scripted/script_text.h"
#include "platform/typing_rule.h"

namespace kedravo::platform {
ScriptedDialogs::ScriptedDialogs(std::ostream& transcript) : transcript_(transcript) {}

// The answer is typed into the box's edit field, so the field's limit applies.
void ScriptedDialogs::answerInput(std::optional<std::string> text) {
    inputs_.push_back(text ? std::optional(typedInto(INPUT_BOX_FIELD, *text)) : std::nullopt);
}

void ScriptedDialogs::answerSave(std::optional<std::string> path) {
    saves_.push_back(std::move(path));
}

void ScriptedDialogs::answerOpen(std::optional<std::string> path) {
    opens_.push_back(std::move(path));
}

void ScriptedDialogs::STOP_SUB(const std::string& caption, const std::string& text) {
    transcript_ << "message " << quoteText(caption) << ' ' << quoteText(text) << '\n';
}

std::optional<std::string> ScriptedDialogs::answer(Answers& queue, const std::string& question) {
    transcript_ << question << " -> ";
    if (queue.empty()) {
        transcript_ << "cancel (unanswered)\n";
        return std::nullopt;
    }
    std::optional<std::string> given = std::move(queue.front());
    queue.pop_front();
    transcript_ << (given ? quoteText(*given) : "cancel") << '\n';
    return given;
}

std::string ScriptedDialogs::inputBox(int, const std::string& title, const std::string& prompt) {
    std::optional<std::string> text = answer(inputs_, "input " + quoteText(title) + ' ' + quoteText(prompt));
    return text ? *text : INPUT_CANCELLED;
}

std::optional<std::string> ScriptedDialogs::saveAs(int, const std::string& title, const std::string& proposedName) {
    return answer(saves_, "save " + quoteText(title) + ' ' + quoteText(proposedName));
}

// Both save dialogs answer from one queue: a script says where the file goes, not which dialog asked.
std::optional<std::string> ScriptedDialogs::saveCsvAs(int owner, const std::string& title,
                                                      const std::string& proposedName) {
    return saveAs(owner, title, proposedName);
}

std::optional<std::string> ScriptedDialogs::openCsv(int, const std::string& title) {
    return answer(opens_, "open " + quoteText(title));
}

} // namespace kedravo::platform
