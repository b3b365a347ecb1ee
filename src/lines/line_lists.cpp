#include "lines/line_lists.h"

#include "core/line_break.h"
#include "core/numeric_value.h"
#include "lines/price_decimal.h"
#include "lines/price_text.h"
#include "lines/row_text.h"
#include "lines/sort.h"

#include <algorithm>
#include <cassert>

namespace kedravo {
namespace {

// The marker the windows write into a line chosen for deletion.
const char* const DELETION_MARK = "0";

int lineCount(const Tables& t, int page) {
    assert(t.LINE_COUNT[page] >= 0 && t.LINE_COUNT[page] < LINE_SLOTS);
    return t.LINE_COUNT[page];
}

// A time-frame index outside the table (a hand-edited file) names nothing rather than reading past it.
std::string timeFrameName(const Tables& t, int tf) {
    return tf >= 0 && tf < TF_SLOTS ? t.TF_NAME[t.CUR_PAGE][tf] : std::string();
}

bool passesFilter(int filter, int tf) {
    return filter == 0 || (filter > 0 && tf == filter - 1);
}

// Time-frame and count columns of `row` for line `line`; the price column is the caller's.
void setRowColumns(Tables& t, int row, int line, int count) {
    t.DISP_TF[row] = "（" + timeFrameName(t, t.LINE_TF[t.CUR_PAGE][line]) + "）";
    t.DISP_CROSS[row] = std::to_string(count);
}

// Row `row` of a list window: stored price, no spread.
void setListRow(Tables& t, int row, int line, int count, RowMapList list) {
    SET_LDAT_SUB(t, row, line);
    setRowColumns(t, row, line, count);
    t.DISP_LINE[list][row - 1] = static_cast<std::int16_t>(line);
}

std::vector<std::string> alignedRows(Tables& t, int rows) {
    alignRows(t, rows);
    return rowTexts(t, rows);
}

void fillMainRows(Tables& t, int n, Side side) {
    const int page = t.CUR_PAGE;
    PriceDecimal spread = PriceDecimal::fromText(t.PAGE_SPREAD[page]);
    for (int i = 0; i < n; ++i) {
        if (side == Side::Selling)
            SET_LDAT_SUB2(t, i + 1, t.LINE_PRICE[page][i]);
        else
            setSumPrice(t, i + 1, PriceDecimal::fromText(t.LINE_PRICE[page][i]) + spread);
        setRowColumns(t, i + 1, i, t.LINE_CROSS[page][i]);
    }
    alignRows(t, n);
}

// One box of the main window: the rows of the lines on its side of the reference that pass the filter. A row
// is followed by CR LF unless it is the page's last line, so a box whose last row is not that line ends with one.
std::string mainBox(const Tables& t, int n, int filter, bool upper, double reference) {
    const int page = t.CUR_PAGE;
    std::string box;
    for (int i = 0; i < n; ++i) {
        if ((numericValue(t.LINE_PRICE[page][i]) >= reference) != upper)
            continue;
        if (!passesFilter(filter, t.LINE_TF[page][i]))
            continue;
        box += rowText(t, i + 1);
        if (i != n - 1)
            box += LINE_BREAK;
    }
    return box;
}

// With no current price stored there is nothing to add the spread to; a sum too large for the 9-character
// form is shown exactly.
std::string buyingCaption(const Tables& t) {
    const int page = t.CUR_PAGE;
    if (!(numericValue(t.CUR_PRICE[page]) > 0))
        return {};
    PriceDecimal sum = PriceDecimal::fromText(t.CUR_PRICE[page]) + PriceDecimal::fromText(t.PAGE_SPREAD[page]);
    return sum.fitsFormat() ? normalisedPrice(sum.text()) : sum.priceText();
}

void setCaptions(const Tables& t, Side side, MainLists& lists) {
    const int page = t.CUR_PAGE;
    if (t.PAST_MODE == 1) {
        lists.priceCaption = t.PAST_PRICE;
        lists.timeCaption = timeFrameName(t, t.PAST_TF);
        return;
    }
    lists.timeCaption = t.CUR_PRICE_TIME[page];
    lists.priceCaption = side == Side::Selling ? t.CUR_PRICE[page] : buyingCaption(t);
}

bool crossed(double oldPrice, double newPrice, double price) {
    if (oldPrice < newPrice)
        return oldPrice <= price && price <= newPrice;
    return newPrice <= price && price <= oldPrice;
}

} // namespace

MainLists buildMainLists(Tables& t, int filter, Side side) {
    const int page = t.CUR_PAGE;
    const int n = lineCount(t, page);
    MainLists lists;
    lists.hasLines = n > 0;
    const std::string& referenceText = t.PAST_MODE == 1 ? t.PAST_PRICE : t.CUR_PRICE[page];
    const double reference = numericValue(referenceText);
    if (n > 0) {
        ソート_SUB(t, n);
        fillMainRows(t, n, side);
        lists.upper = mainBox(t, n, filter, true, reference);
        lists.lower = mainBox(t, n, filter, false, reference);
    }
    setCaptions(t, side, lists);
    return lists;
}

std::optional<std::vector<std::string>> buildCrossedRows(Tables& t, int threshold) {
    const int page = t.CUR_PAGE;
    const int n = lineCount(t, page);
    const double oldPrice = numericValue(t.CUR_PRICE[page]);
    const double newPrice = numericValue(t.LAST_PRICE);
    // Once the page has no lines, rows left from before would offer lines that are gone, through a map into
    // slots no longer valid.
    if (n < 1)
        return std::vector<std::string>{};
    if (!(oldPrice > 0))
        return std::nullopt;
    int rows = 0;
    for (int i = 0; i < n; ++i) {
        if (!crossed(oldPrice, newPrice, numericValue(t.LINE_PRICE[page][i])))
            continue;
        if (t.LINE_CROSS[page][i] < threshold)
            continue;
        ++rows;
        // The count the line will have once this crossing is registered, which stops at the cap.
        setListRow(t, rows, i, std::min(t.LINE_CROSS[page][i] + 1, int{CROSS_CAP}), ROWS_LIST1);
    }
    return alignedRows(t, rows);
}

std::vector<std::string> buildDeletionRows(Tables& t, int filter) {
    const int page = t.CUR_PAGE;
    const int n = lineCount(t, page);
    int rows = 0;
    for (int i = 0; i < n; ++i) {
        if (!passesFilter(filter, t.LINE_TF[page][i]))
            continue;
        ++rows;
        setListRow(t, rows, i, t.LINE_CROSS[page][i], ROWS_LIST2);
    }
    return alignedRows(t, rows);
}

std::vector<std::string> buildShiftRows(Tables& t) {
    const int page = t.CUR_PAGE;
    const int n = lineCount(t, page);
    for (int i = 0; i < n; ++i)
        setListRow(t, i + 1, i, t.LINE_CROSS[page][i], ROWS_LIST3);
    return alignedRows(t, n);
}

void markForDeletion(Tables& t, int page, int line) {
    assert(line >= 0 && line < lineCount(t, page));
    t.LINE_PRICE[page][line] = DELETION_MARK;
}

// Only the deletion mark removes a line: a price that merely reads as 0 (a hand-edited file) stays listed, where
// the trader can see it and delete it deliberately.
int compactLines(Tables& t, int page) {
    const int n = lineCount(t, page);
    int kept = 0;
    for (int m = 0; m < n; ++m) {
        if (t.LINE_PRICE[page][m] == DELETION_MARK)
            continue;
        t.LINE_PRICE[page][kept] = t.LINE_PRICE[page][m];
        t.LINE_TF[page][kept] = t.LINE_TF[page][m];
        t.LINE_CROSS[page][kept] = t.LINE_CROSS[page][m];
        ++kept;
    }
    t.LINE_COUNT[page] = static_cast<std::int16_t>(kept);
    return kept;
}

void 一時退避_SUB(Tables& t, int p) {
    assert(p >= 0 && p < PAGE_MAX);
    const int count = std::min<int>(t.TF_COUNT[p], TF_SLOTS);
    for (int j = 0; j < count; ++j) {
        t.TMP_TF_NAME[p][j] = t.TF_NAME[p][j];
        t.TMP_TF_MAP[p][j] = 0;
    }
    t.TMP_TF_COUNT[p] = t.TF_COUNT[p];
    t.TMP_PAGE_NAME[p] = t.PAGE_NAME[p];
    t.TMP_SPREAD[p] = t.PAGE_SPREAD[p];
}

} // namespace kedravo
