#include "arguments.h"

namespace kedravo::lines_tool {

std::vector<std::string> commandArguments(int argc, char** argv) {
    return {argv + 1, argv + argc};
}

} // namespace kedravo::lines_tool
