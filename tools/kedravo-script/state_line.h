#pragma once
// What `show` prints for a window or a control: its name, then its state as key=value in a fixed order.
#include "platform/catalogue.h"
#include "platform/toolkit.h"
#include "script.h"

#include <string>

namespace kedravo::script {

std::string stateLine(platform::Toolkit& toolkit, const platform::Catalogue& catalogue, Target target);

} // namespace kedravo::script
