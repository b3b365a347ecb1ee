#include "ui/folders.h"

#include "core/path_separator.h"

namespace kedravo::ui {

std::string folderOf(const std::string& path) {
    const auto slash = lastPathSeparator(path);
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

std::string withoutSeparator(const std::string& folder) {
    if (folder.size() > 1 && isPathSeparator(folder.back()))
        return folder.substr(0, folder.size() - 1);
    return folder;
}

} // namespace kedravo::ui
