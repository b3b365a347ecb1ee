#include "program_session.h"

namespace kedravo::ui::test {
namespace {

// Highest first, as the lists show them: rows of 4h are LIST2 rows 0 and 1 with the 4h filter.
const std::vector<Line> PAGE = {{"113.00", 0, 1}, {"112.75", 1, 2}, {"112.5", 0, 0}, {"112.25", 1, 3}};

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
        store::test::MemoryFileSystem files;
        prepareFiles(files, {"日足", "4h"}, PAGE);
        Session s(files);
        s.click(BUTTON14);
        s.pick(COMBO6, c.filter);
        for (const int row : c.rows)
            s.clickRow(LIST2, row);
        s.click(BUTTON12);
        EXPECT_EQ(s.lines(), c.left) << c.name;
        EXPECT_EQ(s.toolkit.selected(COMBO6), 0) << c.name;
        EXPECT_EQ(s.toolkit.itemCount(LIST2), static_cast<int>(c.left.size())) << c.name;
        EXPECT_EQ(s.toolkit.selected(LIST2), -1) << c.name;
    }
}

} // namespace
} // namespace kedravo::ui::test
