#include "store/file_messages.h"

namespace kedravo::store {

std::string reasonText(platform::IoError error) {
    switch (error) {
    case platform::IoError::None:
        break;
    case platform::IoError::NotFound:
        return "フォルダーまたはファイルがありません";
    case platform::IoError::Exists:
        return "同じ名前のものが既にあります";
    case platform::IoError::NoSpace:
        return "ディスクに空きがありません";
    case platform::IoError::NoPermission:
        return "書込みまたは読込みが許可されていません";
    case platform::IoError::Busy:
        return "ほかのプログラムが使っています";
    case platform::IoError::Failed:
        return "入出力エラーです";
    }
    return "原因は不明です";
}

std::string reasonText(const SaveFailure& failure) {
    if (failure.step == SaveStep::Verify)
        return "読み返した内容が一致しません ER%= " + std::to_string(failure.mismatch);
    return reasonText(failure.error);
}

std::string shownPath(platform::FileSystem& files, const std::string& path) {
    bool absolute = !path.empty() && (path.front() == '/' || path.front() == '\\' || path.find(':') == 1);
    return absolute ? path : files.workingDirectory() + path;
}

} // namespace kedravo::store
