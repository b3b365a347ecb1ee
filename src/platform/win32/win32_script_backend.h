#pragma once
// The Win32 toolkit as a script backend: the user's actions go through the system's controls, and windows can be
// pictured.
#include "platform/script_backend.h"

#include <memory>

namespace kedravo::platform {

std::unique_ptr<ScriptBackend> makeWin32Backend();

} // namespace kedravo::platform
