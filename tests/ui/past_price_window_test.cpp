#include "support/program_session.h"

namespace kedravo::ui::test {
namespace {

const std::vector<std::string> TIME_FRAMES = {"日足", "4h"};
const std::vector<Line> PAGE = {{"113.00", 0, 2}, {"112.00", 1, 0}};

std::vector<Line> fullPage(int n) {
    std::vector<Line> lines;
    for (int i = 0; i < n; ++i)
        lines.push_back({std::to_string(400 - i) + ".00", 0, 0});
    return lines;
}

TEST(PastPriceWindow, OpeningOffersThePageTimeFramesAndTheRemainingCount) {
    struct Case {
        const char* name;
        std::vector<std::string> timeFrames;
        std::vector<std::string> offered;
    };
    const Case cases[] = {{"time frames", TIME_FRAMES, TIME_FRAMES}, {"none", {}, {""}}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Session s({.timeFrames = c.timeFrames, .price = "112.50", .lines = PAGE});
        s.click(RADIO2);
        s.toolkit.setEnabled(BUTTON6, false);
        s.click(BUTTON1);
        EXPECT_TRUE(s.toolkit.isVisible(FORM3));
        EXPECT_TRUE(s.toolkit.isTopmost(FORM3));
        EXPECT_EQ(s.t().FORM3_OPEN, 1);
        EXPECT_FALSE(s.toolkit.isEnabled(BUTTON1));
        EXPECT_TRUE(s.toolkit.isEnabled(BUTTON6));
        EXPECT_TRUE(s.choosingEnabled(false));
        EXPECT_TRUE(s.toolkit.isChecked(RADIO1));
        EXPECT_EQ(s.toolkit.text(TEXT12), "残り登録可能数 298");
        EXPECT_EQ(s.items(COMBO2), c.offered);
        EXPECT_EQ(s.toolkit.selected(COMBO2), 0);
        EXPECT_EQ(s.toolkit.focused(), EDIT5) << "typing goes to the price, not to the time frames";
    }
}

TEST(PastPriceWindow, AFullPageIsRefusedWithAWarningAndTheWindowStaysClosed) {
    Session s({.price = "112.50", .lines = fullPage(LINE_MAX)});
    s.click(BUTTON1);
    EXPECT_EQ(s.messages(), "message \"入力エラーメッセージ\" \"登録数が限界です。任意にデータを削除して下さい。\"\n");
    EXPECT_FALSE(s.toolkit.isVisible(FORM3));
    EXPECT_EQ(s.t().FORM3_OPEN, 0);
    EXPECT_TRUE(s.toolkit.isEnabled(BUTTON1));
    EXPECT_TRUE(s.choosingEnabled(true));
    EXPECT_EQ(s.toolkit.text(TEXT12), "残り登録可能数 0");
}

TEST(PastPriceWindow, RegisteringAddsTheNormalisedPriceOrWarnsAndRebuildsTheDisplayEitherWay) {
    struct Case {
        const char* typed;
        const char* price; // "" when refused
        int at;            // where the new line sorts in
    };
    const Case cases[] = {{"105", "105.00", 2}, {"１１２．２５", "112.25", 1},
                          {"", "", 0},          {"abc", "", 0},
                          {"0", "", 0},         {"1000", "", 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        Session s({.price = "112.50", .lines = PAGE});
        s.click(BUTTON1);
        s.pick(COMBO2, 1);
        s.type(EDIT5, c.typed);
        s.toolkit.setText(EDIT1, "stale");
        s.click(BUTTON6);
        EXPECT_NE(s.toolkit.text(EDIT1), "stale");
        if (*c.price == '\0') {
            EXPECT_EQ(s.messages(), "message \"入力エラーメッセージ\" \"もう一度価格の設定をして下さい\"\n");
            EXPECT_EQ(s.lines(), PAGE);
            EXPECT_EQ(s.t().PAST_MODE, 0);
            continue;
        }
        EXPECT_EQ(s.messages(), "");
        std::vector<Line> expected = PAGE;
        expected.insert(expected.begin() + c.at, {c.price, 1, 0});
        EXPECT_EQ(s.lines(), expected);
        EXPECT_EQ(s.t().PAST_MODE, 1);
        EXPECT_EQ(s.t().PAST_PRICE, c.price);
        EXPECT_EQ(s.t().PAST_TF, 1);
        EXPECT_EQ(s.toolkit.text(TEXT1), c.price);
        EXPECT_EQ(s.toolkit.text(TEXT2), "4h");
        EXPECT_EQ(s.toolkit.text(TEXT12), "残り登録可能数 297");
        EXPECT_EQ(s.toolkit.text(EDIT5), c.typed);
    }
}

TEST(PastPriceWindow, TheLastFreeSlotDisablesRegisteringUntilTheWindowOpensOnAPageWithRoom) {
    Session s({.price = "112.50", .lines = fullPage(LINE_MAX - 1)});
    s.click(BUTTON1);
    EXPECT_EQ(s.toolkit.text(TEXT12), "残り登録可能数 1");
    s.registerPastPrice("100");
    EXPECT_EQ(s.t().LINE_COUNT[0], LINE_MAX);
    EXPECT_EQ(s.toolkit.text(TEXT12), "残り登録可能数 0");
    EXPECT_EQ(s.toolkit.click(BUTTON6), platform::Refusal::Disabled);
    s.click(BUTTON7);
    s.t().LINE_COUNT[0] = 10;
    s.click(BUTTON1);
    EXPECT_TRUE(s.toolkit.isEnabled(BUTTON6));
    EXPECT_EQ(s.toolkit.text(TEXT12), "残り登録可能数 290");
}

TEST(PastPriceWindow, ClosingReturnsTheMainWindowToTheCurrentPrice) {
    Session s({.price = "112.50", .lines = PAGE});
    s.registerPastPrice("112.75");
    s.click(BUTTON7);
    EXPECT_FALSE(s.toolkit.isVisible(FORM3));
    EXPECT_EQ(s.t().FORM3_OPEN, 0);
    EXPECT_EQ(s.t().PAST_MODE, 0);
    EXPECT_EQ(s.toolkit.text(TEXT1), "112.50");
    EXPECT_EQ(s.toolkit.text(TEXT2), "2024/01/02_03:04:05");
    EXPECT_TRUE(s.toolkit.isEnabled(BUTTON1));
    EXPECT_TRUE(s.choosingEnabled(true));
}

// Lines registered in one window reach the other's open list through a fresh row map.
TEST(BothWindows, EachListAndRowMapFollowsLinesRegisteredInTheOther) {
    Session s({.price = "112.00", .lines = {{"113.00", 0, 0}, {"112.00", 1, 0}, {"111.00", 0, 0}}});
    s.enterPrice("113.5");
    s.registerPastPrice("112.5");
    EXPECT_EQ(s.listedLines(LIST1, ROWS_LIST1),
              (std::vector<Line>{{"113.00", 0, 0}, {"112.5", 0, 0}, {"112.00", 1, 0}}));
    s.clickRow(LIST1, 1);
    s.click(BUTTON3);
    EXPECT_EQ(s.lines(), (std::vector<Line>{{"113.00", 0, 1}, {"112.00", 1, 1}, {"111.00", 0, 0}}));
    EXPECT_EQ(s.toolkit.text(TEXT12), "残り登録可能数 296"); // as of its last registration
    s.click(BUTTON4);
    EXPECT_TRUE(s.choosingEnabled(false));
    s.click(BUTTON7);
    EXPECT_TRUE(s.choosingEnabled(true));
}

TEST(BothWindows, AListWhoseLinesAreAllDeletedEmpties) {
    Session s({.price = "112.00", .lines = {{"113.00", 0, 0}}});
    s.enterPrice("113");
    s.clickRow(LIST1, 0);
    s.click(BUTTON3);
    EXPECT_EQ(s.t().LINE_COUNT[0], 0);
    EXPECT_EQ(s.toolkit.itemCount(LIST1), 0);
    s.click(BUTTON3);
    EXPECT_EQ(s.t().LINE_COUNT[0], 0);
}

} // namespace
} // namespace kedravo::ui::test
