#include "lines/csv_text.h"

#include "core/cp932.h"
#include "core/line_break.h"
#include "core/utf8.h"

namespace kedravo {
namespace {

constexpr std::string_view BYTE_ORDER_MARK = "\xEF\xBB\xBF";

// Valid sequences survive the lossy decoding unchanged; any invalid byte becomes U+FFFD and so differs.
bool isUtf8(std::string_view bytes) {
    return encodeUtf8(decodeUtf8(bytes)) == bytes;
}

bool isBlank(char c) {
    return c == ' ';
}

// The first line with a separator outside quotes decides, so that a header of one column says nothing; a tab
// there wins, since tab-separated files leave commas in their fields unquoted.
char separatorOf(std::string_view text) {
    bool quoted = false, comma = false;
    for (char c : text) {
        if (c == '"')
            quoted = !quoted;
        else if (!quoted && c == '\t')
            return '\t';
        else if (!quoted && c == ',')
            comma = true;
        else if (!quoted && comma && (c == '\r' || c == '\n'))
            break;
    }
    return ',';
}

std::string trimmed(const std::string& field) {
    std::size_t begin = 0, end = field.size();
    while (begin < end && isBlank(field[begin]))
        ++begin;
    while (end > begin && isBlank(field[end - 1]))
        --end;
    return field.substr(begin, end - begin);
}

bool hasText(const CsvRecord& record) {
    for (const std::string& field : record.fields)
        if (!field.empty())
            return true;
    return record.unclosedQuote;
}

// Reads records one character at a time; `quoted` is true inside a quoted field.
class RecordReader {
public:
    RecordReader(std::string_view text, char separator) : text_(text), separator_(separator) {}

    std::vector<CsvRecord> readAll() {
        while (at_ < text_.size())
            step();
        if (quoted_)
            record_.unclosedQuote = true;
        if (!field_.empty() || !record_.fields.empty() || fieldQuoted_ || quoted_)
            endRecord();
        return std::move(records_);
    }

private:
    void step() {
        const char c = text_[at_++];
        if (quoted_) {
            if (c != '"')
                field_ += c;
            else if (at_ < text_.size() && text_[at_] == '"')
                field_ += text_[at_++];
            else
                quoted_ = false;
        } else if (c == '"' && trimmed(field_).empty() && !fieldQuoted_) {
            field_.clear();
            quoted_ = fieldQuoted_ = true;
        } else if (c == separator_) {
            endField();
        } else if (fieldQuoted_ && isBlank(c)) {
            // blanks after the closing quote belong to no field
        } else if (c == '\r' || c == '\n') {
            if (c == '\r' && at_ < text_.size() && text_[at_] == '\n')
                ++at_;
            endRecord();
        } else {
            field_ += c;
        }
    }

    void endField() {
        record_.fields.push_back(fieldQuoted_ ? field_ : trimmed(field_));
        field_.clear();
        fieldQuoted_ = false;
    }

    void endRecord() {
        endField();
        ++number_;
        if (hasText(record_)) {
            record_.number = number_;
            records_.push_back(std::move(record_));
        }
        record_ = {};
    }

    std::string_view text_;
    char separator_;
    std::size_t at_ = 0;
    bool quoted_ = false;
    bool fieldQuoted_ = false;
    int number_ = 0;
    std::string field_;
    CsvRecord record_;
    std::vector<CsvRecord> records_;
};

} // namespace

CsvDecoding decodeCsvBytes(std::string_view bytes) {
    if (bytes.starts_with(BYTE_ORDER_MARK))
        bytes.remove_prefix(BYTE_ORDER_MARK.size());
    else if (bytes.starts_with("\xFF\xFE") || bytes.starts_with("\xFE\xFF"))
        return {"", "UTF-16のファイルは読めません。UTF-8かShift-JISのCSVで保存して下さい。"};
    if (isUtf8(bytes))
        return {std::string(bytes), ""};
    Conversion converted = cp932ToUtf8(bytes);
    if (!converted.ok)
        return {"", "文字コードがUTF-8でもShift-JISでもありません（" + std::to_string(converted.badOffset + 1) +
                        "バイト目）。"};
    return {std::move(converted.text), ""};
}

std::vector<CsvRecord> readCsvRecords(std::string_view text) {
    return RecordReader(text, separatorOf(text)).readAll();
}

std::string csvRecordText(const std::vector<std::string>& fields) {
    std::string out;
    for (std::size_t k = 0; k < fields.size(); ++k) {
        if (k > 0)
            out += ',';
        const std::string& field = fields[k];
        if (field.find_first_of(",\"\r\n\t") == std::string::npos && trimmed(field) == field) {
            out += field;
            continue;
        }
        out += '"';
        for (char c : field)
            out += c == '"' ? std::string("\"\"") : std::string(1, c);
        out += '"';
    }
    out += LINE_BREAK;
    return out;
}

} // namespace kedravo
