#pragma once
// The headless toolkit as a script backend: no screen, so no pictures.
#include "platform/script_backend.h"

#include <memory>

namespace kedravo::platform {

std::unique_ptr<ScriptBackend> makeHeadlessBackend();

} // namespace kedravo::platform
