#pragma once
// Commands written back as the lines of a kedravo-script script, so that a run found by a random search can be
// read, replayed and kept as a scenario.
#include "platform/catalogue.h"
#include "script.h"

#include <string>
#include <vector>

namespace kedravo::reliability {

std::string scriptLine(const script::Command& command, const platform::Catalogue& catalogue);
std::string scriptText(const std::vector<script::Command>& commands, const platform::Catalogue& catalogue);

} // namespace kedravo::reliability
