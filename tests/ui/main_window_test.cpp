#include "support/screen.h"
#include "ui/controls.h"
#include "ui/main_window.h"

#include <gtest/gtest.h>

namespace kedravo::ui::test {
namespace {

// The main window's choosing controls and openers, in the order a failure names them.
std::vector<std::string> enabledControls(platform::Toolkit& toolkit) {
    std::vector<std::string> names;
    for (const int control : {COMBO1, COMBO5, RADIO1, RADIO2, CHECK1, BUTTON1, BUTTON2, BUTTON10, BUTTON14, BUTTON17})
        if (toolkit.isEnabled(control))
            names.emplace_back(catalogue().controls[control].name);
    return names;
}

void showFirstPage(Screen& s) {
    COMBO1SET_SUB(s.c);
    WND1SET_SUB(s.c);
}

struct EnabledCase {
    const char* name;
    void (*arrange)(Screen&);
    std::vector<std::string> enabled;
};

TEST(MainWindow, EnablesItsControlsAsThePagesAndTheOpenWindowsRequire) {
    const EnabledCase cases[] = {
        {"no page in use", [](Screen& s) { showFirstPage(s); }, {"BUTTON10"}},
        {"a page without lines",
         [](Screen& s) {
             putPage(s.t, 0, {});
             showFirstPage(s);
         },
         {"COMBO1", "COMBO5", "RADIO1", "RADIO2", "CHECK1", "BUTTON1", "BUTTON2", "BUTTON10"}},
        {"a page with lines",
         [](Screen& s) {
             putPage(s.t, 0, {.lines = {{"112.5", 0, 0}}});
             showFirstPage(s);
         },
         {"COMBO1", "COMBO5", "RADIO1", "RADIO2", "CHECK1", "BUTTON1", "BUTTON2", "BUTTON10", "BUTTON14", "BUTTON17"}},
        {"a secondary window opened",
         [](Screen& s) {
             putPage(s.t, 0, {.lines = {{"112.5", 0, 0}}});
             showFirstPage(s);
             WND1ENA_SUB(s.c, false);
         },
         {"BUTTON1", "BUTTON2", "BUTTON14", "BUTTON17"}},
        {"the first page in use comes after an unused one",
         [](Screen& s) {
             putPage(s.t, 4, {.name = "ユーロ円", .lines = {{"160.5", 1, 2}}});
             showFirstPage(s);
         },
         {"COMBO1", "COMBO5", "RADIO1", "RADIO2", "CHECK1", "BUTTON1", "BUTTON2", "BUTTON10", "BUTTON14", "BUTTON17"}},
    };
    for (const EnabledCase& c : cases) {
        Screen s;
        c.arrange(s);
        EXPECT_EQ(enabledControls(s.toolkit), c.enabled) << c.name;
    }
}

struct ReopenCase {
    const char* name;
    std::int16_t FORM2_OPEN, FORM3_OPEN, FORM5_OPEN, FORM6_OPEN;
    bool enabledAgain;
};

TEST(MainWindow, EnablesTheChoosingControlsAgainOnlyOnceNoSecondaryWindowIsOpen) {
    const ReopenCase cases[] = {
        {"none open", 0, 0, 0, 0, true}, {"update window", 1, 0, 0, 0, false}, {"past price", 0, 1, 0, 0, false},
        {"deletion", 0, 0, 1, 0, false}, {"shift", 0, 0, 0, 1, false},         {"two open", 1, 0, 0, 1, false},
    };
    for (const ReopenCase& c : cases) {
        Screen s;
        putPage(s.t, 0, {.lines = {{"112.5", 0, 0}}});
        showFirstPage(s);
        WND1ENA_SUB(s.c, false);
        s.t.FORM2_OPEN = c.FORM2_OPEN;
        s.t.FORM3_OPEN = c.FORM3_OPEN;
        s.t.FORM5_OPEN = c.FORM5_OPEN;
        s.t.FORM6_OPEN = c.FORM6_OPEN;
        WND1ENA_SUB2(s.c);
        for (const int control : {RADIO1, RADIO2, BUTTON10, COMBO5, COMBO1, CHECK1})
            EXPECT_EQ(s.toolkit.isEnabled(control), c.enabledAgain) << c.name << ' ' << control;
    }
}

struct ResetCase {
    const char* name;
    bool buying;
    int filter;
    bool rebuilt;
};

TEST(MainWindow, ForcesTheSellingSideAndAllTimeFramesRebuildingOnlyWhenEitherChanged) {
    const ResetCase cases[] = {
        {"selling, all", false, 0, false},
        {"buying", true, 0, true},
        {"filtered", false, 2, true},
        {"buying and filtered", true, 1, true},
    };
    for (const ResetCase& c : cases) {
        Screen s;
        putPage(s.t, 0, {.lines = {{"112.5", 0, 0}}});
        showFirstPage(s);
        s.toolkit.setChecked(RADIO1, !c.buying);
        s.toolkit.setChecked(RADIO2, c.buying);
        s.toolkit.setSelected(COMBO5, c.filter);
        s.toolkit.setText(EDIT1, "before");
        WND1ENA_SUB(s.c, false);
        EXPECT_TRUE(s.toolkit.isChecked(RADIO1)) << c.name;
        EXPECT_FALSE(s.toolkit.isChecked(RADIO2)) << c.name;
        EXPECT_EQ(s.toolkit.selected(COMBO5), 0) << c.name;
        EXPECT_EQ(s.toolkit.text(EDIT1) != "before", c.rebuilt) << c.name;
    }
}

TEST(MainWindow, ListsTheNamedPagesInPageOrderWithoutChangingTheCurrentPage) {
    Screen s;
    putPage(s.t, 9, {.name = "ポンド円"});
    putPage(s.t, 3, {.name = "ユーロ円"});
    putPage(s.t, 0, {});
    s.t.CUR_PAGE = 5;
    COMBO1SET_SUB(s.c);
    EXPECT_EQ(s.toolkit.itemCount(COMBO1), 3);
    EXPECT_EQ(s.toolkit.item(COMBO1, 0), "ドル円");
    EXPECT_EQ(s.toolkit.item(COMBO1, 1), "ユーロ円");
    EXPECT_EQ(s.toolkit.item(COMBO1, 2), "ポンド円");
    EXPECT_EQ(s.t.COMBO1_PAGE[1], 3);
    EXPECT_EQ(s.t.COMBO1_PAGE[2], 9);
    EXPECT_EQ(s.toolkit.selected(COMBO1), 0);
    EXPECT_EQ(s.t.CUR_PAGE, 5);
    EXPECT_TRUE(COMBO1GET_SUB(s.c));
    EXPECT_EQ(s.t.CUR_PAGE, 0);
}

TEST(MainWindow, RefillingWithNoPageNamedSelectsNothingAndKeepsTheCurrentPage) {
    Screen s;
    putPage(s.t, 2, {});
    COMBO1SET_SUB(s.c);
    s.t.PAGE_NAME[2].clear();
    s.t.CUR_PAGE = 2;
    COMBO1SET_SUB(s.c);
    EXPECT_EQ(s.toolkit.itemCount(COMBO1), 0);
    EXPECT_FALSE(COMBO1GET_SUB(s.c));
    EXPECT_EQ(s.t.CUR_PAGE, 2);
}

TEST(MainWindow, ChangingThePageResetsTheFilterAndKeepsTheSide) {
    Screen s;
    putPage(s.t, 0, {.lines = {{"112.5", 0, 0}}});
    putPage(s.t, 1, {.name = "ユーロ円", .lines = {{"160.5", 1, 3}}});
    s.t.TF_NAME[1][1] = "週足";
    showFirstPage(s);
    s.toolkit.setChecked(RADIO1, false);
    s.toolkit.setChecked(RADIO2, true);
    s.toolkit.setSelected(COMBO5, 1);
    s.toolkit.setSelected(COMBO1, 1);
    COMBO1_CHANGE(s.c, MAINFORM);
    EXPECT_EQ(s.t.CUR_PAGE, 1);
    EXPECT_EQ(s.toolkit.item(COMBO5, 2), "週足");
    EXPECT_EQ(s.toolkit.selected(COMBO5), 0);
    EXPECT_TRUE(s.toolkit.isChecked(RADIO2));
    EXPECT_EQ(s.toolkit.text(EDIT1), "160.51（週足）3回");
}

TEST(MainWindow, FillsTheFilterWithAllTimeFramesOfTheCurrentPage) {
    const std::pair<std::int16_t, std::vector<std::string>> cases[] = {
        {0, {"全部"}}, {1, {"全部", "日足"}}, {2, {"全部", "日足", "4h"}}};
    for (const auto& [count, items] : cases) {
        Screen s;
        putPage(s.t, 0, {});
        s.t.TF_COUNT[0] = count;
        COMBO5SET_SUB(s.c);
        std::vector<std::string> shown;
        for (int k = 0; k < s.toolkit.itemCount(COMBO5); ++k)
            shown.push_back(s.toolkit.item(COMBO5, k));
        EXPECT_EQ(shown, items) << count;
        EXPECT_EQ(s.toolkit.selected(COMBO5), 0) << count;
    }
}

} // namespace
} // namespace kedravo::ui::test
