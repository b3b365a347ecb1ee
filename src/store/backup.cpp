#include "core/folder_path.h"
#include "platform/file_system.h"
#include "store/data_files.h"
#include "store/file_messages.h"
#include "store/stamp.h"

namespace kedravo::store {
namespace {

// A copy fails at the file it reads or at the one it writes; the user is told which.
std::string copyFailure(platform::FileSystem& files, const std::string& saved, const std::string& copy,
                        platform::IoError error) {
    platform::IoError readError = files.read(saved).error;
    if (readError != platform::IoError::None)
        return shownPath(files, saved) + "を読めないため、バックアップできませんでした（" + reasonText(readError) +
               "）。";
    return copy + "にバックアップできませんでした（" + reasonText(error) + "）。";
}

} // namespace

void データバックアップ_SUB(Tables& t, StoreServices& s, const std::string& saved) {
    if (t.BACKUP_ON != 1)
        return;
    std::string stamp = stampNow(s.clock);
    // Tested with its separator, so that a root folder ("/"), which is nothing without it, counts as existing.
    if (t.BACKUP_DIR.empty() || !s.files.isDirectory(t.BACKUP_DIR)) {
        s.warner.STOP_SUB("フォルダー警告",
                          "バックアップ先のフォルダーが存在しません\r\n" + withoutSeparator(t.BACKUP_DIR));
        return;
    }
    // The saved file may be an emergency copy in this very folder under the same stamp.
    std::string copy = freeStampedPath(s.files, t.BACKUP_DIR, stamp, PRICE_FILE);
    platform::IoError error = s.files.copy(saved, copy);
    if (error != platform::IoError::None)
        s.warner.STOP_SUB("バックアップエラー", copyFailure(s.files, saved, copy, error));
}

} // namespace kedravo::store
