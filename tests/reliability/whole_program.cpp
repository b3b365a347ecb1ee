#include "whole_program.h"

#include "platform/headless/headless_script_backend.h"
#include "platform/scripted/script_text.h"
#include "script_runner.h"
#include "ui/catalogue.h"

namespace kedravo::reliability {

struct WholeProgram::Run {
    Run(platform::FileSystem& files, platform::FixedClock& clock, std::unique_ptr<platform::ScriptedDialogs> d,
        std::ostream& transcript)
        : dialogs(std::move(d)), program({backend->toolkit(), *dialogs, clock, files}),
          script{ui::catalogue(), *backend, *dialogs, clock, [this] { program.startup(); }, transcript, std::nullopt} {}

    std::unique_ptr<platform::ScriptBackend> backend = platform::makeHeadlessBackend();
    std::unique_ptr<platform::ScriptedDialogs> dialogs;
    ui::Program program;
    script::ScriptRun script;
};

WholeProgram::WholeProgram(platform::FileSystem& files, platform::Clock& clock)
    : files_(files), clock_(clock), dialogs_(std::make_unique<platform::ScriptedDialogs>(transcript_)) {}

WholeProgram::~WholeProgram() = default;

std::optional<std::string> WholeProgram::perform(const script::Command& command) {
    using script::Verb;
    platform::ScriptedDialogs& dialogs = running() ? *run_->dialogs : *dialogs_;
    switch (command.verb) {
    case Verb::AnswerInput:
        dialogs.answerInput(command.text);
        return std::nullopt;
    case Verb::AnswerSave:
        dialogs.answerSave(command.text);
        return std::nullopt;
    case Verb::AnswerOpen:
        dialogs.answerOpen(command.text);
        return std::nullopt;
    case Verb::Clock:
        clock_.set(command.time);
        return std::nullopt;
    case Verb::Start:
        if (running())
            return "start may come only once";
        run_.reset();
        run_ = std::make_unique<Run>(files_, clock_, std::move(dialogs_), transcript_);
        dialogs_ = std::make_unique<platform::ScriptedDialogs>(transcript_);
        run_->program.startup();
        return std::nullopt;
    default:
        break;
    }
    if (!running())
        return "the program is not running";
    if (auto error = script::runScript({command}, run_->script))
        return error->message;
    return std::nullopt;
}

bool WholeProgram::running() const {
    return run_ && !run_->program.ended();
}

Tables& WholeProgram::tables() {
    return run_->program.tables();
}

platform::Toolkit& WholeProgram::toolkit() {
    return run_->backend->toolkit();
}

std::vector<Warning> WholeProgram::takeWarnings() {
    const std::string fresh = transcript_.str();
    transcript_.str("");
    history_ += fresh;
    std::vector<Warning> warnings;
    std::istringstream lines(fresh);
    for (std::string line; std::getline(lines, line);) {
        if (!line.starts_with("message "))
            continue;
        const platform::Words words = platform::splitWords(line);
        warnings.push_back({words.words.at(1).text, words.words.at(2).text});
    }
    return warnings;
}

std::string WholeProgram::transcript() const {
    return history_ + transcript_.str();
}

script::Command command(script::Verb verb, int target, int position, std::optional<std::string> text) {
    script::Command c;
    c.verb = verb;
    c.target = {verb == script::Verb::Close, target};
    c.position = position;
    c.text = std::move(text);
    return c;
}

script::Command clockCommand(const platform::LocalTime& time) {
    script::Command c;
    c.verb = script::Verb::Clock;
    c.time = time;
    return c;
}

} // namespace kedravo::reliability
