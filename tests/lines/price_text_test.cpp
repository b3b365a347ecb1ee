#include "lines/price_text.h"

#include <gtest/gtest.h>
#include <random>
#include <regex>
#include <string>

namespace kedravo {
namespace {

// An integer part of 310 digits: beyond a double's range, then a fraction that alone would be a price.
const std::string LONGER_THAN_A_DOUBLE = std::string(310, '9') + ".5";
const std::string NEGATIVE_LONGER_THAN_A_DOUBLE = "-" + LONGER_THAN_A_DOUBLE;

struct PriceCase {
    const char* name;
    const char* in;
    const char* price;
    const char* integerPart;
    const char* fractionPart;
};

TEST(InputSub, NormalisesToCanonicalTextAndParts) {
    const PriceCase cases[] = {
        {"integer", "105", "105.00", "105", "00"},
        {"zero fraction", "105.0", "105.00", "105", "00"},
        {"trailing zero", "105.50", "105.5", "105", "5"},
        {"leading zero kept", "105.05", "105.05", "105", "05"},
        {"sixth digit truncated", "105.123456", "105.12345", "105", "12345"},
        {"point first", ".5", "0.5", "0", "5"},
        {"zero integer", "0.5", "0.5", "0", "5"},
        {"leading zeros dropped", "007.5", "7.5", "7", "5"},
        {"point last", "12.", "12.00", "12", "00"},
        {"largest", "999.99999", "999.99999", "999", "99999"},
        {"full-width", "１０５．２５", "105.25", "105", "25"},
        {"leading blanks", "  105.25", "105.25", "105", "25"},
        {"minus dropped", "-5", "5.00", "5", "00"},
        {"minus with fraction", "-5.5", "5.5", "5", "5"},
        {"fraction stops at a non-digit", "112.5円", "112.5", "112", "5"},
        {"fraction stops at a second point", "112.5.3", "112.5", "112", "5"},
        {"fraction starting with a blank", "112. 5", "112.00", "112", "00"},
        {"integer stops at a non-digit", "5abc", "5.00", "5", "00"},
        {"zero", "0", "", "0", "00"},
        {"zero with fraction", "0.0", "", "0", "00"},
        {"five zeros", "0.00000", "", "0", "00"},
        {"only the first five digits count", "0.000001", "", "0", "00"},
        {"letters", "abc", "", "0", "00"},
        {"empty", "", "", "0", "00"},
        {"1000", "1000", "", "0", "00"},
        {"1000 with fraction", "1000.5", "", "0", "00"},
        {"negative beyond the limit", "-12345", "", "0", "00"},
        {"negative beyond the limit with fraction", "-1000.5", "", "0", "00"},
        {"huge", "1234567890123456789012345678901234567890", "", "0", "00"},
        {"longer than a double", LONGER_THAN_A_DOUBLE.c_str(), "", "0", "00"},
        {"negative longer than a double", NEGATIVE_LONGER_THAN_A_DOUBLE.c_str(), "", "0", "00"},
    };
    for (const auto& c : cases) {
        std::string price = c.in;
        std::string integerPart = "x";
        std::string fractionPart = "x";
        INPUT_SUB(price, integerPart, fractionPart);
        EXPECT_EQ(price, c.price) << c.name;
        EXPECT_EQ(integerPart, c.integerPart) << c.name;
        EXPECT_EQ(fractionPart, c.fractionPart) << c.name;
    }
}

TEST(FractionSub, TruncatesStripsAndKeepsLeadingZeros) {
    const std::tuple<const char*, const char*, const char*> cases[] = {
        {"34500", "345", "345"},      {"05", "05", "05"}, {"00500", "005", "005"}, {"123456", "12345", "12345"},
        {"999999", "99999", "99999"}, {"0", "0", "0"},    {"000", "0", "0"},       {"", "", "0"},
        {"３４５", "345", "345"},     {"5円", "5", "5"},  {"50.3", "5", "5"},      {"x5", "", "0"},
    };
    for (const auto& [in, rewritten, expected] : cases) {
        std::string fraction = in;
        std::string result;
        小数点_SUB(fraction, result);
        EXPECT_EQ(result, expected) << in;
        EXPECT_EQ(fraction, rewritten) << in;
    }
}

TEST(FractionCutSub, StripsTrailingZerosButNeverTheLastCharacter) {
    const std::pair<const char*, const char*> cases[] = {
        {"10000", "1"}, {"00000", "0"}, {"0", "0"}, {"", ""}, {"12340", "1234"}, {"01", "01"}, {"50", "5"},
    };
    for (const auto& [in, expected] : cases) {
        std::string text = in;
        小数点_CUTSUB(text, 5);
        EXPECT_EQ(text, expected) << in;
    }
}

// Random typing from digits, points, signs, blanks and full-width forms.
std::string randomTyping(std::mt19937& rng) {
    static const char* const pieces[] = {"0", "1", "5", "9", "0", ".", ".", "-", "+", " ", "０", "９", "．", "円", "a"};
    std::uniform_int_distribution<int> length(0, 12);
    std::uniform_int_distribution<std::size_t> piece(0, std::size(pieces) - 1);
    std::string text;
    for (int n = length(rng); n > 0; --n)
        text += pieces[piece(rng)];
    return text;
}

TEST(InputSub, EveryResultIsCanonicalAndAFixedPoint) {
    const std::regex canonical(R"((0|[1-9][0-9]{0,2})\.(00|[0-9]{0,4}[1-9]))");
    const unsigned seed = 20240601;
    std::mt19937 rng(seed);
    for (int i = 0; i < 20000; ++i) {
        std::string typed = randomTyping(rng);
        std::string price = normalisedPrice(typed);
        if (price.empty())
            continue;
        ASSERT_TRUE(std::regex_match(price, canonical) && price != "0.00")
            << "seed " << seed << " case " << i << ": \"" << typed << "\" gave \"" << price << '"';
        ASSERT_EQ(normalisedPrice(price), price) << "seed " << seed << " case " << i << ": \"" << typed << '"';
    }
}

} // namespace
} // namespace kedravo
