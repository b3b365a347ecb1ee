#pragma once
// The words in which file problems are told to the user.
#include "platform/file_system.h"
#include "store/safe_write.h"

#include <string>

namespace kedravo::store {

struct Message {
    std::string caption;
    std::string text;
};

std::string reasonText(platform::IoError error);
std::string reasonText(const SaveFailure& failure);
// The full path, as the user can look it up.
std::string shownPath(platform::FileSystem& files, const std::string& path);

} // namespace kedravo::store
