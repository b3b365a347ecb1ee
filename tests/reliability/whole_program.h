#pragma once
// The whole program as kedravo-script runs it (start-up, the handlers through the headless toolkit, shut-down),
// in this process and over any file system, so that thousands of runs cost milliseconds each. A "start" after
// the main window has closed is a restart: a new program over the same files.
#include "core/tables.h"
#include "platform/clock.h"
#include "platform/file_system.h"
#include "platform/script_backend.h"
#include "platform/scripted/fixed_clock.h"
#include "platform/scripted/scripted_dialogs.h"
#include "script.h"
#include "ui/program.h"

#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace kedravo::reliability {

// One warning box as the user saw it.
struct Warning {
    std::string caption;
    std::string text;
};

class WholeProgram {
public:
    WholeProgram(platform::FileSystem& files, platform::Clock& clock);
    ~WholeProgram();

    // Performs one command as kedravo-script does. Returns the script error, if the command could not be
    // performed; refusals are not errors. "start" while the program runs is an error.
    std::optional<std::string> perform(const script::Command& command);

    bool running() const; // started and not yet shut down
    Tables& tables();
    platform::Toolkit& toolkit();
    platform::Clock& clock() { return clock_; }

    // The warning boxes shown since the last call.
    std::vector<Warning> takeWarnings();
    // Everything the runs printed, as kedravo-script prints it.
    std::string transcript() const;

private:
    struct Run;
    platform::FileSystem& files_;
    platform::FixedClock clock_;
    std::ostringstream transcript_;
    std::string history_; // the transcript up to the last takeWarnings()
    std::unique_ptr<Run> run_;
    // Answers queued before a start go to that start's dialogs.
    std::unique_ptr<platform::ScriptedDialogs> dialogs_;
};

// Shorthands for building commands in tests.
script::Command command(script::Verb verb, int target = 0, int position = 0,
                        std::optional<std::string> text = std::nullopt);
script::Command clockCommand(const platform::LocalTime& time);

} // namespace kedravo::reliability
