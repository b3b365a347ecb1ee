#pragma once
// One input for the script parser. Aborts when a script that parses holds a command the runner could not act
// on, or when its commands, written back as script lines, do not parse to the same commands.
#include <string_view>

namespace kedravo::script::test {

void fuzzScript(std::string_view bytes);

} // namespace kedravo::script::test
