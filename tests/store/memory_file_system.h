#pragma once
// A file system in memory that can make any operation fail and can lose, as a power cut would, every write and
// every folder entry not yet flushed to the disk. Relative paths start at "/cwd/"; home is "/home/".
#include "platform/file_system.h"

#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace kedravo::store::test {

enum class Op { CreateNew, CreateOrTruncate, Write, Flush, Close, Read, RenameOver, FlushFolder, Copy, Remove, Lock };

struct Operation {
    Op op;
    std::string path;
};

class MemoryFileSystem : public platform::FileSystem {
public:
    MemoryFileSystem();

    // Asked before every operation; an error it returns makes the operation fail. It may also throw, to end
    // the save where it stands as a crash would.
    std::function<platform::IoError(const Operation&)> fault;
    std::vector<Operation> log;
    // A disk that gives back other bytes than were written to it.
    std::function<void(std::string& bytes)> garbleReads;

    void addFolder(const std::string& folder);
    // The folder and everything in it, gone as if the user had deleted it.
    void removeFolder(const std::string& folder);
    // A file already safe on the disk.
    void seed(const std::string& path, const std::string& bytes, unsigned permissions = 0644);
    // The file's present bytes, or nothing when there is no such file.
    std::optional<std::string> contents(const std::string& path) const;
    std::vector<std::string> paths() const;
    // What a power cut leaves: only what was flushed.
    void loseUnflushed();

    bool exists(const std::string& path) override;
    bool isDirectory(const std::string& path) override;
    platform::OpenedFile createNew(const std::string& path, std::optional<unsigned> permissions) override;
    platform::OpenedFile createOrTruncate(const std::string& path) override;
    platform::FileContents read(const std::string& path) override;
    platform::IoError renameOver(const std::string& from, const std::string& to) override;
    platform::IoError flushFolder(const std::string& folder) override;
    platform::IoError copy(const std::string& from, const std::string& to) override;
    platform::IoError remove(const std::string& path) override;
    std::optional<unsigned> permissions(const std::string& path) override;
    std::string resolveLinks(const std::string& path) override { return path; }
    platform::LockAttempt tryLock(const std::string& path) override;
    std::string workingDirectory() override { return "/cwd/"; }
    std::string homeFolder() override { return "/home/"; }

    struct Node {
        std::string bytes;
        std::string flushed;
        unsigned permissions = 0644;
    };
    platform::IoError check(Op op, const std::string& path);

private:
    platform::OpenedFile open(const std::string& path, const std::shared_ptr<Node>& node);
    bool folderExists(const std::string& path) const;

    std::set<std::string> folders_;
    std::map<std::string, std::shared_ptr<Node>> entries_;
    std::map<std::string, std::shared_ptr<Node>> flushedEntries_;
    std::shared_ptr<std::set<std::string>> locks_ = std::make_shared<std::set<std::string>>();
};

} // namespace kedravo::store::test
