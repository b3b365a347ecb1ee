#pragma once
#include "core/tables.h"

namespace kedravo {

// Sorts the first n lines of CUR_PAGE by numeric price, highest first, keeping the order of equal prices.
void ソート_SUB(Tables& t, int n);

} // namespace kedravo
