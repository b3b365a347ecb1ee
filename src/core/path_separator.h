#pragma once
// The separator between folder names in paths, as the system knows it: "/", or on Windows "\", where "/"
// separates as well. A folder kept in the tables ends with one, so that file names can be put straight after it.
#include <cstddef>
#include <string_view>

namespace kedravo {

// The separator that ends a folder name the program completes.
char pathSeparator();

bool isPathSeparator(char c);

// The position of the last separator in `path`, or npos.
std::size_t lastPathSeparator(std::string_view path);

} // namespace kedravo
