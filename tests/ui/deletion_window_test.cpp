#include "support/program_session.h"

namespace kedravo::ui::test {
namespace {

// Highest first, as the lists show them: rows of 4h are LIST2 rows 0 and 1 with the 4h filter.
const std::vector<Line> PAGE = {{"113.00", 0, 1}, {"112.75", 1, 2}, {"112.5", 0, 0}, {"112.25", 1, 3}};

TEST(Deletion, OpeningListsThePageAndLocksTheMainWindow) {
    Session s({.lines = PAGE});
    s.click(BUTTON14);
    EXPECT_EQ(s.t().FORM5_OPEN, 1);
    EXPECT_TRUE(s.toolkit.isVisible(FORM5));
    EXPECT_TRUE(s.toolkit.isTopmost(FORM5));
    EXPECT_FALSE(s.toolkit.isEnabled(BUTTON14));
    EXPECT_FALSE(s.toolkit.isEnabled(COMBO1));
    EXPECT_EQ(s.items(COMBO6), (std::vector<std::string>{"全部", "日足", "4h"}));
    EXPECT_EQ(s.toolkit.selected(COMBO6), 0);
    EXPECT_EQ(s.toolkit.itemCount(LIST2), 4);
    s.pick(COMBO6, 2);
    EXPECT_EQ(s.items(LIST2), (std::vector<std::string>{"112.75（4h）2回", "112.25（4h）3回"}));
}

TEST(Deletion, DeletesExactlyTheSelectedRows) {
    const struct {
        const char* name;
        int filter;
        std::vector<int> rows;
        std::vector<Line> left;
    } cases[] = {
        {"no row selected", 0, {}, PAGE},
        {"two rows of 4h", 2, {0, 1}, {PAGE[0], PAGE[2]}},
        {"one row of all", 0, {2}, {PAGE[0], PAGE[1], PAGE[3]}},
        {"a row clicked twice", 0, {1, 1}, PAGE},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Session s({.lines = PAGE});
        s.click(BUTTON14);
        s.pick(COMBO6, c.filter);
        for (const int row : c.rows)
            s.clickRow(LIST2, row);
        s.click(BUTTON12);
        EXPECT_EQ(s.lines(), c.left);
        EXPECT_EQ(s.toolkit.selected(COMBO6), 0);
        EXPECT_EQ(s.toolkit.itemCount(LIST2), static_cast<int>(c.left.size()));
        EXPECT_EQ(s.toolkit.selected(LIST2), -1);
    }
}

TEST(Deletion, SelectionSurvivesTheShiftWindowOpeningWithItsOwnRows) {
    Session s({.lines = PAGE});
    s.click(BUTTON14);
    s.pick(COMBO6, 2);
    s.clickRow(LIST2, 0);
    s.clickRow(LIST2, 1);
    s.click(BUTTON17);
    EXPECT_EQ(s.toolkit.itemCount(LIST3), 4);
    s.click(BUTTON12);
    EXPECT_EQ(s.lines(), (std::vector<Line>{PAGE[0], PAGE[2]}));
    EXPECT_EQ(s.toolkit.itemCount(LIST3), 2);
}

TEST(Deletion, DeletingEveryLineKeepsTheWindowOpenAndReopensEmpty) {
    Session s({.lines = PAGE});
    s.click(BUTTON14);
    for (int row = 0; row < 4; ++row)
        s.clickRow(LIST2, row);
    s.click(BUTTON12);
    EXPECT_TRUE(s.lines().empty());
    EXPECT_TRUE(s.toolkit.isVisible(FORM5));
    EXPECT_EQ(s.toolkit.itemCount(LIST2), 0);
    EXPECT_FALSE(s.toolkit.isEnabled(BUTTON14));
    EXPECT_FALSE(s.toolkit.isEnabled(BUTTON17));
    s.click(BUTTON13);
    EXPECT_EQ(s.t().FORM5_OPEN, 0);
    EXPECT_FALSE(s.toolkit.isVisible(FORM5));
    EXPECT_TRUE(s.toolkit.isEnabled(BUTTON14));
    EXPECT_TRUE(s.toolkit.isEnabled(COMBO1));
    s.click(BUTTON14);
    EXPECT_EQ(s.toolkit.itemCount(LIST2), 0);
}

} // namespace
} // namespace kedravo::ui::test
