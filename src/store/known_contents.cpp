#include "store/known_contents.h"

#include <algorithm>

namespace kedravo::store {
namespace {

// FNV-1a: a changed file is told apart by its bytes, whatever its time stamp says.
std::uint64_t hashOf(std::string_view bytes) {
    std::uint64_t hash = 14695981039346656037ULL;
    for (const char byte : bytes) {
        hash ^= static_cast<unsigned char>(byte);
        hash *= 1099511628211ULL;
    }
    return hash;
}

} // namespace

void KnownContents::saw(const std::string& path, std::string_view bytes) {
    seen_[path] = {{hashOf(bytes)}, false};
}

void KnownContents::sawNone(const std::string& path) {
    seen_[path] = {};
}

void KnownContents::tried(const std::string& path, std::string_view bytes) {
    seen_[path].hashes.push_back(hashOf(bytes));
}

void KnownContents::keptUnread(const std::string& path) {
    seen_[path].anything = true;
}

bool KnownContents::changedByOthers(platform::FileSystem& files, const std::string& path) const {
    const auto seen = seen_.find(path);
    if (seen == seen_.end() || seen->second.anything || !files.exists(path))
        return false;
    const platform::FileContents now = files.read(path);
    const std::vector<std::uint64_t>& ours = seen->second.hashes;
    return now.error == platform::IoError::None && std::find(ours.begin(), ours.end(), hashOf(now.bytes)) == ours.end();
}

} // namespace kedravo::store
