#pragma once
// The file system of Windows, through the wide-character API so that paths with Japanese names work whatever
// the system's ANSI code page is. Both "\" and "/" separate folders.
#include "platform/file_system.h"

namespace kedravo::platform::win32 {

class Win32FileSystem : public FileSystem {
public:
    bool exists(const std::string& path) override;
    bool isDirectory(const std::string& path) override;
    OpenedFile createNew(const std::string& path, std::optional<unsigned> permissions) override;
    OpenedFile createOrTruncate(const std::string& path) override;
    FileContents read(const std::string& path) override;
    IoError renameOver(const std::string& from, const std::string& to) override;
    IoError flushFolder(const std::string& folder) override;
    IoError copy(const std::string& from, const std::string& to) override;
    IoError remove(const std::string& path) override;
    std::optional<unsigned> permissions(const std::string& path) override;
    std::string resolveLinks(const std::string& path) override;
    LockAttempt tryLock(const std::string& path) override;
    std::string workingDirectory() override;
    std::string homeFolder() override;
};

} // namespace kedravo::platform::win32
