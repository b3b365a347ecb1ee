#include "ui/past_price_window.h"

#include "lines/price_text.h"
#include "ui/commit.h"
#include "ui/controls.h"
#include "ui/line_display.h"
#include "ui/main_window.h"

#include <cassert>
#include <string>

namespace kedravo::ui {
namespace {

const char* const INPUT_ERROR = "入力エラーメッセージ";

// The number goes where a sign would stand, hence the blank.
std::string remainingCountText(const Tables& t) {
    return "残り登録可能数 " + std::to_string(LINE_MAX - t.LINE_COUNT[t.CUR_PAGE]);
}

// A page without time-frame names still offers one blank entry, so a new line always gets position 0 at least.
void fillTimeFrames(Context& c) {
    const int page = c.t.CUR_PAGE;
    c.toolkit.clear(COMBO2);
    for (int j = 0; j < c.t.TF_COUNT[page]; ++j)
        c.toolkit.addItem(COMBO2, c.t.TF_NAME[page][j]);
    if (c.t.TF_COUNT[page] == 0)
        c.toolkit.addItem(COMBO2, "");
    c.toolkit.setSelected(COMBO2, 0);
}

// Appends `price` with the chosen time frame as the page's newest line, and makes it the main window's
// reference.
void registerLine(Context& c, const std::string& price) {
    const int page = c.t.CUR_PAGE;
    const int n = c.t.LINE_COUNT[page];
    assert(n < LINE_MAX); // BUTTON6 is disabled once the page is full
    const auto timeFrame = static_cast<std::int16_t>(c.toolkit.selected(COMBO2));
    c.t.PAST_MODE = 1;
    c.t.PAST_PRICE = price;
    c.t.LINE_PRICE[page][n] = price;
    c.t.PAST_TF = timeFrame;
    c.t.LINE_TF[page][n] = timeFrame;
    c.t.LINE_CROSS[page][n] = 0;
    c.t.LINE_COUNT[page] = static_cast<std::int16_t>(n + 1);
    showRoomLeft(c);
}

} // namespace

void showRoomLeft(Context& c) {
    c.toolkit.setText(TEXT12, remainingCountText(c.t));
    c.toolkit.setEnabled(BUTTON6, c.t.LINE_COUNT[c.t.CUR_PAGE] < LINE_MAX);
}

void BUTTON1_ON(Context& c, int) {
    c.toolkit.setText(TEXT12, remainingCountText(c.t));
    if (c.t.LINE_COUNT[c.t.CUR_PAGE] >= LINE_MAX) {
        c.dialogs.STOP_SUB(INPUT_ERROR, "登録数が限界です。任意にデータを削除して下さい。");
        return;
    }
    c.toolkit.show(FORM3);
    c.toolkit.makeTopmost(FORM3);
    c.t.FORM3_OPEN = 1;
    WND1ENA_SUB(c, false);
    数値リスト化_SUB(c);
    fillTimeFrames(c);
    showRoomLeft(c);
    c.toolkit.setEnabled(BUTTON1, false);
    // Typing goes to the price: in the time-frame list a digit would pick a time frame.
    c.toolkit.setFocus(EDIT5);
}

// The display and the lists are rebuilt after a rejected entry too.
void BUTTON6_ON(Context& c, int) {
    const std::string price = normalisedPrice(c.toolkit.text(EDIT5));
    if (price.empty())
        c.dialogs.STOP_SUB(INPUT_ERROR, "もう一度価格の設定をして下さい");
    else
        registerLine(c, price);
    LISTSET_SUB(c);
    commitChange(c, CHANGE_PAST_PRICE);
}

void BUTTON7_ON(Context& c, int) {
    c.toolkit.hide(FORM3);
    c.t.FORM3_OPEN = 0;
    c.t.PAST_MODE = 0;
    数値リスト化_SUB(c);
    WND1ENA_SUB2(c);
    c.toolkit.setEnabled(BUTTON1, true);
}

} // namespace kedravo::ui
