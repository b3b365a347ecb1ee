#include "program_session.h"

namespace kedravo::ui::test {
namespace {

// Opens the page settings window and registers what is typed into `slot`.
void registerSlot(Session& s, int slot, const std::string& name, const std::string& names,
                  const std::string& spread = "0.01") {
    s.click(BUTTON10);
    s.pick(COMBO3, slot);
    s.type(EDIT6, name);
    s.type(EDIT7, names);
    s.type(EDIT8, spread);
    s.click(BUTTON8);
}

// "n1\nn2\n…": every name followed by a line break, as the window shows them.
std::string numbered(int count) {
    std::string text;
    for (int i = 1; i <= count; ++i)
        text += "n" + std::to_string(i) + "\n";
    return text;
}

std::vector<std::string> numberedNames(int count) {
    std::vector<std::string> names;
    for (int i = 1; i <= count; ++i)
        names.push_back("n" + std::to_string(i));
    return names;
}

TEST(PageSettings, TimeFrameNamesAreTheLinesOfTheNameBox) {
    const struct {
        const char* name;
        std::string typed;
        std::vector<std::string> names;
    } cases[] = {
        {"trailing empty line dropped", "5分\n日足\n", {"5分", "日足"}},
        {"no trailing line", "5分\n日足", {"5分", "日足"}},
        {"empty line inside kept", "5分\n\n日足", {"5分", "", "日足"}},
        {"25 names, 20 taken", numbered(25), numberedNames(20)},
        {"20 names and the empty line", numbered(20), numberedNames(20)},
    };
    for (const auto& c : cases) {
        store::test::MemoryFileSystem files;
        Session s(files);
        registerSlot(s, 2, "ユーロ", c.typed);
        EXPECT_EQ(s.timeFrames(2), c.names) << c.name;
        EXPECT_EQ(s.t().PAGE_NAME[2], "ユーロ") << c.name;
        EXPECT_EQ(s.t().CUR_PAGE, 2) << c.name;
        EXPECT_EQ(s.messages(), "") << c.name;
    }
}

TEST(PageSettings, SpreadIsStoredCanonicalOrRefusedWithNothingChanged) {
    const struct {
        const char* typed;
        const char* stored; // empty: refused
    } cases[] = {{"0.010", "0.01"}, {"０．０２", "0.02"}, {"1", "1.00"}, {"0", ""}, {"abc", ""}, {"", ""}};
    for (const auto& c : cases) {
        // Page 0 has lines but no time frames, as when the basic data file was lost.
        store::test::MemoryFileSystem files;
        prepareFiles(files, {}, {{"112.5", 0, 2}});
        Session s(files);
        registerSlot(s, 4, "ポンド", "日足\n", c.typed);
        if (*c.stored != '\0') {
            EXPECT_EQ(s.t().PAGE_SPREAD[4], c.stored) << c.typed;
            EXPECT_EQ(s.toolkit.text(EDIT8), c.stored) << c.typed;
            EXPECT_EQ(s.t().CUR_PAGE, 4) << c.typed;
            continue;
        }
        EXPECT_EQ(s.messages(), message("数値入力のエラー", "スプレッドの値が異常です")) << c.typed;
        EXPECT_EQ(s.t().CUR_PAGE, 0) << c.typed;
        EXPECT_EQ(s.t().PAGE_NAME[4], "") << c.typed;
        EXPECT_EQ(s.t().TF_COUNT[4], 0) << c.typed;
        EXPECT_EQ(s.lines(0), (std::vector<Line>{{"112.5", 0, 2}})) << c.typed;
        EXPECT_EQ(s.toolkit.text(EDIT6), "ポンド") << c.typed;
    }
}

} // namespace
} // namespace kedravo::ui::test
