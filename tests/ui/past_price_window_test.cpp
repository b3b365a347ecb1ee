#include "windows_fixture.h"

namespace kedravo::ui::test {
namespace {

const std::vector<Line> PAGE = {{"113.00", 0, 2}, {"112.00", 1, 0}};

std::vector<Line> fullPage(int n) {
    std::vector<Line> lines;
    for (int i = 0; i < n; ++i)
        lines.push_back({std::to_string(400 - i) + ".00", 0, 0});
    return lines;
}

TEST(PastPriceWindow, OpeningOffersThePageTimeFramesAndTheRemainingCount) {
    struct Case {
        int timeFrames;
        std::vector<std::string> offered;
    };
    const Case cases[] = {{2, {"日足", "4h"}}, {0, {""}}};
    for (const Case& c : cases) {
        Windows w;
        w.showPage(PAGE, "112.50", c.timeFrames);
        w.click(RADIO2);
        w.toolkit.setEnabled(BUTTON6, false);
        w.click(BUTTON1);
        EXPECT_TRUE(w.toolkit.isVisible(FORM3));
        EXPECT_TRUE(w.toolkit.isTopmost(FORM3));
        EXPECT_EQ(w.t.FORM3_OPEN, 1);
        EXPECT_FALSE(w.toolkit.isEnabled(BUTTON1));
        EXPECT_TRUE(w.toolkit.isEnabled(BUTTON6));
        EXPECT_TRUE(w.choosingEnabled(false));
        EXPECT_TRUE(w.toolkit.isChecked(RADIO1));
        EXPECT_EQ(w.toolkit.text(TEXT12), "残り登録可能数 298");
        EXPECT_EQ(w.items(COMBO2), c.offered);
        EXPECT_EQ(w.toolkit.selected(COMBO2), 0);
    }
}

TEST(PastPriceWindow, AFullPageIsRefusedWithAWarningAndTheWindowStaysClosed) {
    Windows w;
    w.showPage(fullPage(LINE_MAX), "112.50");
    w.click(BUTTON1);
    EXPECT_EQ(w.transcript.str(),
              "message \"入力エラーメッセージ\" \"登録数が限界です。任意にデータを削除して下さい。\"\n");
    EXPECT_FALSE(w.toolkit.isVisible(FORM3));
    EXPECT_EQ(w.t.FORM3_OPEN, 0);
    EXPECT_TRUE(w.toolkit.isEnabled(BUTTON1));
    EXPECT_TRUE(w.choosingEnabled(true));
    EXPECT_EQ(w.toolkit.text(TEXT12), "残り登録可能数 0");
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
        Windows w;
        w.showPage(PAGE, "112.50");
        w.click(BUTTON1);
        w.pick(COMBO2, 1);
        w.type(EDIT5, c.typed);
        w.toolkit.setText(EDIT1, "stale");
        w.click(BUTTON6);
        EXPECT_NE(w.toolkit.text(EDIT1), "stale") << c.typed;
        if (*c.price == '\0') {
            EXPECT_EQ(w.transcript.str(), "message \"入力エラーメッセージ\" \"もう一度価格の設定をして下さい\"\n");
            EXPECT_EQ(w.lines(), PAGE) << c.typed;
            EXPECT_EQ(w.t.PAST_MODE, 0) << c.typed;
            continue;
        }
        EXPECT_EQ(w.transcript.str(), "") << c.typed;
        std::vector<Line> expected = PAGE;
        expected.insert(expected.begin() + c.at, {c.price, 1, 0});
        EXPECT_EQ(w.lines(), expected) << c.typed;
        EXPECT_EQ(w.t.PAST_MODE, 1);
        EXPECT_EQ(w.t.PAST_PRICE, c.price);
        EXPECT_EQ(w.t.PAST_TF, 1);
        EXPECT_EQ(w.toolkit.text(TEXT1), c.price);
        EXPECT_EQ(w.toolkit.text(TEXT2), "4h");
        EXPECT_EQ(w.toolkit.text(TEXT12), "残り登録可能数 297");
        EXPECT_EQ(w.toolkit.text(EDIT5), c.typed);
    }
}

TEST(PastPriceWindow, TheLastFreeSlotDisablesRegisteringUntilTheWindowOpensOnAPageWithRoom) {
    Windows w;
    w.showPage(fullPage(LINE_MAX - 1), "112.50");
    w.click(BUTTON1);
    EXPECT_EQ(w.toolkit.text(TEXT12), "残り登録可能数 1");
    w.type(EDIT5, "100");
    w.click(BUTTON6);
    EXPECT_EQ(w.t.LINE_COUNT[0], LINE_MAX);
    EXPECT_EQ(w.toolkit.text(TEXT12), "残り登録可能数 0");
    EXPECT_EQ(w.toolkit.click(BUTTON6), platform::Refusal::Disabled);
    w.click(BUTTON7);
    w.t.LINE_COUNT[0] = 10;
    w.click(BUTTON1);
    EXPECT_TRUE(w.toolkit.isEnabled(BUTTON6));
    EXPECT_EQ(w.toolkit.text(TEXT12), "残り登録可能数 290");
}

TEST(PastPriceWindow, ClosingReturnsTheMainWindowToTheCurrentPrice) {
    Windows w;
    w.showPage(PAGE, "112.50");
    w.click(BUTTON1);
    w.type(EDIT5, "112.75");
    w.click(BUTTON6);
    w.click(BUTTON7);
    EXPECT_FALSE(w.toolkit.isVisible(FORM3));
    EXPECT_EQ(w.t.FORM3_OPEN, 0);
    EXPECT_EQ(w.t.PAST_MODE, 0);
    EXPECT_EQ(w.toolkit.text(TEXT1), "112.50");
    EXPECT_EQ(w.toolkit.text(TEXT2), "2024/01/02_03:04:05");
    EXPECT_TRUE(w.toolkit.isEnabled(BUTTON1));
    EXPECT_TRUE(w.choosingEnabled(true));
}

// Lines registered in one window reach the other's open list through a fresh row map.
TEST(BothWindows, EachListAndRowMapFollowsLinesRegisteredInTheOther) {
    Windows w;
    w.showPage({{"113.00", 0, 0}, {"112.00", 1, 0}, {"111.00", 0, 0}}, "112.00");
    w.click(BUTTON2);
    w.dialogs.answerInput("113.5");
    w.click(BUTTON5);
    w.click(BUTTON1);
    w.type(EDIT5, "112.5");
    w.click(BUTTON6);
    EXPECT_EQ(w.list1Lines(), (std::vector<Line>{{"113.00", 0, 0}, {"112.5", 0, 0}, {"112.00", 1, 0}}));
    w.clickRow(LIST1, 1);
    w.click(BUTTON3);
    EXPECT_EQ(w.lines(), (std::vector<Line>{{"113.00", 0, 1}, {"112.00", 1, 1}, {"111.00", 0, 0}}));
    EXPECT_EQ(w.toolkit.text(TEXT12), "残り登録可能数 296"); // as of its last registration
    w.click(BUTTON4);
    EXPECT_TRUE(w.choosingEnabled(false));
    w.click(BUTTON7);
    EXPECT_TRUE(w.choosingEnabled(true));
}

TEST(BothWindows, AListWhoseLinesAreAllDeletedEmpties) {
    Windows w;
    w.showPage({{"113.00", 0, 0}}, "112.00");
    w.click(BUTTON2);
    w.dialogs.answerInput("113");
    w.click(BUTTON5);
    w.clickRow(LIST1, 0);
    w.click(BUTTON3);
    EXPECT_EQ(w.t.LINE_COUNT[0], 0);
    EXPECT_EQ(w.toolkit.itemCount(LIST1), 0);
    w.click(BUTTON3);
    EXPECT_EQ(w.t.LINE_COUNT[0], 0);
}

} // namespace
} // namespace kedravo::ui::test
