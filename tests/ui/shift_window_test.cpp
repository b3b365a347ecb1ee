#include "support/program_session.h"

namespace kedravo::ui::test {
namespace {

const std::vector<Line> PAGE = {{"113.00", 0, 3}, {"112.5", 1, 0}, {"112.00", 0, 1}};
constexpr int NONE = -1;

TEST(Shift, OpeningListsEveryLineWithNoTimeFrameChosen) {
    Session s({.lines = PAGE});
    s.click(BUTTON17);
    EXPECT_EQ(s.t().FORM6_OPEN, 1);
    EXPECT_TRUE(s.toolkit.isTopmost(FORM6));
    EXPECT_FALSE(s.toolkit.isEnabled(BUTTON17));
    EXPECT_EQ(s.items(COMBO7), (std::vector<std::string>{"日足", "4h"}));
    EXPECT_EQ(s.toolkit.selected(COMBO7), NONE);
    EXPECT_EQ(s.items(LIST3),
              (std::vector<std::string>{"113.00（日足）3回", "112.5 （4h）  0回", "112.00（日足）1回"}));
    s.clickRow(LIST3, 1);
    EXPECT_EQ(s.toolkit.selected(COMBO7), 1);
    EXPECT_EQ(s.toolkit.text(EDIT9), "112.5");
}

TEST(Shift, MovesTheSelectedLineAndKeepsItsCount) {
    const struct {
        const char* name;
        int row;
        int timeFrame; // picked after the row, NONE: as the row loaded it
        const char* price;
        std::vector<Line> after;
        std::string messages;
    } cases[] = {
        {"highest below all", 0, NONE, "111.5", {PAGE[1], PAGE[2], {"111.5", 0, 3}}, ""},
        {"only the time frame", 1, 0, "112.5", {PAGE[0], {"112.5", 0, 0}, PAGE[2]}, ""},
        {"full-width digits", 2, NONE, "１１２．２５", {PAGE[0], PAGE[1], {"112.25", 0, 1}}, ""},
        {"unusable price", 0, NONE, "0", PAGE, message("入力エラーメッセージ", "もう一度価格の設定をして下さい")},
        {"no row selected", NONE, 1, "100", PAGE, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Session s({.lines = PAGE});
        s.click(BUTTON17);
        if (c.row != NONE)
            s.clickRow(LIST3, c.row);
        if (c.timeFrame != NONE)
            s.pick(COMBO7, c.timeFrame);
        s.type(EDIT9, c.price);
        s.click(BUTTON15);
        EXPECT_EQ(s.lines(), c.after);
        EXPECT_EQ(s.messages(), c.messages);
        EXPECT_EQ(s.toolkit.selected(LIST3), c.row);
        EXPECT_EQ(s.toolkit.text(EDIT9), c.price);
        EXPECT_EQ(s.toolkit.itemCount(LIST3), 3);
    }
}

TEST(Shift, WithoutATimeFrameNothingChangesAndNothingIsRedrawn) {
    Session s({.lines = PAGE});
    s.click(BUTTON17);
    s.type(EDIT9, "100");
    const std::string shown = s.toolkit.text(EDIT1);
    s.t().LINE_CROSS[0][0] = 7; // a redraw would show this
    s.click(BUTTON15);
    EXPECT_EQ(s.toolkit.text(EDIT1), shown);
    EXPECT_EQ(s.t().LINE_PRICE[0][0], "113.00");
    EXPECT_EQ(s.messages(), "");
}

TEST(Shift, ReopeningKeepsThePriceAndTheRowButNoTimeFrame) {
    Session s({.lines = PAGE});
    s.click(BUTTON17);
    s.clickRow(LIST3, 2);
    s.click(BUTTON16);
    EXPECT_EQ(s.t().FORM6_OPEN, 0);
    EXPECT_FALSE(s.toolkit.isVisible(FORM6));
    EXPECT_TRUE(s.toolkit.isVisible(MAINFORM));
    EXPECT_TRUE(s.toolkit.isEnabled(BUTTON17));
    EXPECT_TRUE(s.toolkit.isEnabled(COMBO1));
    s.click(BUTTON17);
    EXPECT_EQ(s.toolkit.text(EDIT9), "112.00");
    EXPECT_EQ(s.toolkit.selected(LIST3), 2);
    EXPECT_EQ(s.toolkit.selected(COMBO7), NONE);
}

} // namespace
} // namespace kedravo::ui::test
