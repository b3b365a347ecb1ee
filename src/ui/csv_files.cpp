#include "ui/csv_files.h"

#include "core/folder_path.h"
#include "store/data_files.h"
#include "store/file_messages.h"
#include "store/safe_write.h"

namespace kedravo::ui {
namespace {

// A CSV file written over a data file would put text no reader takes in place of the data, in whatever folder.
bool namesADataFile(const std::string& path) {
    const std::string name = fileNameOf(path);
    return name == store::PRICE_FILE || name == store::BASIC_FILE || name == store::ENVIRONMENT_FILE;
}

} // namespace

std::optional<std::string> writeCsvFile(platform::FileSystem& files, const Tables& t, int page,
                                        const std::string& path) {
    if (namesADataFile(path))
        return path + " はデータファイルの名前です。別の名前で書き出して下さい。";
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
