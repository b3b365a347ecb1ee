#pragma once
// The lines of an edit box's text as the program counts them: separated by CR LF, with one more after the last
// break, so an empty box has one empty line.
#include <string>
#include <string_view>
#include <vector>

namespace kedravo::platform {

std::vector<std::string> editLines(std::string_view text);

// Line n, counted from 1; an empty text past either end.
std::string editLine(std::string_view text, int n);

} // namespace kedravo::platform
