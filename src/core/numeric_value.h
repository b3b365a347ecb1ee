#pragma once
// The numeric value of a text: leading blanks skipped, then an optional sign, digits and at most one decimal
// point, up to the first character that cannot continue the number. No exponent. A text without a number is 0;
// a number too large for a double is infinite, so that every limit rejects it.
#include <string_view>

namespace kedravo {

double numericValue(std::string_view text);

// The same value held in single precision, where the price normaliser keeps it; infinite beyond float's range.
float numericValueSingle(std::string_view text);

} // namespace kedravo
