#include "ui/main_window.h"

#include "ui/controls.h"
#include "ui/line_display.h"
#include "ui/time_frame_filter.h"

namespace kedravo::ui {

void COMBO1SET_SUB(Context& c) {
    c.toolkit.clear(COMBO1);
    int m = 0;
    for (int i = 0; i < PAGE_SLOTS; ++i) {
        if (c.t.PAGE_NAME[i].empty())
            continue;
        c.t.COMBO1_PAGE[m++] = static_cast<std::int16_t>(i);
        c.toolkit.addItem(COMBO1, c.t.PAGE_NAME[i]);
    }
    if (m > 0)
        c.toolkit.setSelected(COMBO1, 0);
}

bool COMBO1GET_SUB(Context& c) {
    const int k = c.toolkit.selected(COMBO1);
    if (k < 0)
        return false;
    c.t.CUR_PAGE = c.t.COMBO1_PAGE[k];
    return true;
}

void COMBO5SET_SUB(Context& c) {
    fillTimeFrameFilter(c, COMBO5);
}

void WND1ENA_SUB(Context& c, bool enable) {
    const bool sideChanged = c.toolkit.isChecked(RADIO2);
    c.toolkit.setChecked(RADIO1, true);
    c.toolkit.setChecked(RADIO2, false);
    const bool filterChanged = c.toolkit.itemCount(COMBO5) > 0 && c.toolkit.selected(COMBO5) > 0;
    if (filterChanged)
        c.toolkit.setSelected(COMBO5, 0);
    if (sideChanged || filterChanged)
        数値リスト化_SUB(c);
    for (const int control : {RADIO1, RADIO2, BUTTON10, COMBO5, COMBO1, CHECK1})
        c.toolkit.setEnabled(control, enable);
}

void WND1ENA_SUB2(Context& c) {
    if (c.t.FORM2_OPEN + c.t.FORM3_OPEN + c.t.FORM5_OPEN + c.t.FORM6_OPEN == 0)
        WND1ENA_SUB(c, true);
}

void WND1ENA_SUB3(Context& c, bool enable) {
    WND1ENA_SUB(c, enable);
    if (!enable)
        c.toolkit.setEnabled(BUTTON10, true); // pages can always be created
    for (const int control : {BUTTON1, BUTTON2, BUTTON14, BUTTON17})
        c.toolkit.setEnabled(control, enable);
}

void WND1SET_SUB(Context& c) {
    WND1ENA_SUB3(c, COMBO1GET_SUB(c));
    COMBO5SET_SUB(c);
    数値リスト化_SUB(c);
}

void COMBO1_CHANGE(Context& c, int) {
    if (!COMBO1GET_SUB(c))
        return;
    COMBO5SET_SUB(c);
    数値リスト化_SUB(c);
}

void COMBO5_CHANGE(Context& c, int) {
    数値リスト化_SUB(c);
}

void RADIO1_ON(Context& c, int) {
    数値リスト化_SUB(c);
}

void RADIO2_ON(Context& c, int) {
    数値リスト化_SUB(c);
}

} // namespace kedravo::ui
