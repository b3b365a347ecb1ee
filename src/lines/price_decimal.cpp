#include "lines/price_decimal.h"

#include <algorithm>
#include <cstdlib>

namespace kedravo {
namespace {

constexpr std::int64_t UNIT = 100000; // 5 fraction digits
constexpr int FRACTION_DIGITS = 5;
constexpr std::int64_t FORMAT_LIMIT = 1000 * UNIT;
// Integer parts beyond 13 digits stop growing, so that any text, however long, and the sum of two such
// values stay inside 64 bits.
constexpr std::int64_t INTEGER_CAP = 9'999'999'999'999;

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

std::string zeroFilled(std::int64_t fraction) {
    std::string digits = std::to_string(fraction);
    return std::string(FRACTION_DIGITS - digits.size(), '0') + digits;
}

} // namespace

PriceDecimal PriceDecimal::fromText(std::string_view text) {
    std::size_t i = text.find_first_not_of(' ');
    if (i == std::string_view::npos)
        return {};
    bool negative = text[i] == '-';
    if (text[i] == '-' || text[i] == '+')
        ++i;
    std::int64_t integer = 0;
    for (; i < text.size() && isDigit(text[i]); ++i)
        integer = std::min(integer * 10 + (text[i] - '0'), INTEGER_CAP);
    std::int64_t fraction = 0;
    int digits = 0;
    bool roundUp = false;
    if (i < text.size() && text[i] == '.') {
        for (++i; i < text.size() && isDigit(text[i]); ++i, ++digits) {
            if (digits < FRACTION_DIGITS)
                fraction = fraction * 10 + (text[i] - '0');
            else if (digits == FRACTION_DIGITS)
                roundUp = text[i] >= '5';
        }
    }
    for (; digits < FRACTION_DIGITS; ++digits)
        fraction *= 10;
    PriceDecimal value;
    value.units_ = integer * UNIT + fraction + (roundUp ? 1 : 0);
    if (negative)
        value.units_ = -value.units_;
    return value;
}

PriceDecimal PriceDecimal::operator+(PriceDecimal other) const {
    PriceDecimal sum;
    sum.units_ = units_ + other.units_;
    return sum;
}

bool PriceDecimal::fitsFormat() const {
    return units_ >= 0 && units_ < FORMAT_LIMIT;
}

std::string PriceDecimal::integerText() const {
    std::string digits = std::to_string(std::llabs(units_) / UNIT);
    return units_ < 0 ? "-" + digits : digits;
}

std::string PriceDecimal::text() const {
    std::string integer = integerText();
    if (integer.size() < 3)
        integer.insert(0, 3 - integer.size(), ' ');
    return integer + "." + zeroFilled(std::llabs(units_) % UNIT);
}

std::string PriceDecimal::priceText() const {
    std::string fraction = zeroFilled(std::llabs(units_) % UNIT);
    fraction.erase(fraction.find_last_not_of('0') + 1);
    return integerText() + "." + (fraction.empty() ? "00" : fraction);
}

} // namespace kedravo
