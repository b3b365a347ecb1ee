#include "ui/undo_redo.h"

#include "ui/commit.h"
#include "ui/controls.h"
#include "ui/line_display.h"
#include "ui/main_menu.h"
#include "ui/main_window.h"
#include "ui/past_price_window.h"
#include "ui/update_window.h"

#include <string>

namespace kedravo::ui {
namespace {

bool anyListWindowOpen(const Tables& t) {
    return t.FORM2_OPEN + t.FORM3_OPEN + t.FORM5_OPEN + t.FORM6_OPEN > 0;
}

// Page settings rebuild the page selector and may take away the page an open window works on, so they are
// taken back or made again only with the other windows closed.
bool mayRestore(Context& c, const std::string& change, const std::string& command) {
    if (change.empty())
        return false;
    if (change != CHANGE_PAGE_SETTINGS || !anyListWindowOpen(c.t))
        return true;
    c.dialogs.STOP_SUB(command, "ページの設定を" + command + "前に、開いているウインドウを閉じて下さい");
    return false;
}

// Nothing on screen may stand for a state that is gone: an open update window starts over from the restored
// price, and no shift row stays chosen.
void showRestored(Context& c, const std::string& change) {
    if (change == CHANGE_PAGE_SETTINGS) {
        COMBO1SET_SUB(c);
        WND1SET_SUB(c);
        return;
    }
    LISTSET_SUB(c);
    if (c.t.FORM2_OPEN == 1)
        showStoredPrice(c);
    if (c.t.FORM3_OPEN == 1)
        showRoomLeft(c);
    if (c.t.FORM6_OPEN == 1)
        c.toolkit.setSelected(LIST3, -1);
}

// Moves the history one step (`move` is ChangeHistory::undo or ::redo), restores the tables, shows and saves them.
void restore(Context& c, const std::string& change, const std::string& command,
             const TableState& (ChangeHistory::*move)()) {
    if (!mayRestore(c, change, command))
        return;
    const TableState from = c.history.current();
    const TableState& to = (c.history.*move)();
    restoreState(c.t, to);
    showRestored(c, change);
    saveDifference(c, compareStates(from, to));
    showMainMenu(c);
}

} // namespace

void UNDO_ON(Context& c, int) {
    restore(c, c.history.undoName(), "元に戻す", &ChangeHistory::undo);
}

void REDO_ON(Context& c, int) {
    restore(c, c.history.redoName(), "やり直す", &ChangeHistory::redo);
}

} // namespace kedravo::ui
