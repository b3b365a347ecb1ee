#include "support/program_session.h"
#include "ui/controls.h"
#include "ui/program.h"

#include <gtest/gtest.h>

namespace kedravo::ui::test {
namespace {

struct Started {
    Started() {
        putPage(run.program.tables(), 0, {.price = "112.25", .lines = {{"112.5", 0, 1}, {"112.00", 1, 0}}});
        run.dialogs.answerSave("/cwd/基本データ.TXT");
        run.program.startup();
        run.transcript.str("");
    }
    RunningCopy run;
};

struct UserCase {
    const char* name;
    void (*act)(platform::UserInput&);
    int control;
    const char* text;
};

TEST(Program, EachUserActionReachesTheHandlerOfItsName) {
    const UserCase cases[] = {
        {"RADIO2_ON", [](platform::UserInput& u) { u.click(RADIO2); }, TEXT1, "112.26"},
        {"COMBO5_CHANGE", [](platform::UserInput& u) { u.pick(COMBO5, 2); }, EDIT1, ""},
        {"an unbound event", [](platform::UserInput& u) { u.click(BUTTON2); }, TEXT1, "112.25"},
    };
    for (const UserCase& c : cases) {
        Started s;
        c.act(s.run.toolkit);
        EXPECT_EQ(s.run.toolkit.text(c.control), c.text) << c.name;
    }
}

TEST(Program, TheBackupBoxAsksOnTheMainWindowsBehalf) {
    Started s;
    s.run.toolkit.click(CHECK1);
    EXPECT_EQ(s.run.transcript.str(),
              "save \"価格データをバックアップする場所は?\" \"DUMMY\" -> cancel (unanswered)\n");
    EXPECT_FALSE(s.run.toolkit.isChecked(CHECK1));
}

TEST(Program, NothingRunsOnceTheProgramHasEnded) {
    Started s;
    s.run.toolkit.closeWindow(MAINFORM);
    ASSERT_TRUE(s.run.program.ended());
    const std::size_t saved = s.run.files.log.size();
    s.run.program.raise(MAINFORM, platform::Event::End);
    s.run.program.raise(RADIO2, platform::Event::On);
    EXPECT_EQ(s.run.files.log.size(), saved);
    EXPECT_EQ(s.run.toolkit.text(TEXT1), "112.25");
}

} // namespace
} // namespace kedravo::ui::test
