#include "memory_file_system.h"

#include "core/folder_path.h"

namespace kedravo::store::test {
namespace {

using platform::IoError;

std::string absolute(const std::string& path) {
    return !path.empty() && path.front() == '/' ? path : "/cwd/" + path;
}

class MemoryFile : public platform::OutputFile {
public:
    MemoryFile(MemoryFileSystem& files, std::string path, std::shared_ptr<MemoryFileSystem::Node> node)
        : files_(files), path_(std::move(path)), node_(std::move(node)) {}
    IoError write(std::string_view bytes) override {
        IoError error = files_.check(Op::Write, path_);
        if (error == IoError::None)
            node_->bytes += bytes;
        return error;
    }
    IoError flush() override {
        IoError error = files_.check(Op::Flush, path_);
        if (error == IoError::None)
            node_->flushed = node_->bytes;
        return error;
    }
    IoError close() override { return files_.check(Op::Close, path_); }

private:
    MemoryFileSystem& files_;
    std::string path_;
    std::shared_ptr<MemoryFileSystem::Node> node_;
};

class MemoryLock : public platform::FileLock {
public:
    MemoryLock(std::shared_ptr<std::set<std::string>> locks, std::string path)
        : locks_(std::move(locks)), path_(std::move(path)) {}
    ~MemoryLock() override { locks_->erase(path_); }

private:
    std::shared_ptr<std::set<std::string>> locks_;
    std::string path_;
};

} // namespace

MemoryFileSystem::MemoryFileSystem() : folders_{"/", "/cwd/", "/home/"} {}

void MemoryFileSystem::addFolder(const std::string& folder) {
    folders_.insert(absolute(folder));
}

void MemoryFileSystem::removeFolder(const std::string& folder) {
    const std::string gone = absolute(folder);
    std::erase_if(folders_, [&](const std::string& f) { return f.starts_with(gone); });
    for (auto* entries : {&entries_, &flushedEntries_})
        std::erase_if(*entries, [&](const auto& entry) { return entry.first.starts_with(gone); });
}

void MemoryFileSystem::seed(const std::string& path, const std::string& bytes, unsigned permissions) {
    auto node = std::make_shared<Node>(Node{bytes, bytes, permissions});
    entries_[absolute(path)] = node;
    flushedEntries_[absolute(path)] = node;
}

std::optional<std::string> MemoryFileSystem::contents(const std::string& path) const {
    auto entry = entries_.find(absolute(path));
    return entry == entries_.end() ? std::nullopt : std::optional<std::string>(entry->second->bytes);
}

std::vector<std::string> MemoryFileSystem::paths() const {
    std::vector<std::string> all;
    for (const auto& [path, node] : entries_)
        all.push_back(path);
    return all;
}

void MemoryFileSystem::loseUnflushed() {
    entries_ = flushedEntries_;
    for (auto& [path, node] : entries_)
        node->bytes = node->flushed;
}

IoError MemoryFileSystem::check(Op op, const std::string& path) {
    log.push_back({op, absolute(path)});
    return fault ? fault(log.back()) : IoError::None;
}

bool MemoryFileSystem::folderExists(const std::string& path) const {
    return folders_.contains(folderOf(absolute(path)));
}

bool MemoryFileSystem::exists(const std::string& path) {
    return entries_.contains(absolute(path)) || isDirectory(path);
}

bool MemoryFileSystem::isDirectory(const std::string& path) {
    std::string folder = absolute(path);
    return folders_.contains(folder) || folders_.contains(folder + "/");
}

platform::OpenedFile MemoryFileSystem::open(const std::string& path, const std::shared_ptr<Node>& node) {
    entries_[absolute(path)] = node;
    return {std::make_unique<MemoryFile>(*this, absolute(path), node), IoError::None};
}

platform::OpenedFile MemoryFileSystem::createNew(const std::string& path, std::optional<unsigned> permissions) {
    if (IoError error = check(Op::CreateNew, path); error != IoError::None)
        return {nullptr, error};
    if (!folderExists(path))
        return {nullptr, IoError::NotFound};
    if (exists(path))
        return {nullptr, IoError::Exists};
    return open(path, std::make_shared<Node>(Node{{}, {}, permissions.value_or(0644)}));
}

platform::OpenedFile MemoryFileSystem::createOrTruncate(const std::string& path) {
    if (IoError error = check(Op::CreateOrTruncate, path); error != IoError::None)
        return {nullptr, error};
    if (!folderExists(path))
        return {nullptr, IoError::NotFound};
    auto entry = entries_.find(absolute(path));
    if (entry == entries_.end())
        return open(path, std::make_shared<Node>());
    entry->second->bytes.clear();
    return open(path, entry->second);
}

platform::FileContents MemoryFileSystem::read(const std::string& path) {
    if (IoError error = check(Op::Read, path); error != IoError::None)
        return {{}, error};
    std::optional<std::string> bytes = contents(path);
    if (!bytes)
        return {{}, IoError::NotFound};
    if (garbleReads)
        garbleReads(*bytes);
    return {*bytes, IoError::None};
}

IoError MemoryFileSystem::renameOver(const std::string& from, const std::string& to) {
    if (IoError error = check(Op::RenameOver, to); error != IoError::None)
        return error;
    auto entry = entries_.find(absolute(from));
    if (entry == entries_.end() || !folderExists(to))
        return IoError::NotFound;
    entries_[absolute(to)] = entry->second;
    entries_.erase(absolute(from));
    return IoError::None;
}

IoError MemoryFileSystem::flushFolder(const std::string& folder) {
    if (IoError error = check(Op::FlushFolder, folder); error != IoError::None)
        return error;
    std::string name = absolute(folder);
    std::erase_if(flushedEntries_, [&](const auto& entry) { return folderOf(entry.first) == name; });
    for (const auto& [path, node] : entries_)
        if (folderOf(path) == name)
            flushedEntries_[path] = node;
    return IoError::None;
}

IoError MemoryFileSystem::copy(const std::string& from, const std::string& to) {
    for (const std::string& path : {from, to})
        if (IoError error = check(Op::Copy, path); error != IoError::None)
            return error;
    std::optional<std::string> bytes = contents(from);
    if (!bytes || !folderExists(to))
        return IoError::NotFound;
    auto node = std::make_shared<Node>(Node{*bytes, *bytes, 0644});
    entries_[absolute(to)] = node;
    return IoError::None;
}

IoError MemoryFileSystem::remove(const std::string& path) {
    if (IoError error = check(Op::Remove, path); error != IoError::None)
        return error;
    return entries_.erase(absolute(path)) > 0 ? IoError::None : IoError::NotFound;
}

std::optional<unsigned> MemoryFileSystem::permissions(const std::string& path) {
    auto entry = entries_.find(absolute(path));
    return entry == entries_.end() ? std::nullopt : std::optional<unsigned>(entry->second->permissions);
}

platform::LockAttempt MemoryFileSystem::tryLock(const std::string& path) {
    if (IoError error = check(Op::Lock, path); error != IoError::None)
        return {nullptr, error};
    if (!locks_->insert(absolute(path)).second)
        return {nullptr, IoError::Busy};
    return {std::make_unique<MemoryLock>(locks_, absolute(path)), IoError::None};
}

} // namespace kedravo::store::test
