#pragma once
// The file system of a POSIX system.
#include "platform/file_system.h"

namespace kedravo::platform {

class PosixFileSystem : public FileSystem {
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

} // namespace kedravo::platform
