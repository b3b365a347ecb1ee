#include "store/data_files.h"
#include "support/program_session.h"

#include <gtest/gtest.h>

namespace kedravo::ui::test {
namespace {

using platform::IoError;
using store::test::Op;

const std::string PRICE_PATH = std::string(DATA_DIR) + store::PRICE_FILE;
const std::string POSTPONED =
    message("保存エラー", PRICE_PATH + "に保存できませんでした（書込みまたは読込みが許可されていません）。\r\n次の変更"
                                       "の時と終了の時に再度保存します。");

// A data folder that takes no new file until `open` is set.
void blockSaves(store::test::MemoryFileSystem& files, const bool& open) {
    files.fault = [&open](const store::test::Operation& o) {
        return !open && o.op == Op::CreateNew && o.path.starts_with(DATA_DIR) ? IoError::NoPermission : IoError::None;
    };
}

TEST(Commit, ASaveThatFailsIsToldOnceAChangeAndMadeGoodByTheNextChange) {
    store::test::MemoryFileSystem files;
    prepareFiles(files, *earlierRun({.timeFrames = {"日足"}, .lines = {{"112.5", 0, 1}}}));
    const std::string before = *files.contents(PRICE_PATH);
    bool open = false;
    blockSaves(files, open);
    Session s(files);
    s.registerPastPrice("112.6");
    s.registerPastPrice("113");
    EXPECT_EQ(s.messages(), POSTPONED + POSTPONED);
    EXPECT_EQ(*files.contents(PRICE_PATH), before);
    open = true;
    s.registerPastPrice("114");
    const std::string saved = *files.contents(PRICE_PATH);
    for (const char* line : {"112.6, 0 , 0", "113.00, 0 , 0", "114.00, 0 , 0"})
        EXPECT_NE(saved.find(line), std::string::npos) << line;
}

TEST(Commit, AtExitTheEmergencyCopyHoldsWhatNoSaveDuringTheSessionCouldStore) {
    store::test::MemoryFileSystem files;
    prepareFiles(files, *earlierRun({.timeFrames = {"日足"}}));
    const bool open = false;
    blockSaves(files, open);
    Session s(files);
    s.registerPastPrice("112.6");
    s.click(BUTTON7);
    ASSERT_EQ(s.toolkit.closeWindow(MAINFORM), platform::Refusal::None);
    const std::optional<std::string> copy = files.contents("/cwd/160301_093005価格データ.TXT");
    ASSERT_TRUE(copy);
    EXPECT_NE(copy->find("112.6,"), std::string::npos);
}

// Each of these leaves what the files hold as it was, so nothing is written and there is nothing to undo.
TEST(Commit, AHandlerThatChangesNothingWritesNothing) {
    const struct {
        const char* name;
        void (*act)(Session&);
    } cases[] = {
        {"a deletion with no row selected", [](Session& s) { s.click(BUTTON14), s.click(BUTTON12); }},
        {"a shift without a time frame",
         [](Session& s) { s.click(BUTTON17), s.type(EDIT9, "100"), s.click(BUTTON15); }},
        {"an unusable past price", [](Session& s) { s.registerPastPrice("abc"); }},
        {"page settings closed unchanged", [](Session& s) { s.click(BUTTON10), s.click(BUTTON9); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Session s({.timeFrames = {"日足"}, .lines = {{"112.5", 0, 1}}});
        const std::size_t operations = s.files.log.size();
        c.act(s);
        EXPECT_EQ(s.files.log.size(), operations);
        EXPECT_EQ(s.toolkit.menu(MAINFORM).front().enabled, false);
    }
}

} // namespace
} // namespace kedravo::ui::test
