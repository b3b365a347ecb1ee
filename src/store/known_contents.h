#pragma once
// What this program last read from or wrote to each data file, by a hash of its bytes, so that a file someone
// else wrote meanwhile (a backup restored, a synced copy, an edit by hand) is never overwritten unseen.
#include "platform/file_system.h"

#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace kedravo::store {

class KnownContents {
public:
    // The file holds these bytes, as read or as written.
    void saw(const std::string& path, std::string_view bytes);
    // The file was not there when it was looked for.
    void sawNone(const std::string& path);
    // A save of these bytes is under way: should it fail after putting them in place, they are still ours.
    void tried(const std::string& path, std::string_view bytes);
    // A file that could not be read, now kept beside itself, may be replaced.
    void keptUnread(const std::string& path);
    // True when the file is there with bytes this program neither read nor wrote since it first looked. A file
    // that is not there, or cannot be read, or was never looked for, is left to the save.
    bool changedByOthers(platform::FileSystem& files, const std::string& path) const;

    // Where this session keeps its own data beside a file someone else wrote, once it has had to.
    std::string& asideOf(const std::string& path) { return aside_[path]; }

private:
    struct Seen {
        std::vector<std::uint64_t> hashes; // what may stand in the file as ours
        bool anything = false;             // a file kept unread, until it is written
    };
    std::map<std::string, Seen> seen_;
    std::map<std::string, std::string> aside_;
};

} // namespace kedravo::store
