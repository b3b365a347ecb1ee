#include "lines/csv_text.h"
#include "support/cases.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace kedravo {
namespace {

using Fields = std::vector<std::string>;

struct RecordCase {
    const char* name;
    std::string text;
    std::vector<int> numbers;
    std::vector<Fields> records;
};

TEST(CsvText, ReadsRecordsAsSpreadsheetsWriteThem) {
    const RecordCase cases[] = {
        {"CR LF", "a,b\r\nc,d\r\n", {1, 2}, {{"a", "b"}, {"c", "d"}}},
        {"LF and a last line without end", "a\nb", {1, 2}, {{"a"}, {"b"}}},
        {"CR alone", "a\rb\r", {1, 2}, {{"a"}, {"b"}}},
        {"tab separated keeps commas", "1,5\tH1\r\n", {1}, {{"1,5", "H1"}}},
        {"a tab inside quotes does not decide", "\"a\tb\",c\r\n", {1}, {{"a\tb", "c"}}},
        {"a one-column header does not decide", "価格\r\n110.5\t日足\r\n", {1, 2}, {{"価格"}, {"110.5", "日足"}}},
        {"the first line with a comma decides",
         "価格\r\n110.5,日足\r\n1\t2\r\n",
         {1, 2, 3},
         {{"価格"}, {"110.5", "日足"}, {"1\t2"}}},
        {"quoted separator and quote", "\"a,\"\"b\"\"\",c\r\n", {1}, {{"a,\"b\"", "c"}}},
        {"quoted line break stays one row", "\"a\r\nb\",c\r\nd\r\n", {1, 2}, {{"a\r\nb", "c"}, {"d"}}},
        {"blanks around unquoted fields dropped", " 105.5 , H1 \r\n", {1}, {{"105.5", "H1"}}},
        {"blanks inside quotes kept", " \" H1 \" ,x\r\n", {1}, {{" H1 ", "x"}}},
        {"empty rows left out but counted", "a\r\n\r\n,,\r\nb\r\n", {1, 4}, {{"a"}, {"b"}}},
        {"empty fields kept", "a,,b\r\n", {1}, {{"a", "", "b"}}},
        {"empty quoted field", "\"\",a\r\n", {1}, {{"", "a"}}},
    };
    test::eachCase(cases, [&](const RecordCase& c) {
        const std::vector<CsvRecord> records = readCsvRecords(c.text);
        ASSERT_EQ(records.size(), c.records.size());
        for (std::size_t k = 0; k < records.size(); ++k) {
            EXPECT_EQ(records[k].fields, c.records[k]) << ", record " << k;
            EXPECT_EQ(records[k].number, c.numbers[k]) << ", record " << k;
            EXPECT_FALSE(records[k].unclosedQuote);
        }
    });
}

TEST(CsvText, AQuoteLeftOpenMarksItsRecord) {
    const std::vector<CsvRecord> records = readCsvRecords("a\r\n\"105.5,H1\r\nb\r\n");
    ASSERT_EQ(records.size(), 2u);
    EXPECT_TRUE(records[1].unclosedQuote);
    EXPECT_EQ(records[1].number, 2);
}

struct DecodingCase {
    const char* name;
    std::string bytes;
    std::string text; // empty with an error
    bool error;
};

TEST(CsvText, DecodesUtf8WithOrWithoutMarkElseCp932) {
    const DecodingCase cases[] = {
        {"UTF-8 with mark", "\xEF\xBB\xBF足,H1", "足,H1", false},
        {"UTF-8 without mark", "足,H1", "足,H1", false},
        {"Shift-JIS", "\x91\xab,H1", "足,H1", false},
        {"UTF-16",
         std::string("\xFF\xFE"
                     "1\0",
                     4),
         "", true},
        {"neither", "\x81\x20\xFF", "", true},
    };
    for (const DecodingCase& c : cases) {
        SCOPED_TRACE(c.name);
        const CsvDecoding decoded = decodeCsvBytes(c.bytes);
        EXPECT_EQ(decoded.text, c.text);
        EXPECT_EQ(!decoded.error.empty(), c.error);
    }
}

TEST(CsvText, QuotesOnlyWhereAReaderNeedsIt) {
    EXPECT_EQ(csvRecordText({"USD/JPY", "105.25", "1時間", "0"}), "USD/JPY,105.25,1時間,0\r\n");
    EXPECT_EQ(csvRecordText({"a,b", "say \"x\"", " c", ""}), "\"a,b\",\"say \"\"x\"\"\",\" c\",\r\n");
}

TEST(CsvText, WrittenRecordsReadBackUnchanged) {
    const Fields fields{"a,b", "\"q\"", " padded ", "line\r\nbreak", ""};
    const std::vector<CsvRecord> records = readCsvRecords(csvRecordText(fields));
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].fields, fields);
}

} // namespace
} // namespace kedravo
