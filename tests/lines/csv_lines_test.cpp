#include "lines/csv_lines.h"
#include "support/tables_builder.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace kedravo {
namespace {

Tables pageWithTimeFrames() {
    Tables t;
    test::putPage(t, 2, {.timeFrames = {"日足", "H1", "ＭＮ"}});
    return t;
}

struct RowCase {
    const char* name;
    std::string csv;
    std::vector<CsvLine> lines;
    std::vector<int> refusedRows;
};

TEST(CsvLines, ChecksEachRowAgainstThePage) {
    const RowCase cases[] = {
        {"price only, default time frame", "105\r\n１０５．２５\r\n", {{"105.00", 1, 0}, {"105.25", 1, 0}}, {}},
        {"price and time frame, width ignored", "105,Ｈ１\r\n106,MN\r\n", {{"105.00", 1, 0}, {"106.00", 2, 0}}, {}},
        {"empty time frame is the default", "105,\"\"\r\n", {{"105.00", 1, 0}}, {}},
        {"as exported, header skipped", "ページ,価格,足,交差回数\r\nドル円,105.5,日足,7\r\n", {{"105.5", 0, 7}}, {}},
        {"a header of other words", "Price,TF\r\n1.5,H1\r\n", {{"1.5", 1, 0}}, {}},
        {"bad price", "99.5\r\nabc\r\n0\r\n1000\r\n", {{"99.5", 1, 0}}, {2, 3, 4}},
        {"unknown time frame", "105,M5\r\n", {}, {1}},
        {"count limits",
         "ドル円,1,H1,32765\r\nドル円,1,H1,32766\r\nドル円,1,H1,-1\r\nドル円,1,H1,x\r\n",
         {{"1.00", 1, 32765}},
         {2, 3, 4}},
        {"three columns", "105,H1,3\r\n", {}, {1}},
        {"trailing empty cells", "105,H1,,\r\n", {{"105.00", 1, 0}}, {}},
        {"row numbers count skipped rows", "105\r\n\r\nabc\r\n", {{"105.00", 1, 0}}, {3}},
    };
    for (const RowCase& c : cases) {
        const Tables t = pageWithTimeFrames();
        const CsvImport import = checkCsvLines(c.csv, t, 2, 1);
        EXPECT_EQ(import.fileError, "") << c.name;
        EXPECT_EQ(import.lines, c.lines) << c.name;
        std::vector<int> refused;
        for (const CsvRowRefusal& r : import.notAdded)
            refused.push_back(r.row);
        EXPECT_EQ(refused, c.refusedRows) << c.name;
    }
}

TEST(CsvLines, RowsOfAnotherPageAreLeftOutNotRefused) {
    const CsvImport import = checkCsvLines("ユーロ円,105,H1,0\r\nドル円,106,H1,0\r\n", pageWithTimeFrames(), 2, 0);
    ASSERT_EQ(import.notAdded.size(), 1u);
    EXPECT_TRUE(import.notAdded[0].otherPage);
    EXPECT_FALSE(import.anyRefused());
    EXPECT_EQ(import.lines.size(), 1u);
}

TEST(CsvLines, RowsBeyondTheLimitAreRefused) {
    Tables t = pageWithTimeFrames();
    t.LINE_COUNT[2] = LINE_MAX - 1;
    const CsvImport import = checkCsvLines("101\r\n102\r\n103\r\n", t, 2, 0);
    EXPECT_EQ(import.lines.size(), 1u);
    ASSERT_EQ(import.notAdded.size(), 2u);
    EXPECT_EQ(import.notAdded[1].row, 3);
}

TEST(CsvLines, AFileWithoutRowsIsAnError) {
    for (const char* csv : {"", "\xEF\xBB\xBF", "ページ,価格,足,交差回数\r\n", "\r\n\r\n"})
        EXPECT_NE(checkCsvLines(csv, pageWithTimeFrames(), 2, 0).fileError, "") << csv;
}

TEST(CsvLines, ExportedLinesImportUnchanged) {
    Tables t = pageWithTimeFrames();
    t.PAGE_NAME[2] = "ドル,円";
    const CsvLine lines[] = {{"99.5", 2, 3}, {"105.25", 0, 32765}, {"99.5", 1, 0}};
    for (const CsvLine& line : lines)
        addCsvLines(t, 2, {line});
    const std::string csv = csvOfLines(t, 2);
    EXPECT_TRUE(csv.starts_with("\xEF\xBB\xBFページ,価格,足,交差回数\r\n\"ドル,円\",105.25,日足,32765\r\n"));
    t.LINE_COUNT[2] = 0;
    const CsvImport import = checkCsvLines(csv, t, 2, 0);
    EXPECT_TRUE(import.notAdded.empty());
    EXPECT_EQ(import.lines, (std::vector<CsvLine>{lines[1], lines[0], lines[2]}));
}

TEST(CsvLines, ATimeFrameIndexOutsideTheTableExportsNoName) {
    Tables t = pageWithTimeFrames();
    addCsvLines(t, 2, {{"105.00", -1, 0}, {"104.00", TF_SLOTS, 0}});
    EXPECT_TRUE(csvOfLines(t, 2).ends_with("\r\nドル円,105.00,,0\r\nドル円,104.00,,0\r\n"));
}

TEST(CsvLines, TheReportListsTwentyRowsThenACount) {
    CsvImport import;
    import.lines.resize(3);
    for (int row = 1; row <= 22; ++row)
        import.notAdded.push_back({row, "x"});
    const std::string report = csvImportReport(import);
    EXPECT_TRUE(report.starts_with("3本のラインを追加しました。\r\n追加しなかった行（22行）:\r\n1行目: x\r\n"));
    EXPECT_NE(report.find("\r\n20行目: x\r\nほか2行"), std::string::npos) << report;
    EXPECT_EQ(report.find("21行目"), std::string::npos);
}

} // namespace
} // namespace kedravo
