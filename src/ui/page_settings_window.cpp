#include "ui/page_settings_window.h"

#include "core/line_break.h"
#include "lines/line_lists.h"
#include "lines/price_text.h"
#include "ui/commit.h"
#include "ui/controls.h"
#include "ui/main_window.h"
#include "ui/page_slot_names.h"
#include "ui/time_frame_map.h"

#include <algorithm>
#include <cassert>
#include <string>

namespace kedravo::ui {
namespace {

int selectedSlot(Context& c) {
    const int p = c.toolkit.selected(COMBO3);
    assert(p >= 0 && p < PAGE_MAX);
    return p;
}

void registerSpreadAndName(Context& c, int p, const std::string& spread) {
    c.t.PAGE_SPREAD[p] = spread;
    c.toolkit.setText(EDIT8, spread);
    c.t.PAGE_NAME[p] = c.toolkit.text(EDIT6);
}

void closePage(Context& c, int p) {
    c.dialogs.STOP_SUB("設定に関するお知らせ", "「閉じる」ボタン押すとこのページは閉鎖され\r\nラインデータは消えます");
    c.t.PAGE_NAME[p].clear();
}

// The names are EDIT7's lines as its line breaks separate them, so a long name that wraps on screen stays one
// name. The one empty line after the last name is no name; empty lines elsewhere are empty names. Returns how
// many names were taken; none when every line is empty, which closes the page.
int registerTimeFrameNames(Context& c, int p) {
    std::fill_n(c.t.TF_NAME[p].begin(), TF_MAX, std::string());
    int n = std::min(c.toolkit.lineCount(EDIT7), TF_MAX);
    std::string all;
    for (int i = 1; i <= n; ++i)
        all += c.toolkit.line(EDIT7, i);
    if (n > 1 && c.toolkit.line(EDIT7, n).empty())
        --n;
    if (all.empty()) {
        closePage(c, p);
        return 0;
    }
    for (int i = 1; i <= n; ++i)
        c.t.TF_NAME[p][i - 1] = c.toolkit.line(EDIT7, i);
    return n;
}

void registerDefaultName(Context& c, int p, int names) {
    if (!c.t.PAGE_NAME[p].empty() || names == 0)
        return;
    c.t.PAGE_NAME[p] = defaultPageName(p + 1);
    c.toolkit.setText(EDIT6, c.t.PAGE_NAME[p]);
}

} // namespace

void WND4SET_SUB(Context& c) {
    const int p = selectedSlot(c);
    c.toolkit.setText(EDIT6, c.t.TMP_PAGE_NAME[p]);
    c.toolkit.setText(EDIT8, c.t.TMP_SPREAD[p]);
    std::string names;
    for (int i = 0; i < c.t.TMP_TF_COUNT[p]; ++i)
        names.append(c.t.TMP_TF_NAME[p][i]).append(LINE_BREAK);
    c.toolkit.setText(EDIT7, names);
}

void BUTTON10_ON(Context& c, int) {
    c.toolkit.show(FORM4);
    c.toolkit.makeTopmost(FORM4);
    c.toolkit.hide(MAINFORM);
    c.toolkit.setChecked(RADIO1, true);
    c.toolkit.setChecked(RADIO2, false);
    c.toolkit.setSelected(COMBO3, 0);
    for (int p = 0; p < PAGE_MAX; ++p)
        一時退避_SUB(c.t, p);
    WND4SET_SUB(c);
}

void COMBO3_CHANGE(Context& c, int) {
    WND4SET_SUB(c);
}

void BUTTON11_ON(Context& c, int) {
    WND4SET_SUB(c);
}

void BUTTON8_ON(Context& c, int) {
    const std::string spread = normalisedPrice(c.toolkit.text(EDIT8));
    if (spread.empty()) {
        // Nothing is registered, and no page's lines are moved.
        c.dialogs.STOP_SUB("数値入力のエラー", "スプレッドの値が異常です");
        return;
    }
    const int p = selectedSlot(c);
    c.t.CUR_PAGE = static_cast<std::int16_t>(p);
    registerSpreadAndName(c, p, spread);
    const int names = registerTimeFrameNames(c, p);
    registerDefaultName(c, p, names);
    c.t.TF_COUNT[p] = static_cast<std::int16_t>(names);
    carryLinesOver(c.t, p);
    一時退避_SUB(c.t, p);
}

void BUTTON9_ON(Context& c, int) {
    c.toolkit.hide(FORM4);
    c.toolkit.show(MAINFORM);
    COMBO1SET_SUB(c);
    WND1SET_SUB(c);
    commitChange(c, CHANGE_PAGE_SETTINGS);
}

} // namespace kedravo::ui
