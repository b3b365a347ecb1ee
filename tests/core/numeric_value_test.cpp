#include <gtest/gtest.h>

#include "core/numeric_value.h"

namespace kedravo {
namespace {

TEST(NumericValue, ReadsUpToTheFirstCharacterThatCannotContinue) {
    const std::pair<const char*, double> cases[] = {
        {"", 0.0},          {"abc", 0.0},        {"105.25", 105.25}, {"  105.25", 105.25}, {"-5.5", -5.5},
        {"+7", 7.0},        {"112.5円", 112.5},  {"112.5.3", 112.5}, {".5", 0.5},          {"12.", 12.0},
        {"1e5", 1.0},       {"- 5", 0.0},        {"1 2", 1.0},       {"-", 0.0},           {".", 0.0},
        {"007.50", 7.5},    {"１２", 0.0},       {"\t5", 0.0},       {"99999999999", 99999999999.0},
    };
    for (const auto& [text, value] : cases)
        EXPECT_DOUBLE_EQ(numericValue(text), value) << '"' << text << '"';
}

TEST(NumericValue, SinglePrecisionKeepsFloatRounding) {
    EXPECT_EQ(numericValueSingle("0.1"), 0.1f);
    EXPECT_EQ(numericValueSingle("999.99999"), 999.99999f);
}

} // namespace
} // namespace kedravo
