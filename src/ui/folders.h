#pragma once
// Folders as the tables keep them (DATA_DIR, BACKUP_DIR): a path ending with the path separator, or empty for the
// working directory.
#include <string>

namespace kedravo::ui {

// The folder of a path chosen in the save-as dialog; the file name typed there is dropped.
std::string folderOf(const std::string& path);

// The folder as the file system names it, without the trailing separator (a root such as "/" stays as it is).
std::string withoutSeparator(const std::string& folder);

} // namespace kedravo::ui
