#include "support/program_session.h"

namespace kedravo::ui::test {
namespace {

const std::vector<Line> PAGE = {{"113.00", 0, 0},     {"112.75", 1, 1}, {"112.5", 0, 32764},
                                {"112.25", 1, 32765}, {"111.00", 0, 0}, {"abc", 1, 0}};
const Page STORED = {.price = "112.00", .lines = PAGE};

TEST(UpdateWindow, OpeningShowsTheStoredPriceAndLocksTheMainWindowOnTheSellingSide) {
    Session s(STORED);
    s.click(RADIO2);
    s.pick(COMBO5, 1);
    s.toolkit.addItem(LIST1, "left from before");
    s.click(BUTTON2);
    EXPECT_TRUE(s.toolkit.isVisible(FORM2));
    EXPECT_TRUE(s.toolkit.isTopmost(FORM2));
    EXPECT_EQ(s.t().FORM2_OPEN, 1);
    EXPECT_FALSE(s.toolkit.isEnabled(BUTTON2));
    EXPECT_TRUE(s.toolkit.isEnabled(BUTTON1));
    EXPECT_TRUE(s.choosingEnabled(false));
    EXPECT_TRUE(s.toolkit.isChecked(RADIO1));
    EXPECT_EQ(s.toolkit.selected(COMBO5), 0);
    EXPECT_EQ(s.t().LAST_PRICE, "112.00");
    EXPECT_EQ(s.toolkit.text(TEXT8), "112.00");
    EXPECT_EQ(s.toolkit.itemCount(LIST1), 0);
}

TEST(UpdateWindow, TheStoredUpdateTimeFillsTheDateAndTimeBoxesOnlyAtItsSeparator) {
    const struct {
        const char* stored;
        const char* date;
        const char* time;
    } cases[] = {{STORED_TIME, "2024/01/02", "03:04:05"},
                 {"", "old date", "old time"},
                 {"2024/01/02 03:04:05", "old date", "old time"},
                 {"a_b_c", "a", "b_c"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.stored);
        Session s({.price = "112.00", .time = c.stored, .lines = PAGE});
        s.toolkit.setText(EDIT3, "old date");
        s.toolkit.setText(EDIT4, "old time");
        s.click(BUTTON2);
        EXPECT_EQ(s.toolkit.text(EDIT3), c.date);
        EXPECT_EQ(s.toolkit.text(EDIT4), c.time);
    }
}

TEST(UpdateWindow, AnEnteredPriceListsTheCrossedLinesAndAnUnusableOneChangesNothing) {
    const struct {
        const char* name;
        std::optional<std::string> answer;
        const char* price; // "" when the entry is ignored
        int rows;
    } cases[] = {{"a rise", "112.75", "112.75", 3},
                 {"full-width digits", "１１２．７５", "112.75", 3},
                 {"cancelled", std::nullopt, "", 0},
                 {"no number", "abc", "", 0},
                 {"too large", "1000", "", 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Session s(STORED);
        s.enterPrice(c.answer);
        const bool taken = *c.price != '\0';
        EXPECT_EQ(s.t().LAST_PRICE, taken ? c.price : "112.00");
        EXPECT_EQ(s.toolkit.text(TEXT8), taken ? c.price : "112.00");
        EXPECT_EQ(s.toolkit.text(EDIT3), taken ? "2016/03/01" : "2024/01/02");
        EXPECT_EQ(s.toolkit.text(EDIT4), taken ? "09:30:05" : "03:04:05");
        EXPECT_EQ(s.toolkit.itemCount(LIST1), c.rows);
        EXPECT_EQ(s.messages().rfind("input \"価格入力ウインドウ\" \"小数点以下も含めて現在の価格を入力\"", 0), 0u);
    }
}

TEST(UpdateWindow, TheThresholdNarrowsTheListToLinesWhoseCountReachesIt) {
    Session s(STORED);
    s.enterPrice("113");
    s.clickRow(LIST1, 0);
    s.pick(COMBO4, 1);
    EXPECT_EQ(s.listedLines(LIST1, ROWS_LIST1), (std::vector<Line>{PAGE[1], PAGE[2], PAGE[3]}));
    EXPECT_FALSE(s.toolkit.isRowSelected(LIST1, 0));
    s.pick(COMBO4, 4);
    EXPECT_EQ(s.listedLines(LIST1, ROWS_LIST1), (std::vector<Line>{PAGE[2], PAGE[3]}));
}

// The line whose stored price reads as 0 (a hand-edited file) is never listed, so never chosen: it must stay.
TEST(UpdateWindow, RegisteringDeletesTheSelectedRowsCountsTheOthersAndStoresPriceAndTime) {
    Session s(STORED);
    s.t().PAST_MODE = 1;
    s.enterPrice("113");
    s.clickRow(LIST1, 1);
    s.type(EDIT3, "2024/\"05/07");
    s.type(EDIT4, "\"10:11");
    s.click(BUTTON3);
    EXPECT_EQ(s.lines(),
              (std::vector<Line>{
                  {"113.00", 0, 1}, {"112.5", 0, 32765}, {"112.25", 1, 32765}, {"111.00", 0, 0}, {"abc", 1, 0}}));
    EXPECT_EQ(s.t().CUR_PRICE[0], "113.00");
    EXPECT_EQ(s.t().CUR_PRICE_TIME[0], "2024/05/07_10:11");
    EXPECT_EQ(s.t().PAST_MODE, 0);
    EXPECT_EQ(s.toolkit.text(TEXT1), "113.00");
    EXPECT_EQ(s.listedLines(LIST1, ROWS_LIST1), (std::vector<Line>{{"113.00", 0, 1}}));

    s.click(BUTTON3); // again, without a new price: only the line at the price is counted once more
    EXPECT_EQ(s.lines().front(), (Line{"113.00", 0, 2}));
    EXPECT_EQ(s.lines().size(), 5u);
}

TEST(UpdateWindow, ClosingWithoutRegisteringLeavesPriceAndLinesAndUnlocksTheMainWindow) {
    Session s(STORED);
    s.enterPrice("113");
    s.clickRow(LIST1, 0);
    s.click(BUTTON4);
    EXPECT_FALSE(s.toolkit.isVisible(FORM2));
    EXPECT_EQ(s.t().FORM2_OPEN, 0);
    EXPECT_TRUE(s.toolkit.isEnabled(BUTTON2));
    EXPECT_TRUE(s.choosingEnabled(true));
    EXPECT_EQ(s.t().CUR_PRICE[0], "112.00");
    EXPECT_EQ(s.t().CUR_PRICE_TIME[0], STORED_TIME);
    EXPECT_EQ(s.lines(), PAGE);
}

} // namespace
} // namespace kedravo::ui::test
