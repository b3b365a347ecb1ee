#pragma once
// Row tables and row text of every line list: price column, "（" time frame "）", count column, "回".
#include "core/tables.h"
#include "lines/price_decimal.h"

#include <string>
#include <vector>

namespace kedravo {

// Formats the stored price of line `line` of CUR_PAGE into DISP_PRICE[row].
void SET_LDAT_SUB(Tables& t, int row, int line);
// Formats `price` into DISP_PRICE[row], integer part right-aligned so that points line up.
void SET_LDAT_SUB2(Tables& t, int row, const std::string& price);
// Formats a price plus spread into DISP_PRICE[row]; a sum the 9-character form cannot hold is shown exactly,
// its column growing, rather than as a price it is not.
void setSumPrice(Tables& t, int row, PriceDecimal sum);
// Aligns rows 1..n of `table`: mode 0 left, 1 centred, other right. Widths in CP932 bytes.
void 文字列整理_SUB(int mode, int n, RowTexts& table);
// Aligns the three columns of rows 1..n: price and time frame to the left, count to the right.
void alignRows(Tables& t, int n);
// DISP_PRICE[row] + DISP_TF[row] + DISP_CROSS[row] + "回".
std::string rowText(const Tables& t, int row);
// The row texts of rows 1..n, in order.
std::vector<std::string> rowTexts(const Tables& t, int n);

} // namespace kedravo
