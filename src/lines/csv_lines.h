#pragma once
// A page's lines as a CSV file, out and in. Out: a header row "ページ,価格,足,交差回数" and one row a line,
// highest price first, UTF-8 with a byte-order mark and CR LF. In: what traders have at hand; every row is
// checked against the page before anything is added, and every row that is not added is told with its reason.
#include "core/tables.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace kedravo {

inline constexpr char CSV_HEADER[] = "ページ,価格,足,交差回数";

// The file's bytes for the lines of `page`.
std::string csvOfLines(const Tables& t, int page);

struct CsvLine {
    std::string price; // canonical
    std::int16_t timeFrame = 0;
    std::int16_t cross = 0;
    bool operator==(const CsvLine&) const = default;
};

// A row that was not added: refused, or left out because it belongs to another page.
struct CsvRowRefusal {
    int row = 0;
    std::string reason;
    bool otherPage = false;
};

struct CsvImport {
    std::string fileError; // the whole file is unreadable; nothing else is set
    std::vector<CsvLine> lines;
    std::vector<CsvRowRefusal> notAdded;
    bool anyRefused() const;
};

// Checks every row of the file against `page`, which keeps room for LINE_MAX lines. Rows without a time frame
// get `defaultTimeFrame`.
CsvImport checkCsvLines(std::string_view bytes, const Tables& t, int page, int defaultTimeFrame);

// Appends the lines to the page, which must have room for them.
void addCsvLines(Tables& t, int page, const std::vector<CsvLine>& lines);

// What the trader is told: how many lines were added, then the rows not added.
std::string csvImportReport(const CsvImport& import);
// Each row not added, by row number and reason: the first 20, then how many more; empty when there is none.
std::string csvRowsNotAdded(const CsvImport& import);

} // namespace kedravo
