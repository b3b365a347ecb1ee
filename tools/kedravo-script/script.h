#pragma once
// A kedravo-script script, read and checked against the window catalogue before anything runs: every name
// must exist and fit its command. What depends on the run (item numbers, refusals) is checked as it runs.
#include "platform/catalogue.h"
#include "platform/clock.h"
#include "platform/toolkit.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kedravo::script {

enum class Verb {
    AnswerInput,
    AnswerSave,
    AnswerOpen,
    Clock,
    Start,
    Click,
    Pick,
    Row,
    Type,
    Close,
    Show,
    Snap,
    Key,
    Menu
};

// A window or a control of the catalogue, or a window's context menu ("MAINFORM.menu").
struct Target {
    bool isWindow = false;
    int id = 0;
    bool isMenu = false;
    bool operator==(const Target&) const = default;
};

struct Command {
    int line = 0; // in the script, from 1
    Verb verb = Verb::Start;
    Target target;                   // click, pick, row, type, snap
    int position = 0;                // pick, row
    std::optional<std::string> text; // answer (nothing: cancel), type, snap's file name, menu's item
    platform::KeyChord chord;        // key
    platform::LocalTime time;        // clock
    std::vector<Target> shown;       // show
};

struct ScriptError {
    int line = 0;
    std::string message;
};

struct Script {
    std::vector<Command> commands;
    std::optional<ScriptError> error; // the first one; the commands are then incomplete
};

Script parseScript(std::string_view text, const platform::Catalogue& catalogue);

} // namespace kedravo::script
