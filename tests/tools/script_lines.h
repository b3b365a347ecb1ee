#pragma once
// Commands written back as the lines of a kedravo-script script, so that a run found by a random search can be
// read, replayed and kept as a scenario.
#include "platform/catalogue.h"
#include "script.h"

#include <string>
#include <vector>

namespace kedravo::script::test {

std::string scriptLine(const Command& command, const platform::Catalogue& catalogue);
std::string scriptText(const std::vector<Command>& commands, const platform::Catalogue& catalogue);

} // namespace kedravo::script::test
