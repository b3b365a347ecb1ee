#pragma once
// The file system as the store and start-up see it, behind an interface so that tests can make any step fail
// or lose what was not flushed. Paths are UTF-8; a relative path starts at the working directory.
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace kedravo::platform {

// Why an operation failed, in the terms a user can act on.
enum class IoError { None, NotFound, Exists, NoSpace, NoPermission, Busy, Failed };

// A file open for writing. Destroying it closes it quietly; close() is the one that reports errors.
class OutputFile {
public:
    virtual ~OutputFile() = default;
    virtual IoError write(std::string_view bytes) = 0; // all of them, or an error
    virtual IoError flush() = 0;                       // down to the disk, not only to the system's cache
    virtual IoError close() = 0;
};

struct OpenedFile {
    std::unique_ptr<OutputFile> file; // empty on error
    IoError error = IoError::None;
};

struct FileContents {
    std::string bytes;
    IoError error = IoError::None;
};

// Held until destroyed; the system lets go of it when the process ends in any way, a crash or a kill included.
class FileLock {
public:
    virtual ~FileLock() = default;
};

struct LockAttempt {
    std::unique_ptr<FileLock> lock; // empty on error; Busy when another process holds it
    IoError error = IoError::None;
};

class FileSystem {
public:
    virtual ~FileSystem() = default;
    virtual bool exists(const std::string& path) = 0;      // a file or a folder of that name
    virtual bool isDirectory(const std::string& path) = 0; // an existing folder

    // Fails with Exists when the path is taken. `permissions` (mode bits) are set exactly, whatever the umask.
    virtual OpenedFile createNew(const std::string& path, std::optional<unsigned> permissions) = 0;
    virtual OpenedFile createOrTruncate(const std::string& path) = 0;
    virtual FileContents read(const std::string& path) = 0;
    // Replaces `to` by `from` in one step: at every moment `to` is the old file or the new one.
    virtual IoError renameOver(const std::string& from, const std::string& to) = 0;
    // Makes the folder's entries (created, renamed, removed files) durable. "" is the working directory.
    virtual IoError flushFolder(const std::string& folder) = 0;
    // Replaces `to` if it exists, in one step: `to` is never a part of the copy. The copy is flushed to the disk.
    virtual IoError copy(const std::string& from, const std::string& to) = 0;
    virtual IoError remove(const std::string& path) = 0;

    // Mode bits of the file a path leads to, links followed; nothing when there is none.
    virtual std::optional<unsigned> permissions(const std::string& path) = 0;
    // The path a chain of symbolic links ends at (the path itself when it is no link).
    virtual std::string resolveLinks(const std::string& path) = 0;
    // An advisory lock on the file at `path`, created when missing.
    virtual LockAttempt tryLock(const std::string& path) = 0;

    // Both end with the path separator; empty when unknown.
    virtual std::string workingDirectory() = 0;
    virtual std::string homeFolder() = 0;
};

} // namespace kedravo::platform
