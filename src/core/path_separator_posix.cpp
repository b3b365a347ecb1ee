#include "core/path_separator.h"

namespace kedravo {

char pathSeparator() {
    return '/';
}

bool isPathSeparator(char c) {
    return c == '/';
}

std::size_t lastPathSeparator(std::string_view path) {
    return path.rfind('/');
}

} // namespace kedravo
