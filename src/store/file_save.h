#pragma once
// Saving one data file so that the user never loses it silently: a few attempts in its own place, then an
// emergency copy where one can be written.
#include "store/file_messages.h"
#include "store/safe_write.h"
#include "store/store_services.h"

#include <functional>
#include <string>
#include <vector>

namespace kedravo::store {

struct SaveJob {
    std::string path;  // where the file belongs
    std::string name;  // its file name, for the emergency copy
    std::string bytes; // code page 932
    Verifier verify;   // none for files the system does not verify
    // What the user is told before a failed attempt is repeated; none for retryWriteMessage.
    std::function<Message(const SaveFailure&)> retryMessage;
    // A file another program may write too (a synced folder, a second computer): what it wrote is kept.
    bool keepOthersWrites = false;
};

inline constexpr int SAVE_ATTEMPTS = 3;

Message retryWriteMessage(platform::FileSystem& files, const std::string& path, const SaveFailure& failure);

// Folders where a copy is kept when its own folder will not take it: the working directory, then home.
std::vector<std::string> fallbackFolders(platform::FileSystem& files);

// At exit a save returns only once the bytes are stored: in their place or in a time-stamped emergency copy whose
// full path the user is told; where nothing can be written the user is asked to make room, and it tries again.
// During the session a failure is told once and the file is left to the next change and the exit, so that the
// trader is never held in a loop of boxes. The path the bytes went to; nothing when they were not stored.
enum class SaveMode { UntilStored, DuringSession };
std::optional<std::string> saveFile(StoreServices& s, const SaveJob& job, SaveMode mode = SaveMode::UntilStored);

} // namespace kedravo::store
