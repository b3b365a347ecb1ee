#pragma once
// Writing a whole file so that a crash, a power cut or a full disk at any moment leaves the old file or the
// complete new one, never a part of either.
#include "platform/file_system.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace kedravo::store {

enum class SaveStep { Create, Write, Flush, Close, ReadBack, Verify, Replace, FlushFolder };

struct SaveFailure {
    SaveStep step = SaveStep::Create;
    platform::IoError error = platform::IoError::None;
    int mismatch = 0; // the verification's error number, for SaveStep::Verify
};

// The error number of the first difference found in the bytes read back, or nothing when they hold what
// was meant to be written.
using Verifier = std::function<std::optional<int>(std::string_view bytes)>;

// The new file is written beside the old one under this name, then renamed over it.
std::string temporaryPath(const std::string& path);

// Writes the complete new file to the temporary path, flushes it, verifies it when `verify` is given, puts it
// in place of the old file in one step and flushes the folder. The old file is not touched before then. A
// symbolic link stays a link: the file it leads to is replaced, keeping its permission bits.
std::optional<SaveFailure> replaceFile(platform::FileSystem& files, const std::string& path, std::string_view bytes,
                                       const Verifier& verify);

// Writes a file under a name of its own (an emergency copy), flushed and verified like a replacement.
std::optional<SaveFailure> writeFreshFile(platform::FileSystem& files, const std::string& path, std::string_view bytes,
                                          const Verifier& verify);

} // namespace kedravo::store
