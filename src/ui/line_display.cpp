#include "ui/line_display.h"

#include "lines/line_lists.h"
#include "ui/controls.h"

#include <string>
#include <vector>

namespace kedravo::ui {
namespace {

// The side lives only in the radio buttons.
Side sideShown(Context& c) {
    return c.toolkit.isChecked(RADIO1) ? Side::Selling : Side::Buying;
}

void fillList(Context& c, int list, const std::vector<std::string>& rows) {
    c.toolkit.clear(list);
    for (const std::string& row : rows)
        c.toolkit.addItem(list, row);
}

} // namespace

void 数値リスト化_SUB(Context& c) {
    const MainLists lists = buildMainLists(c.t, c.toolkit.selected(COMBO5), sideShown(c));
    c.toolkit.setEnabled(BUTTON14, lists.hasLines);
    c.toolkit.setEnabled(BUTTON17, lists.hasLines);
    c.toolkit.setText(EDIT1, lists.upper);
    c.toolkit.setText(EDIT2, lists.lower);
    c.toolkit.setText(TEXT1, lists.priceCaption);
    c.toolkit.setText(TEXT2, lists.timeCaption);
    // Its last rows are the lines just above the reference price.
    c.toolkit.scrollToEnd(EDIT1);
}

void LIST1ADD_SUB(Context& c) {
    const auto rows = buildCrossedRows(c.t, c.toolkit.selected(COMBO4));
    if (rows)
        fillList(c, LIST1, *rows);
}

void LIST2ADD_SUB(Context& c) {
    fillList(c, LIST2, buildDeletionRows(c.t, c.toolkit.selected(COMBO6)));
}

void LIST3ADD_SUB(Context& c) {
    // The selection stays on its position, not on its line.
    const int kept = c.toolkit.selected(LIST3);
    fillList(c, LIST3, buildShiftRows(c.t));
    if (kept >= 0 && kept < c.t.LINE_COUNT[c.t.CUR_PAGE])
        c.toolkit.setSelected(LIST3, kept);
}

void LISTSET_SUB(Context& c) {
    数値リスト化_SUB(c);
    if (c.t.FORM2_OPEN == 1)
        LIST1ADD_SUB(c);
    if (c.t.FORM5_OPEN == 1)
        LIST2ADD_SUB(c);
    if (c.t.FORM6_OPEN == 1)
        LIST3ADD_SUB(c);
}

} // namespace kedravo::ui
