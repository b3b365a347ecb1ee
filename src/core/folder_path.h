#pragma once
// Folders and file names in paths. A folder as the tables keep it (DATA_DIR, BACKUP_DIR) ends with the path
// separator, so that file names can be put straight after it, or is empty for the working folder.
#include <string>

namespace kedravo {

// The folder with its separator added when it lacks one; empty stays empty.
std::string asFolder(std::string folder);

// The folder part of a path, with its trailing separator; "" for a bare file name.
std::string folderOf(const std::string& path);

// What follows the folder part of a path.
std::string fileNameOf(const std::string& path);

// The folder as the file system names it, without the trailing separator (a root such as "/" stays as it is).
std::string withoutSeparator(const std::string& folder);

} // namespace kedravo
