#pragma once
// A page's lines written to and read from a CSV file, as the main window's menu and kedravo-lines do it. Every
// failure comes back in the words the trader is told.
#include "core/tables.h"
#include "lines/csv_lines.h"
#include "platform/file_system.h"

#include <optional>
#include <string>

namespace kedravo::ui {

inline constexpr char CSV_EXPORT_ERROR[] = "CSV書き出しエラー";
inline constexpr char CSV_IMPORT_ERROR[] = "CSV読み込みエラー";
inline constexpr char CSV_IMPORT_REPORT[] = "CSVの読み込み";

// Replaces the file at `path` in one step with the page's lines, read back before it is put in place; never a file
// named as a data file. What went wrong, or nothing.
std::optional<std::string> writeCsvFile(platform::FileSystem& files, const Tables& t, int page,
                                        const std::string& path);

// The file's rows checked against the page; a file that cannot be read is its fileError.
CsvImport readCsvFile(platform::FileSystem& files, const std::string& path, const Tables& t, int page,
                      int defaultTimeFrame);

} // namespace kedravo::ui
