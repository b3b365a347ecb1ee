#pragma once
// The Qt toolkit as a script backend: the user's actions go through the widgets, and windows can be pictured.
#include "platform/script_backend.h"

#include <memory>

namespace kedravo::platform {

// Creates the QApplication unless one exists already; `argc` must outlive the backend.
std::unique_ptr<ScriptBackend> makeQtBackend(int& argc, char** argv);

} // namespace kedravo::platform
