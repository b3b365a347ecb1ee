#pragma once
// The text records shared by the three data files: CR LF lines of items, read back as one stream of fields
// that end at ",", ":" or a line end outside double quotes. Both sides work on UTF-8; the separators are ASCII
// and never occur inside a code page 932 character, so a file converts as a whole at the boundary.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kedravo::store {

// Where and why a file could not be read; `line` counts from 1.
struct Damage {
    int line = 0;
    std::string reason;
};

class RecordWriter {
public:
    // A text item, between double quotes only when it would not read back unchanged without them.
    RecordWriter& text(std::string_view text);
    RecordWriter& quoted(std::string_view text);
    // Labels, "," and the version number, exactly as given.
    RecordWriter& plain(std::string_view items);
    // Blank or "-", the digits, a trailing blank.
    RecordWriter& number(std::int16_t value);
    RecordWriter& endLine();
    // The first line of every data file: "バージョン" "," and the format version as plain digits.
    RecordWriter& versionLine();
    const std::string& image() const { return image_; }

private:
    std::string image_;
};

// True when the text reads back as itself written without quotes.
bool readsBackUnquoted(std::string_view text);

class FieldReader {
public:
    explicit FieldReader(std::string_view utf8) : rest_(utf8) {}
    // Nothing on a read error, whose place and cause damage() then tells.
    std::optional<std::string> text();
    // The field after a label, which is read but not examined ("ページ名" "," name).
    std::optional<std::string> labelled();
    std::optional<std::int16_t> number();
    // A number that must lie in [low, high]: what the tables can hold, such as a count or an index.
    std::optional<std::int16_t> number(int low, int high);
    // A whole number of any length that should lie in [low, high]. One outside it does not end the reading: it
    // comes back for the caller to mend, and its place is noted.
    std::optional<long long> numberToMend(int low, int high);
    // A number with or without a decimal point ("10.5"), for the caller to round.
    std::optional<double> decimal();
    const Damage& damage() const { return damage_; }
    // The first place numberToMend noted, if any.
    const std::optional<Damage>& noted() const { return noted_; }

private:
    std::optional<std::string> field();
    std::optional<std::string> quotedField();
    std::string unquotedField();
    bool endField();
    bool fail(std::string reason);
    void skipBlanks();

    std::string_view rest_;
    int line_ = 1;
    int fieldLine_ = 1;
    Damage damage_;
    std::optional<Damage> noted_;
};

// A file's bytes in UTF-8, cut before the first line holding bytes that are not code page 932; `damage`
// names that line.
struct DecodedFile {
    std::string text;
    std::optional<Damage> damage;
};
DecodedFile decodeFile(std::string_view cp932);

} // namespace kedravo::store
