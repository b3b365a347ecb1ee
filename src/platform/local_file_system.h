#pragma once
// The file system of the computer the program runs on, POSIX or Windows as the build chooses.
#include "platform/file_system.h"

#include <memory>

namespace kedravo::platform {

std::unique_ptr<FileSystem> makeLocalFileSystem();

} // namespace kedravo::platform
