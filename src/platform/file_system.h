#pragma once
// The file system as the store and start-up see it, behind an interface so that tests can make any step fail
// or lose what was not flushed. Paths are UTF-8.
#include <string>

namespace kedravo::platform {

class FileSystem {
public:
    virtual ~FileSystem() = default;
    virtual bool exists(const std::string& path) = 0;      // a file or a folder of that name
    virtual bool isDirectory(const std::string& path) = 0; // an existing folder
    // The persistence layer completes this interface with the operations of the crash-safe save.
};

} // namespace kedravo::platform
