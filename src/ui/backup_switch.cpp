#include "ui/backup_switch.h"

#include "ui/controls.h"
#include "ui/folders.h"

namespace kedravo::ui {

void CHECK1_ON(Context& c, int) {
    if (!c.toolkit.isChecked(CHECK1)) {
        c.t.BACKUP_ON = 0;
        c.t.BACKUP_DIR.clear();
        return;
    }
    // Only the folder of the answer is used; the dialog writes nothing.
    const auto path = c.dialogs.saveAs(MAINFORM, "価格データをバックアップする場所は?", "DUMMY");
    if (!path) {
        c.t.BACKUP_DIR.clear();
        c.t.BACKUP_ON = 0;
        c.toolkit.setChecked(CHECK1, false);
        return;
    }
    c.t.BACKUP_DIR = folderOf(*path);
    c.t.BACKUP_ON = 1;
}

} // namespace kedravo::ui
