#pragma once
// One toolkit backend as kedravo-script and the toolkit contract tests drive it: the program's side, the user's
// side, and pictures of windows where there is a screen to draw them on.
#include "platform/toolkit.h"

#include <string>

namespace kedravo::platform {

class ScriptBackend {
public:
    virtual ~ScriptBackend() = default;
    virtual Toolkit& toolkit() = 0;
    virtual UserInput& user() = 0;
    // Saves a PNG picture of the window; false when it cannot (no screen, or the file cannot be written).
    virtual bool snapshot(int window, const std::string& pngPath) = 0;
};

} // namespace kedravo::platform
