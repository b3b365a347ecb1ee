#pragma once
// Canonical price text: 1 to 3 integer digits without leading zeros, ".", then "00" or 1 to 5 fraction digits
// without trailing zeros. Every price the program keeps is in this form.
#include <string>

namespace kedravo {

// Normalises `price` in place (empty when it is not a usable price) and sets the integer and fraction parts.
void INPUT_SUB(std::string& price, std::string& integerPart, std::string& fractionPart);
// Convenience for callers that need only the price.
std::string normalisedPrice(std::string text);

void 小数点_SUB(std::string& fraction, std::string& result);
void 小数点_CUTSUB(std::string& text, int length);

} // namespace kedravo
