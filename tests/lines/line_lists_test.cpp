#include "lines/line_lists.h"
#include "support/cases.h"
#include "support/tables_builder.h"

#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace kedravo {
namespace {

using test::Line;
using test::tablesWith;

std::vector<std::int16_t> rowMap(const Tables& t, RowMapList list, std::size_t rows) {
    return {t.DISP_LINE[list].begin(), t.DISP_LINE[list].begin() + static_cast<std::ptrdiff_t>(rows)};
}

struct CrossCase {
    const char* name;
    const char* oldPrice;
    const char* newPrice;
    int threshold;
    std::vector<std::string> rows;
    std::vector<std::int16_t> map;
};

void PrintTo(const CrossCase& c, std::ostream* out) {
    *out << c.name;
}

using CrossedRowsOfAMove = testing::TestWithParam<CrossCase>;

TEST_P(CrossedRowsOfAMove, ListsLinesBetweenOldAndNewPriceInclusiveFromTheThreshold) {
    const CrossCase& c = GetParam();
    auto t = tablesWith(
        {.price = c.oldPrice,
         .lines = {{"112.501", 0, 0}, {"112.5", 0, 2}, {"112.25", 1, 0}, {"112.00", 0, 1}, {"111.999", 0, 0}}});
    t->LAST_PRICE = c.newPrice;
    auto rows = buildCrossedRows(*t, c.threshold);
    ASSERT_TRUE(rows.has_value());
    EXPECT_EQ(*rows, c.rows);
    EXPECT_EQ(rowMap(*t, ROWS_LIST1, c.map.size()), c.map);
}

INSTANTIATE_TEST_SUITE_P(
    Moves, CrossedRowsOfAMove,
    testing::Values(
        CrossCase{
            "rise", "112.00", "112.5", 0, {"112.5 （日足）3回", "112.25（4h）  1回", "112.00（日足）2回"}, {1, 2, 3}},
        CrossCase{
            "fall", "112.5", "112.00", 0, {"112.5 （日足）3回", "112.25（4h）  1回", "112.00（日足）2回"}, {1, 2, 3}},
        CrossCase{"no move", "112.25", "112.25", 0, {"112.25（4h）1回"}, {2}},
        CrossCase{"threshold 1, ２回以上", "112.00", "112.5", 1, {"112.5 （日足）3回", "112.00（日足）2回"}, {1, 3}},
        CrossCase{"threshold 2, ３回以上", "112.5", "112.00", 2, {"112.5（日足）3回"}, {1}},
        CrossCase{"nothing crossed", "113.00", "113.5", 0, {}, {}}),
    test::CaseName());

TEST(CrossedRows, ShowsTheCountALineWillHaveWhichStopsAtTheCap) {
    auto t = tablesWith({.price = "112.00", .lines = {{"112.00", 0, 32764}, {"111.5", 1, 32765}}});
    t->LAST_PRICE = "111.00";
    EXPECT_EQ(*buildCrossedRows(*t, 0), (std::vector<std::string>{"112.00（日足）32765回", "111.5 （4h）  32765回"}));
}

TEST(CrossedRows, EmptiesTheListOfAPageWithoutLines) {
    auto t = tablesWith({.price = "112.00"});
    t->LAST_PRICE = "112.00";
    const auto rows = buildCrossedRows(*t, 0);
    ASSERT_TRUE(rows.has_value());
    EXPECT_TRUE(rows->empty());
}

TEST(CrossedRows, LeavesTheListAloneWithoutAPositiveStoredPrice) {
    for (const char* stored : {"", "abc", "0"}) {
        auto t = tablesWith({.price = stored, .lines = {{"112.00", 0, 0}}});
        t->LAST_PRICE = "112.00";
        t->DISP_LINE[ROWS_LIST1][0] = 7;
        EXPECT_FALSE(buildCrossedRows(*t, 0).has_value()) << '"' << stored << '"';
        EXPECT_EQ(t->DISP_LINE[ROWS_LIST1][0], 7);
    }
}

struct MainCase {
    const char* name;
    const char* reference;
    int filter;
    std::string upper;
    std::string lower;
};

TEST(MainLists, SplitsAtTheReferenceWithOneSetOfWidthsAndTheLastLineRule) {
    // Rows as aligned over all four lines, whatever the filter.
    const std::string a = "113.12345（日足） 0回", b = "112.5    （4h）   0回", c = "112.00   （日足） 0回",
                      d = "111.00   （4h）  12回";
    const MainCase cases[] = {
        {"all", "112.25", 0, a + "\r\n" + b + "\r\n", c + "\r\n" + d},
        {"日足 only: the lower box still ends with CR LF", "112.25", 1, a + "\r\n", c + "\r\n"},
        {"4h only", "112.25", 2, b + "\r\n", d},
        {"nothing selected", "112.25", -1, "", ""},
        {"a line at the reference goes up", "112.00", 0, a + "\r\n" + b + "\r\n" + c + "\r\n", d},
        {"no current price", "", 0, a + "\r\n" + b + "\r\n" + c + "\r\n" + d, ""},
    };
    for (const auto& mc : cases) {
        auto t = tablesWith({.price = mc.reference,
                             .lines = {{"112.00", 0, 0}, {"113.12345", 0, 0}, {"111.00", 1, 12}, {"112.5", 1, 0}}});
        MainLists lists = buildMainLists(*t, mc.filter, Side::Selling);
        EXPECT_TRUE(lists.hasLines) << mc.name;
        EXPECT_EQ(lists.upper, mc.upper) << mc.name;
        EXPECT_EQ(lists.lower, mc.lower) << mc.name;
        EXPECT_EQ(t->LINE_PRICE[0][0], "113.12345") << mc.name << ": stored lines sorted";
        EXPECT_EQ(t->LINE_CROSS[0][3], 12) << mc.name << ": fields move together";
    }
}

TEST(MainLists, BuyingSideShowsPricePlusSpreadButSplitsOnTheStoredPrice) {
    auto t = tablesWith({.price = "112.35", .lines = {{"112.36", 0, 0}, {"112.345", 0, 0}, {"999.995", 1, 0}}});
    MainLists lists = buildMainLists(*t, 0, Side::Buying);
    EXPECT_EQ(lists.upper, "1000.005（4h）  0回\r\n112.37  （日足）0回\r\n");
    EXPECT_EQ(lists.lower, "112.355 （日足）0回");
}

TEST(MainLists, PageWithoutLinesHasEmptyBoxesAndCaptions) {
    auto t = tablesWith({.price = "112.35"});
    MainLists lists = buildMainLists(*t, 0, Side::Selling);
    EXPECT_FALSE(lists.hasLines);
    EXPECT_EQ(lists.upper, "");
    EXPECT_EQ(lists.lower, "");
    EXPECT_EQ(lists.priceCaption, "112.35");
    EXPECT_EQ(lists.timeCaption, "2024/01/02_03:04:05");
}

struct CaptionCase {
    const char* name;
    Side side;
    const char* currentPrice;
    const char* spread;
    bool pastMode;
    const char* price;
    const char* time;
};

TEST(MainLists, CaptionsTheReferencePrice) {
    const CaptionCase cases[] = {
        {"selling: as stored", Side::Selling, "112.35", "0.01", false, "112.35", "2024/01/02_03:04:05"},
        {"buying: plus spread", Side::Buying, "112.35", "0.01", false, "112.36", "2024/01/02_03:04:05"},
        {"buying without a price", Side::Buying, "", "0.01", false, "", "2024/01/02_03:04:05"},
        {"buying beyond 999.99999", Side::Buying, "999.995", "0.36", false, "1000.355", "2024/01/02_03:04:05"},
        {"past price with its time frame", Side::Buying, "112.35", "0.01", true, "110.5", "4h"},
    };
    for (const auto& c : cases) {
        auto t = tablesWith(
            {.spread = c.spread, .price = c.currentPrice, .time = test::STORED_TIME, .lines = {{"111.00", 0, 0}}});
        t->PAST_MODE = c.pastMode ? 1 : 0;
        t->PAST_PRICE = "110.5";
        t->PAST_TF = 1;
        MainLists lists = buildMainLists(*t, 0, c.side);
        EXPECT_EQ(lists.priceCaption, c.price) << c.name;
        EXPECT_EQ(lists.timeCaption, c.time) << c.name;
    }
}

TEST(ListRows, EachListWritesOnlyItsOwnRowMap) {
    auto t = tablesWith({.price = "112.00", .lines = {{"113.00", 0, 3}, {"112.5", 1, 0}, {"112.00", 0, 0}}});
    t->LAST_PRICE = "113.00";
    for (auto& map : t->DISP_LINE)
        map.fill(-7);
    EXPECT_EQ(buildDeletionRows(*t, 2), std::vector<std::string>{"112.5（4h）0回"});
    EXPECT_EQ(rowMap(*t, ROWS_LIST2, 2), (std::vector<std::int16_t>{1, -7}));
    EXPECT_EQ(t->DISP_LINE[ROWS_LIST1][0], -7);
    EXPECT_EQ(t->DISP_LINE[ROWS_LIST3][0], -7);

    EXPECT_EQ(buildShiftRows(*t).front(), "113.00（日足）3回");
    EXPECT_EQ(rowMap(*t, ROWS_LIST3, 3), (std::vector<std::int16_t>{0, 1, 2}));
    EXPECT_EQ(rowMap(*t, ROWS_LIST2, 2), (std::vector<std::int16_t>{1, -7}));

    EXPECT_EQ(buildCrossedRows(*t, 3)->front(), "113.00（日足）4回");
    EXPECT_EQ(rowMap(*t, ROWS_LIST1, 2), (std::vector<std::int16_t>{0, -7}));
    EXPECT_EQ(rowMap(*t, ROWS_LIST2, 2), (std::vector<std::int16_t>{1, -7}));
    EXPECT_EQ(rowMap(*t, ROWS_LIST3, 3), (std::vector<std::int16_t>{0, 1, 2}));
}

TEST(ListRows, DeletionFilterPicksTimeFrames) {
    // The last line's time-frame index comes from a hand-edited file; no filter position may pick it.
    const std::pair<int, std::vector<std::int16_t>> cases[] = {
        {0, {0, 1, 2, 3}}, {1, {0, 2}}, {2, {1}}, {3, {}}, {-1, {}}};
    for (const auto& [filter, map] : cases) {
        auto t = tablesWith({.lines = {{"113.00", 0, 0}, {"112.5", 1, 0}, {"112.00", 0, 0}, {"111.00", -2, 0}}});
        EXPECT_EQ(buildDeletionRows(*t, filter).size(), map.size()) << filter;
        EXPECT_EQ(rowMap(*t, ROWS_LIST2, map.size()), map) << filter;
    }
    EXPECT_TRUE(buildShiftRows(*tablesWith({})).empty());
}

TEST(CompactLines, DropsOnlyLinesMarkedForDeletion) {
    auto t = tablesWith(
        {.lines = {
             {"113.00", 0, 1}, {"112.9", 1, 2}, {"abc", 1, 3}, {"112.7", 0, 4}, {"0.00", 1, 5}, {"112.5", 0, 6}}});
    markForDeletion(*t, 0, 1);
    markForDeletion(*t, 0, 3);
    EXPECT_EQ(compactLines(*t, 0), 4);
    EXPECT_EQ(t->LINE_COUNT[0], 4);
    EXPECT_EQ(test::linesOf(*t, 0),
              (std::vector<Line>{{"113.00", 0, 1}, {"abc", 1, 3}, {"0.00", 1, 5}, {"112.5", 0, 6}}));
}

TEST(WorkingCopy, CopiesOnePageAndClearsItsTimeFrameMap) {
    auto t = tablesWith({});
    t->TMP_TF_NAME[0][2] = "stale";
    t->TMP_TF_MAP[0] = {5, 5, 5};
    t->TMP_PAGE_NAME[1] = "other";
    一時退避_SUB(*t, 0);
    EXPECT_EQ(t->TMP_PAGE_NAME[0], "ドル円");
    EXPECT_EQ(t->TMP_SPREAD[0], "0.01");
    EXPECT_EQ(t->TMP_TF_COUNT[0], 2);
    EXPECT_EQ(t->TMP_TF_NAME[0][1], "4h");
    EXPECT_EQ(t->TMP_TF_NAME[0][2], "stale");
    EXPECT_EQ(t->TMP_TF_MAP[0][1], 0);
    EXPECT_EQ(t->TMP_TF_MAP[0][2], 5);
    EXPECT_EQ(t->TMP_PAGE_NAME[1], "other");
}

} // namespace
} // namespace kedravo
