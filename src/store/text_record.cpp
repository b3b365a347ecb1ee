#include "store/text_record.h"

#include "core/cp932.h"
#include "core/line_break.h"
#include "core/numeric_value.h"
#include "core/tables.h"

#include <cassert>
#include <charconv>
#include <climits>

namespace kedravo::store {
namespace {

constexpr std::string_view SEPARATORS = ",:\r\n";

bool isBlank(char c) {
    return c == ' ';
}

// CR LF, a lone CR and a lone LF each end one line.
int countLineEnds(std::string_view text) {
    int ends = 0;
    for (std::size_t i = 0; i < text.size(); ++i)
        if (text[i] == '\n' || (text[i] == '\r' && (i + 1 == text.size() || text[i + 1] != '\n')))
            ++ends;
    return ends;
}

// A sign, then digits and nothing else; digits beyond what a long long holds stop at its end.
std::optional<long long> parseWhole(std::string_view digits) {
    const bool negative = !digits.empty() && digits.front() == '-';
    if (!digits.empty() && (negative || digits.front() == '+'))
        digits.remove_prefix(1);
    if (digits.empty() || digits.find_first_not_of("0123456789") != std::string_view::npos)
        return std::nullopt;
    long long value = 0;
    if (std::from_chars(digits.data(), digits.data() + digits.size(), value).ec != std::errc())
        value = LLONG_MAX;
    return negative ? -value : value;
}

std::optional<std::int16_t> parseInt16(std::string_view digits) {
    std::optional<long long> value = parseWhole(digits);
    if (!value || *value < INT16_MIN || *value > INT16_MAX)
        return std::nullopt;
    return static_cast<std::int16_t>(*value);
}

// A sign, then digits with at most one decimal point among or around them, and nothing else.
bool isDecimal(std::string_view text) {
    if (!text.empty() && (text.front() == '-' || text.front() == '+'))
        text.remove_prefix(1);
    const std::size_t point = text.find('.');
    const std::string_view whole = text.substr(0, point);
    const std::string_view fraction = point == std::string_view::npos ? std::string_view() : text.substr(point + 1);
    const auto digitsOnly = [](std::string_view part) {
        return part.find_first_not_of("0123456789") == std::string_view::npos;
    };
    return whole.size() + fraction.size() > 0 && digitsOnly(whole) && digitsOnly(fraction);
}

constexpr char NOT_A_NUMBER[] = "数値であるべきところが数値ではありません";

std::string range(int low, int high) {
    return "数値が" + std::to_string(low) + "～" + std::to_string(high) + "の範囲に";
}

} // namespace

bool readsBackUnquoted(std::string_view text) {
    if (text.find_first_of(",:\r\n\"") != std::string_view::npos)
        return false;
    return text.empty() || (!isBlank(text.front()) && !isBlank(text.back()));
}

RecordWriter& RecordWriter::text(std::string_view text) {
    return readsBackUnquoted(text) ? plain(text) : quoted(text);
}

RecordWriter& RecordWriter::quoted(std::string_view text) {
    assert(text.find('"') == std::string_view::npos && "texts with a double quote are made storable first");
    image_ += '"';
    image_ += text;
    image_ += '"';
    return *this;
}

RecordWriter& RecordWriter::plain(std::string_view items) {
    image_ += items;
    return *this;
}

RecordWriter& RecordWriter::number(std::int16_t value) {
    image_ += value < 0 ? '-' : ' ';
    image_ += std::to_string(value < 0 ? -static_cast<int>(value) : value);
    image_ += ' ';
    return *this;
}

RecordWriter& RecordWriter::endLine() {
    image_ += LINE_BREAK;
    return *this;
}

RecordWriter& RecordWriter::versionLine() {
    return plain("バージョン,").plain(std::to_string(DATA_VERSION)).endLine();
}

std::optional<std::string> FieldReader::text() {
    return field();
}

std::optional<std::string> FieldReader::labelled() {
    return field() ? field() : std::nullopt;
}

std::optional<std::int16_t> FieldReader::number() {
    std::optional<std::string> digits = field();
    if (!digits)
        return std::nullopt;
    std::optional<std::int16_t> value = parseInt16(*digits);
    if (!value)
        fail(NOT_A_NUMBER);
    return value;
}

std::optional<std::int16_t> FieldReader::number(int low, int high) {
    std::optional<std::int16_t> value = number();
    if (value && (*value < low || *value > high)) {
        fail(range(low, high) + "ありません");
        return std::nullopt;
    }
    return value;
}

std::optional<long long> FieldReader::numberToMend(int low, int high) {
    std::optional<std::string> digits = field();
    if (!digits)
        return std::nullopt;
    std::optional<long long> value = parseWhole(*digits);
    if (!value)
        fail(NOT_A_NUMBER);
    else if ((*value < low || *value > high) && !noted_)
        noted_ = Damage{fieldLine_, range(low, high) + "ないので直しました"};
    return value;
}

std::optional<double> FieldReader::decimal() {
    std::optional<std::string> text = field();
    if (!text)
        return std::nullopt;
    if (!isDecimal(*text)) {
        fail(NOT_A_NUMBER);
        return std::nullopt;
    }
    return numericValue(*text);
}

std::optional<std::string> FieldReader::field() {
    fieldLine_ = line_;
    skipBlanks();
    if (rest_.empty()) {
        fail("データが途中で終わっています");
        return std::nullopt;
    }
    if (rest_.front() == '"')
        return quotedField();
    std::string value = unquotedField();
    endField();
    return value;
}

std::optional<std::string> FieldReader::quotedField() {
    std::size_t close = rest_.find('"', 1);
    if (close == std::string_view::npos) {
        fail("引用符が閉じていません");
        return std::nullopt;
    }
    std::string value(rest_.substr(1, close - 1));
    line_ += countLineEnds(value);
    rest_.remove_prefix(close + 1);
    skipBlanks();
    if (!endField()) {
        fail("引用符の後に余分な文字があります");
        return std::nullopt;
    }
    return value;
}

std::string FieldReader::unquotedField() {
    std::string_view value = rest_.substr(0, rest_.find_first_of(SEPARATORS));
    rest_.remove_prefix(value.size());
    while (!value.empty() && isBlank(value.back()))
        value.remove_suffix(1);
    return std::string(value);
}

bool FieldReader::endField() {
    if (rest_.empty())
        return true;
    char c = rest_.front();
    if (SEPARATORS.find(c) == std::string_view::npos)
        return false;
    rest_.remove_prefix(1);
    if (c == '\r' && !rest_.empty() && rest_.front() == '\n')
        rest_.remove_prefix(1);
    if (c == '\r' || c == '\n')
        ++line_;
    return true;
}

bool FieldReader::fail(std::string reason) {
    damage_ = {fieldLine_, std::move(reason)};
    return false;
}

void FieldReader::skipBlanks() {
    while (!rest_.empty() && isBlank(rest_.front()))
        rest_.remove_prefix(1);
}

DecodedFile decodeFile(std::string_view cp932) {
    Conversion converted = cp932ToUtf8(cp932);
    if (converted.ok)
        return {std::move(converted.text), std::nullopt};
    std::string& text = converted.text;
    std::size_t lineStart = text.find_last_of("\r\n");
    text.resize(lineStart == std::string::npos ? 0 : lineStart + 1);
    int line = 1 + countLineEnds(std::string_view(cp932).substr(0, converted.badOffset));
    return {std::move(text), Damage{line, "シフトJISの文字として読めないバイトがあります"}};
}

} // namespace kedravo::store
