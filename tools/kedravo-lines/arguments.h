#pragma once
// The command line as UTF-8 words, without the program's name, with standard output ready for the CSV's bytes.
#include <string>
#include <vector>

namespace kedravo::lines_tool {

std::vector<std::string> commandArguments(int argc, char** argv);

} // namespace kedravo::lines_tool
