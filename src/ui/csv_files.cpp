#include "ui/csv_files.h"

#include "store/file_messages.h"
#include "store/safe_write.h"

namespace kedravo::ui {

std::optional<std::string> writeCsvFile(platform::FileSystem& files, const Tables& t, int page,
                                        const std::string& path) {
    const std::string bytes = csvOfLines(t, page);
    const store::Verifier sameBytes = [&](std::string_view back) -> std::optional<int> {
        return back == bytes ? std::nullopt : std::optional(1);
    };
    const std::optional<store::SaveFailure> failure = store::replaceFile(files, path, bytes, sameBytes);
    if (!failure)
        return std::nullopt;
    return path + " に書き出せませんでした。\r\n" + store::reasonText(*failure);
}

CsvImport readCsvFile(platform::FileSystem& files, const std::string& path, const Tables& t, int page,
                      int defaultTimeFrame) {
    const platform::FileContents file = files.read(path);
    if (file.error != platform::IoError::None) {
        CsvImport unread;
        unread.fileError = path + " を読めませんでした。\r\n" + store::reasonText(file.error);
        return unread;
    }
    return checkCsvLines(file.bytes, t, page, defaultTimeFrame);
}

} // namespace kedravo::ui
