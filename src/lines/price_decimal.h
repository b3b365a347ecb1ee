#pragma once
// Exact decimal with 5 fraction digits, used to add the spread to a price.
#include <cstdint>
#include <string>
#include <string_view>

namespace kedravo {

class PriceDecimal {
public:
    PriceDecimal() = default;
    static PriceDecimal fromText(std::string_view text); // blanks, sign, digits, point, digits; "" is 0
    PriceDecimal operator+(PriceDecimal other) const;
    bool fitsFormat() const; // 0 <= value < 1000: what the 9-character form can hold
    // The 9-character form ("112.35500", "  1.10000"); a value that does not fit grows to the left.
    std::string text() const;
    // The exact value in the shape of a price text ("1000.355", "1000.00", "-0.2"), for values the 9-character
    // form cannot hold.
    std::string priceText() const;
    std::int64_t units() const { return units_; } // value * 100000

private:
    std::string integerText() const;

    std::int64_t units_ = 0;
};

} // namespace kedravo
