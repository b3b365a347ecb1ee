// The record conventions every data file shares.
#include "core/cp932.h"
#include "store/data_files.h"
#include "store/text_record.h"

#include <gtest/gtest.h>

namespace kedravo::store {
namespace {

TEST(RecordWriter, QuotesOnlyTextsThatWouldNotReadBack) {
    const std::pair<const char*, const char*> cases[] = {
        {"", ""},
        {"ドル円", "ドル円"},
        {"1.2345", "1.2345"},
        {"a b", "a b"},
        {"ユーロ,円", "\"ユーロ,円\""},
        {"1:00", "\"1:00\""},
        {" 先頭", "\" 先頭\""},
        {"末尾 ", "\"末尾 \""},
        {"   ", "\"   \""},
        {"改\r\n行", "\"改\r\n行\""},
        {"　全角空白　", "　全角空白　"},
    };
    for (const auto& [text, written] : cases)
        EXPECT_EQ(RecordWriter().text(text).image(), written) << text;
}

TEST(RecordWriter, NumbersCarryTheirBlanks) {
    const std::pair<std::int16_t, const char*> cases[] = {
        {0, " 0 "}, {12, " 12 "}, {-5, "-5 "}, {32767, " 32767 "}, {-32768, "-32768 "}};
    for (const auto& [value, written] : cases)
        EXPECT_EQ(RecordWriter().number(value).image(), written) << value;
}

// Reads every field of `input` as text, or as numbers for the cases that say so, until a read error.
std::string readAll(const std::string& input, bool numbers) {
    FieldReader reader(input);
    std::string fields;
    for (;;) {
        std::optional<std::string> field;
        if (numbers) {
            std::optional<std::int16_t> n = reader.number();
            field = n ? std::optional<std::string>(std::to_string(*n)) : std::nullopt;
        } else {
            field = reader.text();
        }
        if (!field)
            return fields + "!" + std::to_string(reader.damage().line);
        fields += "[" + *field + "]";
    }
}

TEST(FieldReader, ReadsOneStreamOfFields) {
    struct Case {
        const char* name;
        const char* input;
        bool numbers;
        const char* fields; // each field in brackets, then "!" and the line of the read error that ends it
    };
    const Case cases[] = {
        {"comma and colon end fields", "a,b:c\r\n", false, "[a][b][c]!2"},
        {"blanks around unquoted text dropped", "  a b  ,c\r\n", false, "[a b][c]!2"},
        {"empty fields", ",,\r\n", false, "[][][]!2"},
        {"quoted keeps separators and blanks", "\" a,b:c \",x\r\n", false, "[ a,b:c ][x]!2"},
        {"blank after closing quote", "\"a\"  \r\nb", false, "[a][b]!2"},
        {"quoted field across lines", "\"a\r\nb\"\r\nc", false, "[a\r\nb][c]!3"},
        {"lone LF ends a line", "a\nb\n", false, "[a][b]!3"},
        {"no line end at the end", "a", false, "[a]!1"},
        {"unclosed quote", "\"abc\r\n", false, "!1"},
        {"text after closing quote", "\"a\"b,c", false, "!1"},
        {"numbers with their blanks", " 0 \r\n 12 \r\n-5 \r\n", true, "[0][12][-5]!4"},
        {"numbers on one line", " 3 , 0 , 32765 \r\n", true, "[3][0][32765]!2"},
        {"empty number", "\r\n", true, "!1"},
        {"text for a number", "abc\r\n", true, "!1"},
        {"decimal for a number", "1.5\r\n", true, "!1"},
        {"two numbers in one field", "1 2\r\n", true, "!1"},
        {"above int16", "32768\r\n", true, "!1"},
        {"below int16", "-32769\r\n", true, "!1"},
        {"error on a later line", " 1 \r\n 2 \r\nx\r\n", true, "[1][2]!3"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(readAll(c.input, c.numbers), c.fields) << c.name;
}

TEST(FieldReader, RangeChecksKeepTheTablesInBounds) {
    const std::tuple<const char*, int, int, bool> cases[] = {
        {" 300 ", 0, 300, true}, {" 301 ", 0, 300, false}, {"-1 ", 0, 300, false},
        {" 20 ", 0, 20, true},   {" 21 ", 0, 20, false},
    };
    for (const auto& [input, low, high, ok] : cases)
        EXPECT_EQ(FieldReader(input).number(low, high).has_value(), ok) << input;
}

TEST(DecodeFile, CutsBeforeTheLineWithBytesThatAreNotCp932) {
    std::string good = utf8ToCp932("バージョン,200\r\nドル円\r\n").text;
    DecodedFile whole = decodeFile(good);
    EXPECT_EQ(whole.text, "バージョン,200\r\nドル円\r\n");
    EXPECT_FALSE(whole.damage);

    DecodedFile bad = decodeFile(good + "ab\xa0\r\nc\r\n");
    EXPECT_EQ(bad.text, "バージョン,200\r\nドル円\r\n");
    ASSERT_TRUE(bad.damage);
    EXPECT_EQ(bad.damage->line, 3);
}

TEST(Stamp, CutFromDateAndTimeTexts) {
    const std::tuple<const char*, const char*, const char*> cases[] = {
        {"2016/03/01", "09:30:05", "160301_093005"},
        {"1999/12/31", "23:59:59", "991231_235959"},
        {"2016/3/1", "9:30", "163/_9_30"}, // short texts give what MID$ would, never more
        {"", "", "_"},
    };
    for (const auto& [date, time, stamp] : cases)
        EXPECT_EQ(STAMP(date, time), stamp) << date << " " << time;
}

} // namespace
} // namespace kedravo::store
