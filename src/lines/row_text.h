#pragma once
// Row tables and row text of every line list: price column, "（" time frame "）", count column, "回".
#include <string>

#include "core/tables.h"

namespace kedravo {

// Formats the stored price of line `line` of CUR_PAGE into DISP_PRICE[row].
void SET_LDAT_SUB(Tables& t, int row, int line);
// Formats `price` into DISP_PRICE[row], integer part right-aligned so that points line up.
void SET_LDAT_SUB2(Tables& t, int row, const std::string& price);
// Aligns rows 1..n of `table`: mode 0 left, 1 centred, other right. Widths in CP932 bytes.
void 文字列整理_SUB(int mode, int n, RowTexts& table);
// DISP_PRICE[row] + DISP_TF[row] + DISP_CROSS[row] + "回".
std::string rowText(const Tables& t, int row);

} // namespace kedravo
