#include "support/screen.h"
#include "ui/controls.h"
#include "ui/line_display.h"
#include "ui/main_window.h"

#include <gtest/gtest.h>

namespace kedravo::ui::test {
namespace {

const std::vector<Line> TWO_LINES = {{"112.00", 1, 0}, {"112.5", 0, 1}};

// Page 0 on screen with its current price between its two lines.
void showTwoLines(Screen& s) {
    putPage(s.t, 0, {.price = "112.25", .lines = TWO_LINES});
    COMBO1SET_SUB(s.c);
    WND1SET_SUB(s.c);
}

std::vector<std::string> items(platform::Toolkit& toolkit, int list) {
    std::vector<std::string> shown;
    for (int k = 0; k < toolkit.itemCount(list); ++k)
        shown.push_back(toolkit.item(list, k));
    return shown;
}

struct DisplayCase {
    const char* name;
    bool buying;
    int filter;
    const char* upper;
    const char* lower;
    const char* price;
};

TEST(LineDisplay, PutsThePagesLinesAroundTheReferenceOnScreen) {
    const DisplayCase cases[] = {
        {"selling", false, 0, "112.5 （日足）1回\r\n", "112.00（4h）  0回", "112.25"},
        {"buying", true, 0, "112.51（日足）1回\r\n", "112.01（4h）  0回", "112.26"},
        {"日足 only", false, 1, "112.5 （日足）1回\r\n", "", "112.25"},
        {"4h only", false, 2, "", "112.00（4h）  0回", "112.25"},
    };
    for (const DisplayCase& c : cases) {
        Screen s;
        showTwoLines(s);
        s.toolkit.setChecked(RADIO1, !c.buying);
        s.toolkit.setChecked(RADIO2, c.buying);
        s.toolkit.setSelected(COMBO5, c.filter);
        数値リスト化_SUB(s.c);
        EXPECT_EQ(s.toolkit.text(EDIT1), c.upper) << c.name;
        EXPECT_EQ(s.toolkit.text(EDIT2), c.lower) << c.name;
        EXPECT_EQ(s.toolkit.text(TEXT1), c.price) << c.name;
        EXPECT_EQ(s.toolkit.text(TEXT2), "2024/01/02_03:04:05") << c.name;
        EXPECT_EQ(s.t.LINE_PRICE[0][0], "112.5") << c.name << ": the rebuild sorts the stored lines";
    }
}

TEST(LineDisplay, TheDeleteAndShiftButtonsFollowTheLineCount) {
    Screen s;
    showTwoLines(s);
    for (const int count : {0, 1, 0}) {
        s.t.LINE_COUNT[0] = static_cast<std::int16_t>(count);
        数値リスト化_SUB(s.c);
        EXPECT_EQ(s.toolkit.isEnabled(BUTTON14), count > 0) << count;
        EXPECT_EQ(s.toolkit.isEnabled(BUTTON17), count > 0) << count;
        if (count == 0) {
            EXPECT_EQ(s.toolkit.text(EDIT1), "");
            EXPECT_EQ(s.toolkit.text(EDIT2), "");
        }
    }
}

struct CrossedCase {
    const char* name;
    const char* stored;
    std::vector<std::string> rows;
};

TEST(LineDisplay, TheCrossedListIsLeftAsItIsWhenNothingCanBeCrossed) {
    const CrossedCase cases[] = {
        {"no current price stored", "", {"earlier row"}},
        {"a move over both lines", "111.5", {"112.5 （日足）2回", "112.00（4h）  1回"}},
    };
    for (const CrossedCase& c : cases) {
        Screen s;
        showTwoLines(s);
        s.t.CUR_PRICE[0] = c.stored;
        s.t.LAST_PRICE = "113.00";
        s.toolkit.addItem(LIST1, "earlier row");
        LIST1ADD_SUB(s.c);
        EXPECT_EQ(items(s.toolkit, LIST1), c.rows) << c.name;
    }
}

TEST(LineDisplay, TheDeletionListFollowsItsOwnFilter) {
    const std::pair<int, std::vector<std::string>> cases[] = {
        {0, {"112.5 （日足）1回", "112.00（4h）  0回"}}, {2, {"112.00（4h）0回"}}, {-1, {}}};
    for (const auto& [filter, rows] : cases) {
        Screen s;
        showTwoLines(s);
        for (const char* item : {"全部", "日足", "4h"})
            s.toolkit.addItem(COMBO6, item);
        s.toolkit.setSelected(COMBO6, filter);
        s.toolkit.addItem(LIST2, "earlier row");
        LIST2ADD_SUB(s.c);
        EXPECT_EQ(items(s.toolkit, LIST2), rows) << filter;
    }
}

struct ShiftCase {
    const char* name;
    int selected;
    std::int16_t lines;
    int selectedAfter;
};

TEST(LineDisplay, TheShiftListKeepsItsSelectionByPosition) {
    const ShiftCase cases[] = {
        {"first row", 0, 2, 0},          {"last row", 1, 2, 1},       {"last row after a deletion", 1, 1, -1},
        {"nothing selected", -1, 2, -1}, {"no lines left", 0, 0, -1},
    };
    for (const ShiftCase& c : cases) {
        Screen s;
        showTwoLines(s);
        LIST3ADD_SUB(s.c);
        s.toolkit.setSelected(LIST3, c.selected);
        s.t.LINE_COUNT[0] = c.lines;
        LIST3ADD_SUB(s.c);
        EXPECT_EQ(s.toolkit.itemCount(LIST3), c.lines) << c.name;
        EXPECT_EQ(s.toolkit.selected(LIST3), c.selectedAfter) << c.name;
    }
}

struct RefreshCase {
    const char* name;
    std::int16_t FORM2_OPEN, FORM5_OPEN, FORM6_OPEN;
};

TEST(LineDisplay, TheRefreshRebuildsTheMainWindowAndOnlyTheOpenLists) {
    const RefreshCase cases[] = {
        {"none open", 0, 0, 0}, {"update", 1, 0, 0}, {"deletion", 0, 1, 0}, {"shift", 0, 0, 1}, {"all", 1, 1, 1},
    };
    for (const RefreshCase& c : cases) {
        Screen s;
        showTwoLines(s);
        s.t.LAST_PRICE = "113.00";
        s.toolkit.setText(EDIT1, "stale");
        for (const int list : {LIST1, LIST2, LIST3})
            s.toolkit.addItem(list, "stale");
        s.toolkit.addItem(COMBO6, "全部");
        s.toolkit.setSelected(COMBO6, 0);
        s.t.FORM2_OPEN = c.FORM2_OPEN;
        s.t.FORM5_OPEN = c.FORM5_OPEN;
        s.t.FORM6_OPEN = c.FORM6_OPEN;
        LISTSET_SUB(s.c);
        EXPECT_NE(s.toolkit.text(EDIT1), "stale") << c.name;
        EXPECT_EQ(s.toolkit.item(LIST1, 0) != "stale", c.FORM2_OPEN == 1) << c.name;
        EXPECT_EQ(s.toolkit.item(LIST2, 0) != "stale", c.FORM5_OPEN == 1) << c.name;
        EXPECT_EQ(s.toolkit.item(LIST3, 0) != "stale", c.FORM6_OPEN == 1) << c.name;
    }
}

} // namespace
} // namespace kedravo::ui::test
