#include "ui/shift_window.h"

#include "lines/price_text.h"
#include "ui/commit.h"
#include "ui/controls.h"
#include "ui/line_display.h"
#include "ui/main_window.h"

#include <cassert>
#include <string>

namespace kedravo::ui {
namespace {

// LIST3 lists every line of the page in stored order, so its row position is the line index.
int selectedLine(Context& c) {
    const int r = c.toolkit.selected(LIST3);
    assert(r < c.t.LINE_COUNT[c.t.CUR_PAGE]);
    return r;
}

// Position = time-frame index, no "全部"; one entry even on a page without time frames, and none chosen.
void fillTimeFrames(Context& c) {
    const int page = c.t.CUR_PAGE;
    c.toolkit.clear(COMBO7);
    c.toolkit.addItem(COMBO7, c.t.TF_NAME[page][0]);
    for (int i = 1; i < c.t.TF_COUNT[page]; ++i)
        c.toolkit.addItem(COMBO7, c.t.TF_NAME[page][i]);
    c.toolkit.setSelected(COMBO7, -1);
}

void shiftLine(Context& c, int line, int timeFrame, const std::string& price) {
    const int page = c.t.CUR_PAGE;
    c.t.LINE_TF[page][line] = static_cast<std::int16_t>(timeFrame);
    c.t.LINE_PRICE[page][line] = price;
}

} // namespace

void BUTTON17_ON(Context& c, int) {
    c.t.FORM6_OPEN = 1;
    c.toolkit.show(FORM6);
    c.toolkit.makeTopmost(FORM6);
    WND1ENA_SUB(c, false);
    LIST3ADD_SUB(c);
    fillTimeFrames(c);
    c.toolkit.setEnabled(BUTTON17, false);
}

void LIST3_CLICK(Context& c, int) {
    const int r = selectedLine(c);
    if (r < 0)
        return;
    const int page = c.t.CUR_PAGE;
    c.toolkit.setSelected(COMBO7, c.t.LINE_TF[page][r]);
    c.toolkit.setText(EDIT9, c.t.LINE_PRICE[page][r]);
}

void BUTTON15_ON(Context& c, int) {
    const int timeFrame = c.toolkit.selected(COMBO7);
    if (timeFrame < 0)
        return;
    const std::string price = normalisedPrice(c.toolkit.text(EDIT9));
    if (price.empty())
        c.dialogs.STOP_SUB("入力エラーメッセージ", "もう一度価格の設定をして下さい");
    else if (const int line = selectedLine(c); line >= 0)
        shiftLine(c, line, timeFrame, price);
    LISTSET_SUB(c);
    commitChange(c, CHANGE_SHIFT);
}

void BUTTON16_ON(Context& c, int) {
    数値リスト化_SUB(c);
    c.toolkit.hide(FORM6);
    c.toolkit.show(MAINFORM);
    c.toolkit.activate(MAINFORM);
    c.t.FORM6_OPEN = 0;
    WND1ENA_SUB2(c);
    c.toolkit.setEnabled(BUTTON17, true);
}

} // namespace kedravo::ui
