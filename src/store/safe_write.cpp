#include "store/safe_write.h"

#include "core/folder_path.h"

namespace kedravo::store {
namespace {

using platform::IoError;

// Written in pieces so that no single call has to move the whole file.
constexpr std::size_t WRITE_CHUNK = 4096;

std::optional<SaveFailure> failed(SaveStep step, IoError error) {
    if (error == IoError::None)
        return std::nullopt;
    return SaveFailure{step, error};
}

std::optional<SaveFailure> writeVerified(platform::FileSystem& files, platform::OutputFile& file,
                                         const std::string& path, std::string_view bytes, const Verifier& verify) {
    for (std::size_t at = 0; at < bytes.size(); at += WRITE_CHUNK)
        if (auto failure = failed(SaveStep::Write, file.write(bytes.substr(at, WRITE_CHUNK))))
            return failure;
    if (auto failure = failed(SaveStep::Flush, file.flush()))
        return failure;
    if (auto failure = failed(SaveStep::Close, file.close()))
        return failure;
    if (!verify)
        return std::nullopt;
    platform::FileContents back = files.read(path);
    if (auto failure = failed(SaveStep::ReadBack, back.error))
        return failure;
    if (std::optional<int> mismatch = verify(back.bytes))
        return SaveFailure{SaveStep::Verify, IoError::None, *mismatch};
    return std::nullopt;
}

std::optional<SaveFailure> writeOpened(platform::FileSystem& files, platform::OpenedFile opened,
                                       const std::string& path, std::string_view bytes, const Verifier& verify) {
    if (!opened.file)
        return SaveFailure{SaveStep::Create, opened.error};
    std::optional<SaveFailure> failure = writeVerified(files, *opened.file, path, bytes, verify);
    opened.file.reset();
    if (failure)
        files.remove(path);
    return failure;
}

} // namespace

std::string temporaryPath(const std::string& path) {
    return path + ".tmp";
}

std::optional<SaveFailure> replaceFile(platform::FileSystem& files, const std::string& path, std::string_view bytes,
                                       const Verifier& verify) {
    std::string target = files.resolveLinks(path);
    std::string temporary = temporaryPath(target);
    // Left by a save that was cut short; it never holds anything the real file lacks.
    if (files.exists(temporary))
        files.remove(temporary);
    platform::OpenedFile opened = files.createNew(temporary, files.permissions(target));
    if (auto failure = writeOpened(files, std::move(opened), temporary, bytes, verify))
        return failure;
    if (auto failure = failed(SaveStep::Replace, files.renameOver(temporary, target))) {
        files.remove(temporary);
        return failure;
    }
    return failed(SaveStep::FlushFolder, files.flushFolder(folderOf(target)));
}

std::optional<SaveFailure> writeFreshFile(platform::FileSystem& files, const std::string& path, std::string_view bytes,
                                          const Verifier& verify) {
    if (auto failure = writeOpened(files, files.createOrTruncate(path), path, bytes, verify))
        return failure;
    return failed(SaveStep::FlushFolder, files.flushFolder(folderOf(path)));
}

} // namespace kedravo::store
