#include "support/screen.h"
#include "ui/backup_switch.h"
#include "ui/controls.h"

#include <gtest/gtest.h>

namespace kedravo::ui::test {
namespace {

struct BackupCase {
    const char* name;
    bool checked; // the box's state after the click
    std::optional<std::string> answer;
    const char* BACKUP_DIR;
    std::int16_t BACKUP_ON;
    bool checkedAfter;
    const char* transcript;
};

TEST(BackupSwitch, AsksForTheFolderWhenSwitchedOnAndForgetsItWhenSwitchedOff) {
    const char* question = "save \"価格データをバックアップする場所は?\" \"DUMMY\" -> ";
    const BackupCase cases[] = {
        {"on", true, "/backup/DUMMY", "/backup/", 1, true, "\"/backup/DUMMY\"\n"},
        {"on, cancelled", true, std::nullopt, "", 0, false, "cancel\n"},
        {"off", false, std::nullopt, "", 0, false, nullptr},
    };
    for (const BackupCase& c : cases) {
        Screen s;
        s.t.BACKUP_DIR = "/old/";
        s.t.BACKUP_ON = 1;
        s.dialogs.answerSave(c.answer);
        s.toolkit.setChecked(CHECK1, c.checked);
        CHECK1_ON(s.c, MAINFORM);
        EXPECT_EQ(s.t.BACKUP_DIR, c.BACKUP_DIR) << c.name;
        EXPECT_EQ(s.t.BACKUP_ON, c.BACKUP_ON) << c.name;
        EXPECT_EQ(s.toolkit.isChecked(CHECK1), c.checkedAfter) << c.name;
        EXPECT_EQ(s.transcript.str(), c.transcript ? question + std::string(c.transcript) : "") << c.name;
    }
}

} // namespace
} // namespace kedravo::ui::test
