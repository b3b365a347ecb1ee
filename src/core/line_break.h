#pragma once
// The line break of the data files, the CSV files and the program's multi-line texts: CR LF, on every system.
#include <string_view>

namespace kedravo {

inline constexpr std::string_view LINE_BREAK = "\r\n";

} // namespace kedravo
