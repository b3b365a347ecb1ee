#include "core/folder_path.h"

#include "core/path_separator.h"

namespace kedravo {

std::string asFolder(std::string folder) {
    if (!folder.empty() && !isPathSeparator(folder.back()))
        folder += pathSeparator();
    return folder;
}

std::string folderOf(const std::string& path) {
    const std::size_t slash = lastPathSeparator(path);
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

std::string fileNameOf(const std::string& path) {
    return path.substr(folderOf(path).size());
}

std::string withoutSeparator(const std::string& folder) {
    if (folder.size() > 1 && isPathSeparator(folder.back()))
        return folder.substr(0, folder.size() - 1);
    return folder;
}

} // namespace kedravo
