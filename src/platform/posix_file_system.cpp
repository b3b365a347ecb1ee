#include "platform/posix_file_system.h"

#include "core/folder_path.h"
#include "platform/local_file_system.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace kedravo::platform {
namespace {

IoError fromErrno(int error) {
    switch (error) {
    case 0:
        return IoError::None;
    case ENOENT:
    case ENOTDIR:
        return IoError::NotFound;
    case EEXIST:
        return IoError::Exists;
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return IoError::NoSpace;
    case EACCES:
    case EPERM:
    case EROFS:
        return IoError::NoPermission;
    case EWOULDBLOCK:
        return IoError::Busy;
    default:
        return IoError::Failed;
    }
}

IoError lastError() {
    return fromErrno(errno);
}

const char* folderPath(const std::string& folder) {
    return folder.empty() ? "." : folder.c_str();
}

class PosixOutputFile : public OutputFile {
public:
    explicit PosixOutputFile(int fd) : fd_(fd) {}
    ~PosixOutputFile() override {
        if (fd_ >= 0)
            ::close(fd_);
    }
    PosixOutputFile(const PosixOutputFile&) = delete;
    PosixOutputFile& operator=(const PosixOutputFile&) = delete;

    IoError write(std::string_view bytes) override {
        while (!bytes.empty()) {
            ssize_t n = ::write(fd_, bytes.data(), bytes.size());
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0)
                return n < 0 ? lastError() : IoError::NoSpace;
            bytes.remove_prefix(static_cast<std::size_t>(n));
        }
        return IoError::None;
    }
    IoError flush() override { return ::fsync(fd_) == 0 ? IoError::None : lastError(); }
    IoError close() override {
        int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0 ? IoError::None : lastError();
    }

private:
    int fd_;
};

OpenedFile open(const std::string& path, int flags, std::optional<unsigned> permissions = std::nullopt) {
    int fd = ::open(path.c_str(), flags | O_WRONLY | O_CREAT | O_CLOEXEC, 0666);
    if (fd < 0)
        return {nullptr, lastError()};
    auto file = std::make_unique<PosixOutputFile>(fd);
    // Set after creation, where the umask no longer applies.
    if (permissions && ::fchmod(fd, static_cast<mode_t>(*permissions)) != 0)
        return {nullptr, lastError()};
    return {std::move(file), IoError::None};
}

IoError writeFlushed(const std::string& path, std::string_view bytes) {
    OpenedFile target = open(path, O_TRUNC);
    if (!target.file)
        return target.error;
    for (IoError error : {target.file->write(bytes), target.file->flush()})
        if (error != IoError::None)
            return error;
    return target.file->close();
}

class PosixFileLock : public FileLock {
public:
    explicit PosixFileLock(int fd) : fd_(fd) {}
    ~PosixFileLock() override { ::close(fd_); }
    PosixFileLock(const PosixFileLock&) = delete;
    PosixFileLock& operator=(const PosixFileLock&) = delete;

private:
    int fd_;
};

} // namespace

bool PosixFileSystem::exists(const std::string& path) {
    struct stat st;
    return ::stat(path.c_str(), &st) == 0;
}

bool PosixFileSystem::isDirectory(const std::string& path) {
    struct stat st;
    return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

OpenedFile PosixFileSystem::createNew(const std::string& path, std::optional<unsigned> permissions) {
    return open(path, O_EXCL, permissions);
}

OpenedFile PosixFileSystem::createOrTruncate(const std::string& path) {
    return open(path, O_TRUNC);
}

FileContents PosixFileSystem::read(const std::string& path) {
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return {{}, lastError()};
    FileContents contents;
    char buffer[65536];
    for (;;) {
        ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            contents.error = lastError();
        if (n <= 0)
            break;
        contents.bytes.append(buffer, static_cast<std::size_t>(n));
    }
    ::close(fd);
    return contents;
}

IoError PosixFileSystem::renameOver(const std::string& from, const std::string& to) {
    return ::rename(from.c_str(), to.c_str()) == 0 ? IoError::None : lastError();
}

IoError PosixFileSystem::flushFolder(const std::string& folder) {
    int fd = ::open(folderPath(folder), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return lastError();
    IoError error = ::fsync(fd) == 0 ? IoError::None : lastError();
    ::close(fd);
    return error;
}

// Written beside the target and renamed over it, so that a kill or a full disk never leaves a cut copy under the
// target's name (a backup that only looks whole).
IoError PosixFileSystem::copy(const std::string& from, const std::string& to) {
    FileContents source = read(from);
    if (source.error != IoError::None)
        return source.error;
    const std::string partial = to + ".part";
    IoError error = writeFlushed(partial, source.bytes);
    if (error == IoError::None)
        error = renameOver(partial, to);
    if (error != IoError::None) {
        ::unlink(partial.c_str());
        return error;
    }
    return flushFolder(folderOf(to));
}

IoError PosixFileSystem::remove(const std::string& path) {
    return ::unlink(path.c_str()) == 0 ? IoError::None : lastError();
}

std::optional<unsigned> PosixFileSystem::permissions(const std::string& path) {
    struct stat st;
    if (::stat(path.c_str(), &st) != 0)
        return std::nullopt;
    return static_cast<unsigned>(st.st_mode & 07777);
}

std::string PosixFileSystem::resolveLinks(const std::string& path) {
    std::string current = path;
    // A loop of links ends somewhere; the save then fails on the path like on any other unusable one.
    for (int hops = 0; hops < 40; ++hops) {
        std::vector<char> target(PATH_MAX + 1);
        ssize_t n = ::readlink(current.c_str(), target.data(), PATH_MAX);
        if (n < 0)
            break;
        std::string next(target.data(), static_cast<std::size_t>(n));
        if (!next.empty() && next.front() != '/')
            next = folderOf(current) + next;
        current = next;
    }
    return current;
}

LockAttempt PosixFileSystem::tryLock(const std::string& path) {
    int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    if (fd < 0)
        fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return {nullptr, lastError()};
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        IoError error = lastError();
        ::close(fd);
        return {nullptr, error};
    }
    return {std::make_unique<PosixFileLock>(fd), IoError::None};
}

std::string PosixFileSystem::workingDirectory() {
    std::vector<char> buffer(PATH_MAX + 1);
    return ::getcwd(buffer.data(), buffer.size()) ? asFolder(buffer.data()) : std::string();
}

std::string PosixFileSystem::homeFolder() {
    if (const char* home = std::getenv("HOME"); home && *home)
        return asFolder(home);
    struct passwd entry;
    struct passwd* found = nullptr;
    std::vector<char> buffer(16384);
    if (::getpwuid_r(::getuid(), &entry, buffer.data(), buffer.size(), &found) == 0 && found)
        return asFolder(found->pw_dir);
    return {};
}

std::unique_ptr<FileSystem> makeLocalFileSystem() {
    return std::make_unique<PosixFileSystem>();
}

} // namespace kedravo::platform
