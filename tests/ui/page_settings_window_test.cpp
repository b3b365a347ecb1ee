#include "support/program_session.h"

namespace kedravo::ui::test {
namespace {

const std::string CLOSED_TEXT = "「閉じる」ボタン押すとこのページは閉鎖され\r\nラインデータは消えます";

// Registers what is typed into `slot`, opening the page settings window when it is not open yet.
void registerSlot(Session& s, int slot, const std::string& name, const std::string& names,
                  const std::string& spread = "0.01") {
    if (!s.toolkit.isVisible(FORM4))
        s.click(BUTTON10);
    s.pick(COMBO3, slot);
    s.type(EDIT6, name);
    s.type(EDIT7, names);
    s.type(EDIT8, spread);
    s.click(BUTTON8);
}

std::string numbered(int count, const std::string& after) {
    std::string text;
    for (int i = 1; i <= count; ++i)
        text += "n" + std::to_string(i) + after;
    return text;
}

std::vector<std::string> numberedNames(int count) {
    std::vector<std::string> names;
    for (int i = 1; i <= count; ++i)
        names.push_back("n" + std::to_string(i));
    return names;
}

TEST(PageSettings, OpeningShowsTheFirstSlotAsRegistered) {
    Session s({.timeFrames = {"5分", "日足"}});
    s.click(RADIO2);
    s.click(BUTTON10);
    EXPECT_TRUE(s.toolkit.isVisible(FORM4));
    EXPECT_TRUE(s.toolkit.isTopmost(FORM4));
    EXPECT_FALSE(s.toolkit.isVisible(MAINFORM));
    EXPECT_TRUE(s.toolkit.isChecked(RADIO1));
    EXPECT_EQ(s.toolkit.selected(COMBO3), 0);
    EXPECT_EQ(s.toolkit.item(COMBO3, 0), "　１ページ");
    EXPECT_EQ(s.toolkit.item(COMBO3, 9), "１０ページ");
    EXPECT_EQ(s.toolkit.text(EDIT6), "ドル円");
    EXPECT_EQ(s.toolkit.text(EDIT8), "0.01");
    EXPECT_EQ(s.toolkit.text(EDIT7), "5分\r\n日足\r\n");
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
        {"25 names, 20 taken", numbered(25, "\n"), numberedNames(20)},
        {"20 names and the empty line", numbered(20, "\n"), numberedNames(20)},
        {"a name wider than the box", "とても長い時間足の名前\n", {"とても長い時間足の名前"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Session s;
        registerSlot(s, 2, "ユーロ", c.typed);
        EXPECT_EQ(s.timeFrames(2), c.names);
        EXPECT_EQ(s.t().PAGE_NAME[2], "ユーロ");
        EXPECT_EQ(s.t().CUR_PAGE, 2);
        EXPECT_EQ(s.messages(), "");
    }
}

TEST(PageSettings, SpreadIsStoredCanonicalOrRefusedWithNothingChanged) {
    const struct {
        const char* typed;
        const char* stored; // empty: refused
    } cases[] = {{"0.010", "0.01"}, {"０．０２", "0.02"}, {"1", "1.00"}, {"0", ""}, {"abc", ""}, {"", ""}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        // Page 0 has lines but no time frames, as when the basic data file was lost.
        Session s({.timeFrames = {}, .lines = {{"112.5", 0, 2}}});
        registerSlot(s, 4, "ポンド", "日足\n", c.typed);
        if (*c.stored != '\0') {
            EXPECT_EQ(s.t().PAGE_SPREAD[4], c.stored);
            EXPECT_EQ(s.toolkit.text(EDIT8), c.stored);
            EXPECT_EQ(s.t().CUR_PAGE, 4);
            continue;
        }
        EXPECT_EQ(s.messages(), message("数値入力のエラー", "スプレッドの値が異常です"));
        EXPECT_EQ(s.t().CUR_PAGE, 0);
        EXPECT_EQ(s.t().PAGE_NAME[4], "");
        EXPECT_EQ(s.t().TF_COUNT[4], 0);
        EXPECT_EQ(s.lines(0), (std::vector<Line>{{"112.5", 0, 2}}));
        EXPECT_EQ(s.toolkit.text(EDIT6), "ポンド");
    }
}

TEST(PageSettings, NameBoxesRefuseTheDoubleQuote) {
    Session s;
    s.click(BUTTON10);
    for (const int box : {EDIT6, EDIT7, EDIT8}) {
        s.type(box, "1\"2");
        EXPECT_EQ(s.toolkit.text(box), "12") << box;
    }
}

TEST(PageSettings, EmptyNamesCloseThePageAndDeleteItsLines) {
    Session s({.timeFrames = {"日足"}, .lines = {{"113.00", 0, 1}, {"112.5", 0, 0}}});
    registerSlot(s, 0, "ドル円", "\n\n");
    EXPECT_EQ(s.messages(), message("設定に関するお知らせ", CLOSED_TEXT));
    EXPECT_EQ(s.t().PAGE_NAME[0], "");
    EXPECT_EQ(s.t().TF_COUNT[0], 0);
    EXPECT_TRUE(s.lines(0).empty());
    EXPECT_EQ(s.toolkit.text(EDIT6), "ドル円");
    s.click(BUTTON11);
    EXPECT_EQ(s.toolkit.text(EDIT6), "");
}

TEST(PageSettings, DefaultNameAndCancelShowTheRegisteredValues) {
    Session s;
    registerSlot(s, 2, "", "日足\n4h\n", "0.030");
    EXPECT_EQ(s.t().PAGE_NAME[2], "３ページ");
    EXPECT_EQ(s.toolkit.text(EDIT6), "３ページ");
    s.type(EDIT6, "別名");
    s.type(EDIT7, "週足");
    s.type(EDIT8, "5");
    s.click(BUTTON11);
    EXPECT_EQ(s.toolkit.text(EDIT6), "３ページ");
    EXPECT_EQ(s.toolkit.text(EDIT7), "日足\r\n4h\r\n");
    EXPECT_EQ(s.toolkit.text(EDIT8), "0.03");
}

TEST(PageSettings, ClosingSavesBothFilesSoThatARestartFindsTheSameSettings) {
    store::test::MemoryFileSystem files;
    prepareFiles(files, *earlierRun({.timeFrames = {"日足"}, .lines = {{"113.00", 0, 1}}}));
    {
        Session s(files);
        registerSlot(s, 0, "ドル円", "");
        registerSlot(s, 5, " ユーロ,ドル:1 ", " 5,分 \n1:時間\n");
        s.click(BUTTON9);
        EXPECT_TRUE(s.toolkit.isVisible(MAINFORM));
        EXPECT_FALSE(s.toolkit.isVisible(FORM4));
        EXPECT_EQ(s.items(COMBO1), (std::vector<std::string>{" ユーロ,ドル:1 "}));
        EXPECT_EQ(s.t().CUR_PAGE, 5);
        EXPECT_EQ(s.items(COMBO5), (std::vector<std::string>{"全部", " 5,分 ", "1:時間"}));
    }
    Session restarted(files);
    EXPECT_EQ(restarted.messages(), "");
    EXPECT_EQ(restarted.t().PAGE_NAME[0], "");
    EXPECT_TRUE(restarted.lines(0).empty());
    EXPECT_EQ(restarted.t().PAGE_NAME[5], " ユーロ,ドル:1 ");
    EXPECT_EQ(restarted.timeFrames(5), (std::vector<std::string>{" 5,分 ", "1:時間"}));
}

} // namespace
} // namespace kedravo::ui::test
