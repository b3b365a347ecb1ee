#include "lines/row_text.h"

#include "core/cp932.h"
#include "core/numeric_value.h"
#include "lines/price_text.h"

#include <algorithm>
#include <array>
#include <cassert>

namespace kedravo {
namespace {

// Blanks in front of the integer part so that points line up; 0 takes four columns, one more than 1 to 999.
std::string alignedPrice(const std::string& integerPart, const std::string& fractionPart) {
    double value = numericValue(integerPart);
    std::string column = integerPart;
    for (double limit : {100.0, 10.0, 1.0})
        if (value < limit)
            column.insert(0, 1, ' ');
    return column + "." + fractionPart;
}

} // namespace

void SET_LDAT_SUB(Tables& t, int row, int line) {
    SET_LDAT_SUB2(t, row, t.LINE_PRICE[t.CUR_PAGE][line]);
}

void SET_LDAT_SUB2(Tables& t, int row, const std::string& price) {
    std::string text = price;
    std::string integerPart;
    std::string fractionPart;
    INPUT_SUB(text, integerPart, fractionPart);
    t.DISP_PRICE[row] = alignedPrice(integerPart, fractionPart);
}

void setSumPrice(Tables& t, int row, PriceDecimal sum) {
    if (sum.fitsFormat())
        return SET_LDAT_SUB2(t, row, sum.text());
    std::string exact = sum.priceText();
    std::size_t point = exact.find('.');
    t.DISP_PRICE[row] = alignedPrice(exact.substr(0, point), exact.substr(point + 1));
}

void 文字列整理_SUB(int mode, int n, RowTexts& table) {
    assert(n < LINE_SLOTS);
    if (n <= 0)
        return;
    // Every list rebuild aligns three columns of up to 300 rows, so each width is measured once and the rows
    // are padded where they stand.
    std::array<int, LINE_SLOTS> widths{};
    int width = 0;
    for (int r = 1; r <= n; ++r) {
        widths[r] = cp932Width(table[r]);
        width = std::max(width, widths[r]);
    }
    if (width == 0)
        return;
    table[0] = std::string(width, ' ');
    for (int r = 1; r <= n; ++r) {
        const int spare = width - widths[r];
        const int before = mode == 0 ? 0 : mode == 1 ? spare / 2 : spare;
        table[r].insert(0, before, ' ');
        table[r].append(spare - before, ' ');
    }
}

void alignRows(Tables& t, int n) {
    文字列整理_SUB(0, n, t.DISP_PRICE);
    文字列整理_SUB(0, n, t.DISP_TF);
    文字列整理_SUB(2, n, t.DISP_CROSS);
}

std::string rowText(const Tables& t, int row) {
    return t.DISP_PRICE[row] + t.DISP_TF[row] + t.DISP_CROSS[row] + "回";
}

std::vector<std::string> rowTexts(const Tables& t, int n) {
    std::vector<std::string> rows;
    for (int r = 1; r <= n; ++r)
        rows.push_back(rowText(t, r));
    return rows;
}

} // namespace kedravo
