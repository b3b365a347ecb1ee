#include "ui/backup_switch.h"

#include "core/folder_path.h"
#include "ui/commit.h"
#include "ui/controls.h"

namespace kedravo::ui {
namespace {

void stopBackup(Context& c) {
    c.t.BACKUP_ON = 0;
    c.t.BACKUP_DIR.clear();
}

// Only the folder of the answer is used; the dialog writes nothing.
void chooseBackupFolder(Context& c) {
    const auto path = c.dialogs.saveAs(MAINFORM, "価格データをバックアップする場所は?", "DUMMY");
    if (!path) {
        stopBackup(c);
        c.toolkit.setChecked(CHECK1, false);
        return;
    }
    c.t.BACKUP_DIR = folderOf(*path);
    c.t.BACKUP_ON = 1;
}

} // namespace

void CHECK1_ON(Context& c, int) {
    if (c.toolkit.isChecked(CHECK1))
        chooseBackupFolder(c);
    else
        stopBackup(c);
    commitSettings(c);
}

} // namespace kedravo::ui
