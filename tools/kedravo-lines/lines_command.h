#pragma once
// kedravo-lines: a page's lines out to a CSV file and in from one, on a data folder the program is not running
// on. Exit 0 when done, 1 when refused with nothing written, 2 on a usage error.
#include "platform/clock.h"
#include "platform/file_system.h"

#include <ostream>
#include <string>
#include <vector>

namespace kedravo::lines_tool {

inline constexpr int DONE = 0;
inline constexpr int REFUSED = 1;
inline constexpr int USAGE_ERROR = 2;

inline constexpr char USAGE[] = "usage: kedravo-lines export [--data DIR] [--page N|NAME] [FILE]\n"
                                "       kedravo-lines import [--data DIR] --page N|NAME FILE";

// `args` without the program's name. The CSV of an export without FILE goes to `out`, as do the reports; every
// problem to `err`.
int runLinesCommand(const std::vector<std::string>& args, platform::FileSystem& files, platform::Clock& clock,
                    std::ostream& out, std::ostream& err);

} // namespace kedravo::lines_tool
