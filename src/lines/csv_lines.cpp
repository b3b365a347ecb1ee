#include "lines/csv_lines.h"

#include "core/half_width.h"
#include "core/line_break.h"
#include "core/numeric_value.h"
#include "lines/csv_text.h"
#include "lines/price_text.h"

#include <algorithm>
#include <cassert>
#include <optional>

namespace kedravo {
namespace {

constexpr std::size_t REPORTED_ROWS = 20;

// Rows as exported carry the page first; two columns are price and time frame, one is the price alone.
struct Columns {
    int page = -1, price = 0, timeFrame = -1, cross = -1;
};

std::optional<Columns> columnsOf(std::size_t fieldCount) {
    switch (fieldCount) {
    case 1:
        return Columns{};
    case 2:
        return Columns{-1, 0, 1, -1};
    case 4:
        return Columns{0, 1, 2, 3};
    default:
        return std::nullopt;
    }
}

// Spreadsheets leave empty cells at the end of a row when another row is longer.
std::vector<std::string> withoutTrailingEmpty(std::vector<std::string> fields) {
    while (fields.size() > 1 && fields.back().empty())
        fields.pop_back();
    return fields;
}

std::string field(const std::vector<std::string>& fields, int column) {
    return column < 0 ? std::string() : fields[static_cast<std::size_t>(column)];
}

std::string quoted(const std::string& text) {
    return "「" + text + "」";
}

// A header names its columns, so its price column holds no digit at all.
bool isHeader(const CsvRecord& record) {
    const std::vector<std::string> fields = withoutTrailingEmpty(record.fields);
    const std::optional<Columns> columns = columnsOf(fields.size());
    if (!columns)
        return false;
    const std::string price = toHalfWidth(field(fields, columns->price));
    return std::none_of(price.begin(), price.end(), [](char c) { return c >= '0' && c <= '9'; });
}

bool sameName(const std::string& a, const std::string& b) {
    return a == b || toHalfWidth(a) == toHalfWidth(b);
}

// The first name matched exactly, else the first matched ignoring half and full width.
std::optional<int> timeFrameIndex(const Tables& t, int page, const std::string& name) {
    for (int j = 0; j < t.TF_COUNT[page]; ++j)
        if (t.TF_NAME[page][j] == name)
            return j;
    for (int j = 0; j < t.TF_COUNT[page]; ++j)
        if (sameName(t.TF_NAME[page][j], name))
            return j;
    return std::nullopt;
}

std::optional<std::int16_t> crossCount(const std::string& text) {
    const std::string digits = toHalfWidth(text);
    if (digits.empty())
        return 0;
    if (digits.size() > 5 || !std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    const int value = std::stoi(digits);
    if (value > CROSS_CAP)
        return std::nullopt;
    return static_cast<std::int16_t>(value);
}

// A time-frame index outside the table (a hand-edited file) names nothing rather than reading past it.
std::string timeFrameName(const Tables& t, int page, int tf) {
    return tf >= 0 && tf < TF_SLOTS ? t.TF_NAME[page][tf] : std::string();
}

struct RowCheck {
    const Tables& t;
    int page;
    int defaultTimeFrame;
    CsvImport& import;

    void refuse(const CsvRecord& record, const std::string& reason, bool otherPage = false) {
        import.notAdded.push_back({record.number, reason, otherPage});
    }

    void check(const CsvRecord& record) {
        if (record.unclosedQuote)
            return refuse(record, "引用符 \" が閉じていません");
        const std::vector<std::string> fields = withoutTrailingEmpty(record.fields);
        const std::optional<Columns> columns = columnsOf(fields.size());
        if (!columns)
            return refuse(record, "列の数が" + std::to_string(fields.size()) + "つです（1、2か4列）");
        const std::string pageName = field(fields, columns->page);
        if (columns->page >= 0 && !sameName(pageName, t.PAGE_NAME[page]))
            return refuse(record, "別のページの行です" + quoted(pageName), true);
        const std::string price = normalisedPrice(field(fields, columns->price));
        if (price.empty())
            return refuse(record, "価格になりません" + quoted(field(fields, columns->price)));
        const std::string name = field(fields, columns->timeFrame);
        const std::optional<int> timeFrame = name.empty() ? defaultTimeFrame : timeFrameIndex(t, page, name);
        if (!timeFrame)
            return refuse(record, "ページにない足です" + quoted(name));
        const std::optional<std::int16_t> cross = crossCount(field(fields, columns->cross));
        if (!cross)
            return refuse(record, "交差回数は0から32765です" + quoted(field(fields, columns->cross)));
        if (t.LINE_COUNT[page] + static_cast<int>(import.lines.size()) >= LINE_MAX)
            return refuse(record, "登録数が限界です（" + std::to_string(LINE_MAX) + "本）");
        import.lines.push_back({price, static_cast<std::int16_t>(*timeFrame), *cross});
    }
};

} // namespace

std::string csvOfLines(const Tables& t, int page) {
    std::vector<int> order(static_cast<std::size_t>(t.LINE_COUNT[page]));
    for (std::size_t j = 0; j < order.size(); ++j)
        order[j] = static_cast<int>(j);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        return numericValue(t.LINE_PRICE[page][a]) > numericValue(t.LINE_PRICE[page][b]);
    });
    std::string out = "\xEF\xBB\xBF" + std::string(CSV_HEADER);
    out += LINE_BREAK;
    for (int j : order)
        out += csvRecordText({t.PAGE_NAME[page], t.LINE_PRICE[page][j], timeFrameName(t, page, t.LINE_TF[page][j]),
                              std::to_string(t.LINE_CROSS[page][j])});
    return out;
}

