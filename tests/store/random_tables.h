#pragma once
// Random but valid tables for round trips: Japanese text, "," and ":" inside, blanks at either end, 0 to 300
// lines and 0 to 20 time frames a page.
#include "core/tables.h"

#include <memory>
#include <random>

namespace kedravo::store::test {

std::unique_ptr<Tables> randomTables(std::mt19937& random);
// Ten pages of 300 lines and 20 time frames, the most the files ever hold.
std::unique_ptr<Tables> fullTables(int variant);
// Whether the stored fields of the two tables are equal, and which is the first that differs.
std::string firstDifference(const Tables& a, const Tables& b);

} // namespace kedravo::store::test
