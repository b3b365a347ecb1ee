#include "ui/deletion_window.h"

#include "lines/line_lists.h"
#include "ui/commit.h"
#include "ui/controls.h"
#include "ui/line_display.h"
#include "ui/main_window.h"
#include "ui/time_frame_filter.h"

namespace kedravo::ui {
namespace {

// Through LIST2's own row map: the other list windows keep maps of their own.
void markSelectedRows(Context& c) {
    const int page = c.t.CUR_PAGE;
    const int rows = c.toolkit.itemCount(LIST2);
    for (int r = 0; r < rows; ++r)
        if (c.toolkit.isRowSelected(LIST2, r))
            markForDeletion(c.t, page, c.t.DISP_LINE[ROWS_LIST2][r]);
}

} // namespace

void COMBO6SET_SUB(Context& c) {
    fillTimeFrameFilter(c, COMBO6);
}

void BUTTON14_ON(Context& c, int) {
    c.t.FORM5_OPEN = 1;
    c.toolkit.show(FORM5);
    c.toolkit.makeTopmost(FORM5);
    WND1ENA_SUB(c, false);
    COMBO6SET_SUB(c);
    LIST2ADD_SUB(c);
    数値リスト化_SUB(c);
    c.toolkit.setEnabled(BUTTON14, false);
}

void COMBO6_CHANGE(Context& c, int) {
    LIST2ADD_SUB(c);
}

void BUTTON12_ON(Context& c, int) {
    markSelectedRows(c);
    compactLines(c.t, c.t.CUR_PAGE);
    c.toolkit.setSelected(COMBO6, 0);
    LISTSET_SUB(c);
    commitChange(c, CHANGE_DELETION);
}

void BUTTON13_ON(Context& c, int) {
    c.t.FORM5_OPEN = 0;
    c.toolkit.hide(FORM5);
    WND1ENA_SUB2(c);
    c.toolkit.setEnabled(BUTTON14, true);
}

} // namespace kedravo::ui
