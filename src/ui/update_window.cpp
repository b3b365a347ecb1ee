#include "ui/update_window.h"

#include "lines/line_lists.h"
#include "store/stamp.h"
#include "ui/commit.h"
#include "ui/controls.h"
#include "ui/line_display.h"
#include "ui/main_window.h"
#include "ui/price_input_box.h"

#include <algorithm>
#include <cassert>
#include <string>

namespace kedravo::ui {
namespace {

const char* const TIME_SEPARATOR = "_";

// A stored time without the separator (edited by hand) leaves the boxes as they last were.
void showStoredUpdateTime(Context& c) {
    const std::string& stored = c.t.CUR_PRICE_TIME[c.t.CUR_PAGE];
    const std::size_t separator = stored.find(TIME_SEPARATOR);
    if (separator == std::string::npos)
        return;
    c.toolkit.setText(EDIT3, stored.substr(0, separator));
    c.toolkit.setText(EDIT4, stored.substr(separator + 1));
}

void showNow(Context& c) {
    const platform::LocalTime now = c.clock.now();
    c.toolkit.setText(EDIT3, store::dateText(now));
    c.toolkit.setText(EDIT4, store::timeText(now));
}

// Every row of LIST1 once: a selected row's line is marked for deletion, any other's count goes up by one.
void countListedLines(Context& c) {
    const int page = c.t.CUR_PAGE;
    const int rows = c.toolkit.itemCount(LIST1);
    for (int r = 0; r < rows; ++r) {
        const int line = c.t.DISP_LINE[ROWS_LIST1][r];
        assert(line >= 0 && line < c.t.LINE_COUNT[page]);
        if (c.toolkit.isRowSelected(LIST1, r))
            markForDeletion(c.t, page, line);
        else
            c.t.LINE_CROSS[page][line] =
                static_cast<std::int16_t>(std::min(c.t.LINE_CROSS[page][line] + 1, int{CROSS_CAP}));
    }
}

// The date and time boxes are stored exactly as they stand, the trader's edits included.
void storeCurrentPrice(Context& c) {
    const int page = c.t.CUR_PAGE;
    c.t.CUR_PRICE[page] = c.t.LAST_PRICE;
    c.t.CUR_PRICE_TIME[page] = c.toolkit.text(EDIT3) + TIME_SEPARATOR + c.toolkit.text(EDIT4);
}

} // namespace

void showStoredPrice(Context& c) {
    c.t.LAST_PRICE = c.t.CUR_PRICE[c.t.CUR_PAGE];
    c.toolkit.setText(TEXT8, c.t.LAST_PRICE);
    showStoredUpdateTime(c);
    c.toolkit.clear(LIST1);
}

void BUTTON2_ON(Context& c, int) {
    c.t.FORM2_OPEN = 1;
    c.toolkit.show(FORM2);
    c.toolkit.makeTopmost(FORM2);
    WND1ENA_SUB(c, false);
    c.toolkit.setEnabled(BUTTON2, false);
    showStoredPrice(c);
}

// A cancelled or unusable entry changes nothing, silently.
void BUTTON5_ON(Context& c, int window) {
    const std::string price = INBOX_SUB(c, window, "価格入力ウインドウ");
    if (price.empty())
        return;
    c.toolkit.setText(TEXT8, price);
    c.t.LAST_PRICE = price;
    showNow(c);
    LIST1ADD_SUB(c);
}

void COMBO4_CHANGE(Context& c, int) {
    LIST1ADD_SUB(c);
}

void BUTTON3_ON(Context& c, int) {
    countListedLines(c);
    compactLines(c.t, c.t.CUR_PAGE);
    storeCurrentPrice(c);
    c.t.PAST_MODE = 0;
    LISTSET_SUB(c);
    commitChange(c, CHANGE_UPDATE);
}

void BUTTON4_ON(Context& c, int) {
    c.toolkit.hide(FORM2);
    c.toolkit.show(MAINFORM);
    c.t.FORM2_OPEN = 0;
    c.toolkit.setEnabled(BUTTON2, true);
    WND1ENA_SUB2(c);
}

} // namespace kedravo::ui
