#include "store/file_save.h"

#include "core/folder_path.h"
#include "store/stamp.h"

namespace kedravo::store {
namespace {

using platform::IoError;

// Failures that another attempt in the same place cannot mend.
bool isLasting(const SaveFailure& failure) {
    return failure.error == IoError::NotFound || failure.error == IoError::NoPermission ||
           failure.error == IoError::Exists;
}

std::optional<SaveFailure> attemptInPlace(StoreServices& s, const SaveJob& job) {
    for (int attempt = 1;; ++attempt) {
        s.known.tried(job.path, job.bytes);
        std::optional<SaveFailure> failure = replaceFile(s.files, job.path, job.bytes, job.verify);
        if (!failure || attempt == SAVE_ATTEMPTS || isLasting(*failure))
            return failure;
        Message message =
            job.retryMessage ? job.retryMessage(*failure) : retryWriteMessage(s.files, job.path, *failure);
        s.warner.STOP_SUB(message.caption, message.text);
    }
}

std::optional<std::string> saveEmergencyCopy(StoreServices& s, const SaveJob& job, const SaveFailure& cause) {
    std::string stamp = stampNow(s.clock);
    for (const std::string& folder : fallbackFolders(s.files)) {
        std::string copy = freeStampedPath(s.files, folder, stamp, job.name);
        if (writeFreshFile(s.files, copy, job.bytes, job.verify))
            continue;
        s.warner.STOP_SUB("保存エラー", shownPath(s.files, job.path) + "に保存できませんでした（" + reasonText(cause) +
                                            "）。\r\n代わりに次のファイルに保存しました。\r\n" + copy);
        return copy;
    }
    return std::nullopt;
}

// Someone else wrote the file since this program read or wrote it: their file stays, and this program's data go
// beside it under a time-stamped name, then to that same copy at every later save. The trader is told where at
// the first of them and again at exit.
std::optional<SaveFailure> attemptAside(StoreServices& s, const SaveJob& job, SaveMode mode) {
    std::string& aside = s.known.asideOf(job.path);
    const bool first = aside.empty();
    if (first)
        aside = freeStampedPath(s.files, folderOf(job.path), stampNow(s.clock), job.name);
    std::optional<SaveFailure> failure = first ? writeFreshFile(s.files, aside, job.bytes, job.verify)
                                               : replaceFile(s.files, aside, job.bytes, job.verify);
    if (failure)
        aside.clear();
    else if (first || mode == SaveMode::UntilStored)
        s.warner.STOP_SUB("データファイル警告",
                          shownPath(s.files, job.path) +
                              "はほかのプログラムによって書き換えられています。\r\n書き換えられたファイルは"
                              "そのまま残し、このプログラムのデータを次のファイルに保存しました。\r\n" +
                              shownPath(s.files, aside));
    return failure;
}

void tellPostponed(StoreServices& s, const SaveJob& job, const SaveFailure& cause) {
    s.warner.STOP_SUB("保存エラー", shownPath(s.files, job.path) + "に保存できませんでした（" + reasonText(cause) +
                                        "）。\r\n次の変更の時と終了の時に再度保存します。");
}

} // namespace

Message retryWriteMessage(platform::FileSystem& files, const std::string& path, const SaveFailure& failure) {
    return {"書込みエラー",
            shownPath(files, path) + "に書き込めませんでした（" + reasonText(failure) + "）。\r\n再度書込みます。"};
}

std::vector<std::string> fallbackFolders(platform::FileSystem& files) {
    std::vector<std::string> folders;
    for (const std::string& folder : {files.workingDirectory(), files.homeFolder()})
        if (!folder.empty() && (folders.empty() || folders.front() != folder))
            folders.push_back(folder);
    return folders;
}

std::optional<std::string> saveFile(StoreServices& s, const SaveJob& job, SaveMode mode) {
    const bool othersWrote = job.keepOthersWrites && s.known.changedByOthers(s.files, job.path);
    for (;;) {
        std::optional<SaveFailure> failure = othersWrote ? attemptAside(s, job, mode) : attemptInPlace(s, job);
        if (!failure) {
            if (!othersWrote)
                s.known.saw(job.path, job.bytes);
            return othersWrote ? s.known.asideOf(job.path) : job.path;
        }
        if (mode == SaveMode::DuringSession) {
            tellPostponed(s, job, *failure);
            return std::nullopt;
        }
        if (std::optional<std::string> copy = saveEmergencyCopy(s, job, *failure))
            return copy;
        s.warner.STOP_SUB("保存エラー", job.name + "をどこにも保存できませんでした（" + reasonText(*failure) +
                                            "）。\r\nディスクの空きと書込みの許可を確かめてからOKを押してください。"
                                            "再度書込みます。");
    }
}

} // namespace kedravo::store
