#include "lines/price_text.h"

#include "core/half_width.h"
#include "core/numeric_value.h"

#include <cmath>
#include <optional>

namespace kedravo {
namespace {

constexpr int FRACTION_DIGITS = 5;
constexpr float PRICE_LIMIT = 1000.0f;

std::string leadingDigits(const std::string& text) {
    std::size_t end = 0;
    while (end < text.size() && text[end] >= '0' && text[end] <= '9')
        ++end;
    return text.substr(0, end);
}

// The digits of an integer part read in single precision, without its sign; nothing when it is 1000 or more
// either way, so that a negative part cannot slip past the limit by losing its sign.
std::optional<std::string> integerDigits(std::string_view text) {
    float value = std::fabs(numericValueSingle(text));
    if (!(value < PRICE_LIMIT))
        return std::nullopt;
    return std::to_string(static_cast<int>(value));
}

} // namespace

void 小数点_CUTSUB(std::string& text, int length) {
    for (int i = length; i >= 2; --i) {
        if (text.empty() || text.back() != '0')
            return;
        text = text.substr(0, static_cast<std::size_t>(i - 1));
    }
}

void 小数点_SUB(std::string& fraction, std::string& result) {
    // Only the leading run of digits is the fraction: "5円" is 5, and "5.3" is 5, never 05 or 53.
    fraction = leadingDigits(toHalfWidth(fraction)).substr(0, FRACTION_DIGITS);
    小数点_CUTSUB(fraction, FRACTION_DIGITS);
    // What is left is digits without trailing zeros (or a lone "0"), so it is the result as it stands.
    result = fraction.empty() ? "0" : fraction;
}

void INPUT_SUB(std::string& price, std::string& integerPart, std::string& fractionPart) {
    price = toHalfWidth(price);
    std::size_t point = price.find('.');
    std::optional<std::string> digits = integerDigits(std::string_view(price).substr(0, point));
    integerPart = digits.value_or("0");
    fractionPart = "00";
    if (!digits) {
        price.clear();
        return;
    }
    if (point != std::string::npos) {
        std::string fraction = price.substr(point + 1);
        std::string fractionDigits;
        小数点_SUB(fraction, fractionDigits);
        if (fractionDigits != "0")
            fractionPart = fractionDigits;
    }
    if (integerPart == "0" && fractionPart == "00")
        price.clear();
    else
        price = integerPart + "." + fractionPart;
}

std::string normalisedPrice(std::string text) {
    std::string integerPart;
    std::string fractionPart;
    INPUT_SUB(text, integerPart, fractionPart);
    return text;
}

} // namespace kedravo
