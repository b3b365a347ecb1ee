#include "store/data_files.h"
#include "support/cases.h"
#include "support/program_session.h"

#include <gtest/gtest.h>

namespace kedravo::ui::test {
namespace {

const std::string OTHERS = "someone else's bytes\r\n";
const std::string ASIDE_PRICE = "/data/160301_093005価格データ.TXT";
const std::string ASIDE_BASIC = "/data/160301_093005基本データ.TXT";

std::string told(const std::string& file, const std::string& aside) {
    return message("データファイル警告",
                   file +
                       "はほかのプログラムによって書き換えられています。\r\n書き換えられたファイルはそのまま"
                       "残し、このプログラムのデータを次のファイルに保存しました。\r\n" +
                       aside);
}

void setSpread(Session& s, const std::string& spread) {
    s.click(BUTTON10);
    s.type(EDIT8, spread);
    s.click(BUTTON8);
    s.click(BUTTON9);
}

struct Case {
    const char* name;
    std::string path;
    std::string aside;
    void (*change)(Session&, int n);
    const char* holds[2]; // what the copy beside holds after the first change, then after the exit
    bool savedAtExit;     // the basic data file is written only as its settings change
};

// A file replaced while the program runs (a backup restored, a synced copy) stays as it is; the program's data
// go beside it, to one copy that every later save and the exit keep up to date. The trader is told at the first
// save and again when the exit saves it.
TEST(OutsideChanges, AFileSomeoneElseWroteIsKeptAndTheProgramsDataGoBesideIt) {
    const Case cases[] = {
        {"price data",
         std::string(DATA_DIR) + store::PRICE_FILE,
         ASIDE_PRICE,
         [](Session& s, int n) { s.registerPastPrice(n == 0 ? "112.6" : "113.7"), s.click(BUTTON7); },
         {"112.6, 0", "113.7, 0"},
         true},
        {"basic data",
         std::string(DATA_DIR) + store::BASIC_FILE,
         ASIDE_BASIC,
         [](Session& s, int n) { setSpread(s, n == 0 ? "0.05" : "0.07"); },
         {",0.05\r\n", ",0.07\r\n"},
         false},
    };
    kedravo::test::eachCase(cases, [&](const Case& c) {
        Session s({.timeFrames = {"日足"}, .lines = {{"112.5", 0, 1}}});
        s.files.seed(c.path, OTHERS);
        c.change(s, 0);
        EXPECT_EQ(s.messages(), told(c.path, c.aside));
        EXPECT_NE(s.files.contents(c.aside).value_or("").find(c.holds[0]), std::string::npos);
        c.change(s, 1);
        ASSERT_EQ(s.toolkit.closeWindow(MAINFORM), platform::Refusal::None);
        EXPECT_EQ(s.messages(), told(c.path, c.aside) + (c.savedAtExit ? told(c.path, c.aside) : ""));
        EXPECT_EQ(s.files.contents(c.path), OTHERS);
        EXPECT_NE(s.files.contents(c.aside).value_or("").find(c.holds[1]), std::string::npos);
    });
}

TEST(OutsideChanges, AFileThatVanishedIsWrittenAgainAndAnUntouchedOneAsBefore) {
    Session s({.timeFrames = {"日足"}, .lines = {{"112.5", 0, 1}}});
    const std::string path = std::string(DATA_DIR) + store::PRICE_FILE;
    s.registerPastPrice("112.6");
    s.files.remove(path);
    s.registerPastPrice("113.7");
    EXPECT_EQ(s.messages(), "");
    EXPECT_NE(s.files.contents(path).value_or("").find("113.7, 0"), std::string::npos);
    EXPECT_FALSE(s.files.contents(ASIDE_PRICE));
}

} // namespace
} // namespace kedravo::ui::test
