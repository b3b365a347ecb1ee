#include "core/path_separator.h"

namespace kedravo {

char pathSeparator() {
    return '\\';
}

// UTF-8 text never has a 0x5C byte inside a character, so the backslash is always one.
bool isPathSeparator(char c) {
    return c == '\\' || c == '/';
}

std::size_t lastPathSeparator(std::string_view path) {
    return path.find_last_of("\\/");
}

} // namespace kedravo