bool CsvImport::anyRefused() const {
    return std::any_of(notAdded.begin(), notAdded.end(), [](const CsvRowRefusal& r) { return !r.otherPage; });
}

CsvImport checkCsvLines(std::string_view bytes, const Tables& t, int page, int defaultTimeFrame) {
    CsvImport import;
    const CsvDecoding decoded = decodeCsvBytes(bytes);
    if (!decoded.error.empty()) {
        import.fileError = decoded.error;
        return import;
    }
    std::vector<CsvRecord> records = readCsvRecords(decoded.text);
    if (!records.empty() && isHeader(records.front()))
        records.erase(records.begin());
    if (records.empty()) {
        import.fileError = "読み込める行がありません。";
        return import;
    }
    RowCheck check{t, page, defaultTimeFrame, import};
    for (const CsvRecord& record : records)
        check.check(record);
    return import;
}

void addCsvLines(Tables& t, int page, const std::vector<CsvLine>& lines) {
    assert(t.LINE_COUNT[page] + static_cast<int>(lines.size()) <= LINE_MAX);
    for (const CsvLine& line : lines) {
        const int n = t.LINE_COUNT[page];
        t.LINE_PRICE[page][n] = line.price;
        t.LINE_TF[page][n] = line.timeFrame;
        t.LINE_CROSS[page][n] = line.cross;
        t.LINE_COUNT[page] = static_cast<std::int16_t>(n + 1);
    }
}

std::string csvImportReport(const CsvImport& import) {
    const std::string added = std::to_string(import.lines.size()) + "本のラインを追加しました。";
    return import.notAdded.empty() ? added : added + "\r\n" + csvRowsNotAdded(import);
}

std::string csvRowsNotAdded(const CsvImport& import) {
    if (import.notAdded.empty())
        return "";
    std::string text = "追加しなかった行（" + std::to_string(import.notAdded.size()) + "行）:";
    for (std::size_t k = 0; k < import.notAdded.size() && k < REPORTED_ROWS; ++k)
        text += "\r\n" + std::to_string(import.notAdded[k].row) + "行目: " + import.notAdded[k].reason;
    if (import.notAdded.size() > REPORTED_ROWS)
        text += "\r\nほか" + std::to_string(import.notAdded.size() - REPORTED_ROWS) + "行";
    return text;
}

} // namespace kedravo
