#include "lines/price_decimal.h"

#include <gtest/gtest.h>

namespace kedravo {
namespace {

struct SumCase {
    const char* name;
    const char* a;
    const char* b;
    const char* text;
    const char* priceText;
    bool fits;
};

TEST(PriceDecimal, AddsExactlyAndWritesNineCharacters) {
    const SumCase cases[] = {
        {"spread on a price", "112.345", "0.01", "112.35500", "112.355", true},
        {"decimal exactness", "0.1", "0.2", "  0.30000", "0.3", true},
        {"small", "1.1", "", "  1.10000", "1.1", true},
        {"zero", "", "", "  0.00000", "0.00", true},
        {"blanks and plus sign", "  +1.5", "0.5", "  2.00000", "2.00", true},
        {"reads up to the first other character", "1.2.3", "1円", "  2.20000", "2.2", true},
        {"sixth digit rounds half up", "0.000005", "0", "  0.00001", "0.00001", true},
        {"sixth digit below half drops", "0.0000049", "0", "  0.00000", "0.00", true},
        {"largest that fits", "999.99998", "0.00001", "999.99999", "999.99999", true},
        {"1000 grows to the left", "999.99", "0.01", "1000.00000", "1000.00", false},
        {"above 1000 stays exact", "999.995", "0.36", "1000.35500", "1000.355", false},
        {"negative", "0.3", "-0.5", " -0.20000", "-0.2", false},
        {"negative integer", "-5.5", "0", " -5.50000", "-5.5", false},
    };
    for (const auto& c : cases) {
        PriceDecimal sum = PriceDecimal::fromText(c.a) + PriceDecimal::fromText(c.b);
        EXPECT_EQ(sum.text(), c.text) << c.name;
        EXPECT_EQ(sum.priceText(), c.priceText) << c.name;
        EXPECT_EQ(sum.fitsFormat(), c.fits) << c.name;
    }
}

TEST(PriceDecimal, AnyLengthOfDigitsStaysDefined) {
    std::string huge(40, '9');
    PriceDecimal sum = PriceDecimal::fromText(huge) + PriceDecimal::fromText(huge);
    EXPECT_FALSE(sum.fitsFormat());
    EXPECT_GT(sum.units(), 0);
}

} // namespace
} // namespace kedravo
