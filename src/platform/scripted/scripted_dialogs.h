#pragma once
// The dialogs of a scripted run: each input box, save and open dialog takes the next queued answer instead of a
// user's, and every dialog writes one transcript line. A dialog with no answer queued is cancelled.
#include "platform/dialogs.h"

#include <deque>
#include <optional>
#include <ostream>
#include <string>

namespace kedravo::platform {

class ScriptedDialogs final : public Dialogs {
public:
    explicit ScriptedDialogs(std::ostream& transcript);

    // A text to type into the next input box, or nothing to cancel it.
    void answerInput(std::optional<std::string> text);
    // The path the next save-as dialog returns, or nothing to cancel it.
    void answerSave(std::optional<std::string> path);
    // The path the next open dialog returns, or nothing to cancel it.
    void answerOpen(std::optional<std::string> path);

    void STOP_SUB(const std::string& caption, const std::string& text) override;
    std::string inputBox(int ownerWindow, const std::string& title, const std::string& prompt) override;
    std::optional<std::string> saveAs(int ownerWindow, const std::string& title,
                                      const std::string& proposedName) override;
    std::optional<std::string> saveCsvAs(int ownerWindow, const std::string& title,
                                         const std::string& proposedName) override;
    std::optional<std::string> openCsv(int ownerWindow, const std::string& title) override;

private:
    using Answers = std::deque<std::optional<std::string>>;
    std::optional<std::string> answer(Answers& queue, const std::string& question);

    std::ostream& transcript_;
    Answers inputs_;
    Answers saves_;
    Answers opens_;
};

} // namespace kedravo::platform
