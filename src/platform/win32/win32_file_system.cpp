#include "platform/win32/win32_file_system.h"

#include "core/folder_path.h"
#include "platform/local_file_system.h"
#include "platform/win32/wide_text.h"

#include <algorithm>
#include <shlobj.h>
#include <utility>
#include <windows.h>

namespace kedravo::platform::win32 {
namespace {

IoError fromError(DWORD error) {
    switch (error) {
    case ERROR_SUCCESS:
        return IoError::None;
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_BAD_NETPATH:
    case ERROR_INVALID_DRIVE:
        return IoError::NotFound;
    case ERROR_FILE_EXISTS:
    case ERROR_ALREADY_EXISTS:
        return IoError::Exists;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
        return IoError::NoSpace;
    case ERROR_ACCESS_DENIED:
    case ERROR_WRITE_PROTECT:
        return IoError::NoPermission;
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
        return IoError::Busy;
    default:
        return IoError::Failed;
    }
}

IoError lastError() {
    return fromError(GetLastError());
}

IoError succeeded(BOOL ok) {
    return ok ? IoError::None : lastError();
}

// Closes the handle it holds when it goes, quietly.
class Handle {
public:
    explicit Handle(HANDLE handle) : handle_(handle) {}
    ~Handle() {
        if (valid())
            CloseHandle(handle_);
    }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;

    bool valid() const { return handle_ != INVALID_HANDLE_VALUE; }
    HANDLE get() const { return handle_; }
    HANDLE release() { return std::exchange(handle_, INVALID_HANDLE_VALUE); }

private:
    HANDLE handle_;
};

HANDLE openFile(const std::string& path, DWORD access, DWORD sharing, DWORD disposition,
                DWORD attributes = FILE_ATTRIBUTE_NORMAL) {
    return CreateFileW(widen(path).c_str(), access, sharing, nullptr, disposition, attributes, nullptr);
}

class Win32OutputFile : public OutputFile {
public:
    explicit Win32OutputFile(HANDLE file) : file_(file) {}

    IoError write(std::string_view bytes) override {
        while (!bytes.empty()) {
            DWORD written = 0;
            const DWORD size = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1u << 20));
            if (!WriteFile(file_.get(), bytes.data(), size, &written, nullptr))
                return lastError();
            if (written == 0)
                return IoError::NoSpace;
            bytes.remove_prefix(written);
        }
        return IoError::None;
    }
    IoError flush() override { return succeeded(FlushFileBuffers(file_.get())); }
    IoError close() override { return succeeded(CloseHandle(file_.release())); }

private:
    Handle file_;
};

OpenedFile openOutput(const std::string& path, DWORD disposition) {
    HANDLE file = openFile(path, GENERIC_WRITE, 0, disposition);
    if (file == INVALID_HANDLE_VALUE)
        return {nullptr, lastError()};
    return {std::make_unique<Win32OutputFile>(file), IoError::None};
}

class Win32FileLock : public FileLock {
public:
    explicit Win32FileLock(HANDLE file) : file_(file) {}

private:
    Handle file_;
};

} // namespace

bool Win32FileSystem::exists(const std::string& path) {
    return GetFileAttributesW(widen(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool Win32FileSystem::isDirectory(const std::string& path) {
    const DWORD attributes = GetFileAttributesW(widen(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

// Windows has no mode bits; a read-only target refuses to be replaced, which the save reports.
OpenedFile Win32FileSystem::createNew(const std::string& path, std::optional<unsigned>) {
    return openOutput(path, CREATE_NEW);
}

OpenedFile Win32FileSystem::createOrTruncate(const std::string& path) {
    return openOutput(path, CREATE_ALWAYS);
}

FileContents Win32FileSystem::read(const std::string& path) {
    Handle file(openFile(path, GENERIC_READ, FILE_SHARE_READ, OPEN_EXISTING));
    if (!file.valid())
        return {{}, lastError()};
    FileContents contents;
    char buffer[65536];
    for (;;) {
        DWORD got = 0;
        if (!ReadFile(file.get(), buffer, sizeof buffer, &got, nullptr)) {
            contents.error = lastError();
            break;
        }
        if (got == 0)
            break;
        contents.bytes.append(buffer, got);
    }
    return contents;
}

// Written through: the new entry is on the disk when the call returns.
IoError Win32FileSystem::renameOver(const std::string& from, const std::string& to) {
    return succeeded(
        MoveFileExW(widen(from).c_str(), widen(to).c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH));
}

// A folder cannot be flushed by an ordinary user on Windows; the renames that matter were written through.
IoError Win32FileSystem::flushFolder(const std::string& folder) {
    return folder.empty() || isDirectory(folder) ? IoError::None : IoError::NotFound;
}

// The system copies to a file beside the target, which then replaces the target in one step.
IoError Win32FileSystem::copy(const std::string& from, const std::string& to) {
    const std::string partial = to + ".part";
    IoError error = succeeded(CopyFileW(widen(from).c_str(), widen(partial).c_str(), FALSE));
    if (error == IoError::None) {
        Handle copied(openFile(partial, GENERIC_WRITE, 0, OPEN_EXISTING));
        error = copied.valid() ? succeeded(FlushFileBuffers(copied.get())) : lastError();
    }
    if (error == IoError::None)
        error = renameOver(partial, to);
    if (error != IoError::None)
        DeleteFileW(widen(partial).c_str());
    return error;
}

IoError Win32FileSystem::remove(const std::string& path) {
    return succeeded(DeleteFileW(widen(path).c_str()));
}

std::optional<unsigned> Win32FileSystem::permissions(const std::string&) {
    return std::nullopt;
}

// Replacing a link on Windows replaces the link; links to data files are not followed.
std::string Win32FileSystem::resolveLinks(const std::string& path) {
    return path;
}

// Opened with no sharing: no other process can open the file while it is held, and the system closes the handle
// when the process ends in any way, so a crash leaves no lock behind.
LockAttempt Win32FileSystem::tryLock(const std::string& path) {
    HANDLE file = openFile(path, GENERIC_READ | GENERIC_WRITE, 0, OPEN_ALWAYS, FILE_ATTRIBUTE_HIDDEN);
    if (file == INVALID_HANDLE_VALUE)
        return {nullptr, lastError()};
    return {std::make_unique<Win32FileLock>(file), IoError::None};
}

std::string Win32FileSystem::workingDirectory() {
    const DWORD length = GetCurrentDirectoryW(0, nullptr);
    std::wstring folder(length, L'\0');
    const DWORD got = GetCurrentDirectoryW(length, folder.data());
    if (got == 0 || got >= length)
        return {};
    folder.resize(got);
    return asFolder(narrow(folder));
}

std::string Win32FileSystem::homeFolder() {
    PWSTR folder = nullptr;
    std::string home;
    if (SUCCEEDED(SHGetKnownFolderPath(FOLDERID_Profile, 0, nullptr, &folder)))
        home = asFolder(narrow(folder));
    CoTaskMemFree(folder);
    return home;
}

} // namespace kedravo::platform::win32

namespace kedravo::platform {

std::unique_ptr<FileSystem> makeLocalFileSystem() {
    return std::make_unique<win32::Win32FileSystem>();
}

} // namespace kedravo::platform
