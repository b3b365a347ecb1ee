#include "windows_fixture.h"

namespace kedravo::ui::test {
namespace {

const std::vector<Line> PAGE = {{"113.00", 0, 0},     {"112.75", 1, 1}, {"112.5", 0, 32764},
                                {"112.25", 1, 32765}, {"111.00", 0, 0}, {"abc", 1, 0}};

TEST(UpdateWindow, OpeningShowsTheStoredPriceAndLocksTheMainWindowOnTheSellingSide) {
    Windows w;
    w.showPage(PAGE, "112.00");
    w.click(RADIO2);
    w.pick(COMBO5, 1);
    w.toolkit.addItem(LIST1, "left from before");
    w.click(BUTTON2);
    EXPECT_TRUE(w.toolkit.isVisible(FORM2));
    EXPECT_TRUE(w.toolkit.isTopmost(FORM2));
    EXPECT_EQ(w.t.FORM2_OPEN, 1);
    EXPECT_FALSE(w.toolkit.isEnabled(BUTTON2));
    EXPECT_TRUE(w.toolkit.isEnabled(BUTTON1));
    EXPECT_TRUE(w.choosingEnabled(false));
    EXPECT_TRUE(w.toolkit.isChecked(RADIO1));
    EXPECT_EQ(w.toolkit.selected(COMBO5), 0);
    EXPECT_EQ(w.t.LAST_PRICE, "112.00");
    EXPECT_EQ(w.toolkit.text(TEXT8), "112.00");
    EXPECT_EQ(w.toolkit.itemCount(LIST1), 0);
}

TEST(UpdateWindow, TheStoredUpdateTimeFillsTheDateAndTimeBoxesOnlyAtItsSeparator) {
    struct Case {
        const char* stored;
        const char* date;
        const char* time;
    };
    const Case cases[] = {{"2024/01/02_03:04:05", "2024/01/02", "03:04:05"},
                          {"", "old date", "old time"},
                          {"2024/01/02 03:04:05", "old date", "old time"},
                          {"a_b_c", "a", "b_c"}};
    for (const Case& c : cases) {
        Windows w;
        w.showPage(PAGE, "112.00", 2, c.stored);
        w.toolkit.setText(EDIT3, "old date");
        w.toolkit.setText(EDIT4, "old time");
        w.click(BUTTON2);
        EXPECT_EQ(w.toolkit.text(EDIT3), c.date) << c.stored;
        EXPECT_EQ(w.toolkit.text(EDIT4), c.time) << c.stored;
    }
}

TEST(UpdateWindow, AnEnteredPriceListsTheCrossedLinesAndAnUnusableOneChangesNothing) {
    struct Case {
        const char* name;
        std::optional<std::string> answer;
        const char* price; // "" when the entry is ignored
        std::size_t rows;
    };
    const Case cases[] = {{"a rise", "112.75", "112.75", 3},
                          {"full-width digits", "１１２．７５", "112.75", 3},
                          {"cancelled", std::nullopt, "", 0},
                          {"no number", "abc", "", 0},
                          {"too large", "1000", "", 0}};
    for (const Case& c : cases) {
        Windows w;
        w.showPage(PAGE, "112.00");
        w.click(BUTTON2);
        w.toolkit.setText(EDIT3, "2024/01/02");
        w.dialogs.answerInput(c.answer);
        w.click(BUTTON5);
        const bool taken = *c.price != '\0';
        EXPECT_EQ(w.t.LAST_PRICE, taken ? c.price : "112.00") << c.name;
        EXPECT_EQ(w.toolkit.text(TEXT8), taken ? c.price : "112.00") << c.name;
        EXPECT_EQ(w.toolkit.text(EDIT3), taken ? "2024/05/06" : "2024/01/02") << c.name;
        EXPECT_EQ(w.toolkit.text(EDIT4), taken ? "07:08:09" : "03:04:05") << c.name;
        EXPECT_EQ(w.toolkit.itemCount(LIST1), c.rows) << c.name;
        EXPECT_EQ(w.transcript.str().rfind("input \"価格入力ウインドウ\" \"小数点以下も含めて現在の価格を入力\"", 0),
                  0u);
    }
}

TEST(UpdateWindow, TheThresholdNarrowsTheListToLinesWhoseCountReachesIt) {
    Windows w;
    w.showPage(PAGE, "112.00");
    w.click(BUTTON2);
    w.dialogs.answerInput("113");
    w.click(BUTTON5);
    w.clickRow(LIST1, 0);
    w.pick(COMBO4, 1);
    EXPECT_EQ(w.list1Lines(), (std::vector<Line>{PAGE[1], PAGE[2], PAGE[3]}));
    EXPECT_FALSE(w.toolkit.isRowSelected(LIST1, 0));
    w.pick(COMBO4, 4);
    EXPECT_EQ(w.list1Lines(), (std::vector<Line>{PAGE[2], PAGE[3]}));
}

// The line whose stored price reads as 0 (a hand-edited file) is never listed, so never chosen: it must stay.
TEST(UpdateWindow, RegisteringDeletesTheSelectedRowsCountsTheOthersAndStoresPriceAndTime) {
    Windows w;
    w.showPage(PAGE, "112.00");
    w.t.PAST_MODE = 1;
    w.click(BUTTON2);
    w.dialogs.answerInput("113");
    w.click(BUTTON5);
    w.clickRow(LIST1, 1);
    w.type(EDIT3, "2024/\"05/07");
    w.type(EDIT4, "\"10:11");
    w.click(BUTTON3);
    EXPECT_EQ(w.lines(),
              (std::vector<Line>{
                  {"113.00", 0, 1}, {"112.5", 0, 32765}, {"112.25", 1, 32765}, {"111.00", 0, 0}, {"abc", 1, 0}}));
    EXPECT_EQ(w.t.CUR_PRICE[0], "113.00");
    EXPECT_EQ(w.t.CUR_PRICE_TIME[0], "2024/05/07_10:11");
    EXPECT_EQ(w.t.PAST_MODE, 0);
    EXPECT_EQ(w.toolkit.text(TEXT1), "113.00");
    EXPECT_EQ(w.list1Lines(), (std::vector<Line>{{"113.00", 0, 1}}));

    w.click(BUTTON3); // again, without a new price: only the line at the price is counted once more
    EXPECT_EQ(w.lines().front(), (Line{"113.00", 0, 2}));
    EXPECT_EQ(w.lines().size(), 5u);
}

TEST(UpdateWindow, ClosingWithoutRegisteringLeavesPriceAndLinesAndUnlocksTheMainWindow) {
    Windows w;
    w.showPage(PAGE, "112.00");
    w.click(BUTTON2);
    w.dialogs.answerInput("113");
    w.click(BUTTON5);
    w.clickRow(LIST1, 0);
    w.click(BUTTON4);
    EXPECT_FALSE(w.toolkit.isVisible(FORM2));
    EXPECT_EQ(w.t.FORM2_OPEN, 0);
    EXPECT_TRUE(w.toolkit.isEnabled(BUTTON2));
    EXPECT_TRUE(w.choosingEnabled(true));
    EXPECT_EQ(w.t.CUR_PRICE[0], "112.00");
    EXPECT_EQ(w.t.CUR_PRICE_TIME[0], "2024/01/02_03:04:05");
    EXPECT_EQ(w.lines(), PAGE);
}

} // namespace
} // namespace kedravo::ui::test
