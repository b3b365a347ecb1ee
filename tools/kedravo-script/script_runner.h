#pragma once
// Runs a checked script against the program: queues the dialogs' answers, fixes the clock, starts the program
// and acts as its user, writing refusals and shown state to the transcript.
#include "platform/script_backend.h"
#include "platform/scripted/fixed_clock.h"
#include "platform/scripted/scripted_dialogs.h"
#include "script.h"

#include <filesystem>
#include <functional>
#include <optional>
#include <ostream>

namespace kedravo::script {

struct ScriptRun {
    const platform::Catalogue& catalogue; // its first window is the main window
    platform::ScriptBackend& backend;
    platform::ScriptedDialogs& dialogs;
    platform::FixedClock& clock;
    std::function<void()> startup;
    std::ostream& transcript;
    std::optional<std::filesystem::path> shots; // where snap saves pictures; none: snap does nothing
};

// Runs the commands in order up to the first error, which it returns.
std::optional<ScriptError> runScript(const std::vector<Command>& commands, ScriptRun& run);

} // namespace kedravo::script
