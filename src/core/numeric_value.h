#pragma once
// The numeric value of a text: leading blanks skipped, then an optional sign, digits and at most one decimal
// point, up to the first character that cannot continue the number. No exponent. A text without a number is 0.
#include <string_view>

namespace kedravo {

double numericValue(std::string_view text);

// The same value held in single precision, where the price normaliser keeps it.
inline float numericValueSingle(std::string_view text) { return static_cast<float>(numericValue(text)); }

} // namespace kedravo
