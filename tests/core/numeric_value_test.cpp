#include "core/numeric_value.h"

#include <cmath>
#include <gtest/gtest.h>
#include <string>

namespace kedravo {
namespace {

TEST(NumericValue, ReadsUpToTheFirstCharacterThatCannotContinue) {
    const std::pair<const char*, double> cases[] = {
        {"", 0.0},
        {"abc", 0.0},
        {"105.25", 105.25},
        {"  105.25", 105.25},
        {"-5.5", -5.5},
        {"+7", 7.0},
        {"112.5円", 112.5},
        {"112.5.3", 112.5},
        {".5", 0.5},
        {"12.", 12.0},
        {"1e5", 1.0},
        {"- 5", 0.0},
        {"1 2", 1.0},
        {"-", 0.0},
        {".", 0.0},
        {"007.50", 7.5},
        {"１２", 0.0},
        {"\t5", 0.0},
        {"99999999999", 99999999999.0},
    };
    for (const auto& [text, value] : cases)
        EXPECT_DOUBLE_EQ(numericValue(text), value) << '"' << text << '"';
}

TEST(NumericValue, NumbersBeyondTheRangeAreInfiniteOrZero) {
    const std::string huge(310, '9');
    const std::string tiny = "0." + std::string(400, '0') + "1";
    const std::pair<std::string, double> cases[] = {
        {huge, HUGE_VAL},
        {"-" + huge, -HUGE_VAL},
        {huge + ".5", HUGE_VAL},
        {"  +" + huge, HUGE_VAL},
        {tiny, 0.0},
        {"-" + tiny, 0.0},
        {"000" + huge.substr(0, 3), 999.0},
    };
    for (const auto& [text, value] : cases)
        EXPECT_EQ(numericValue(text), value) << '"' << text.substr(0, 12) << "...\"";
}

TEST(NumericValue, SinglePrecisionKeepsFloatRoundingAndGoesInfiniteBeyondIt) {
    const std::pair<std::string, float> cases[] = {
        {"0.1", 0.1f},
        {"999.99999", 999.99999f},
        {"1" + std::string(39, '0'), HUGE_VALF},
        {"-1" + std::string(39, '0'), -HUGE_VALF},
        {std::string(310, '9'), HUGE_VALF},
    };
    for (const auto& [text, value] : cases)
        EXPECT_EQ(numericValueSingle(text), value) << '"' << text.substr(0, 12) << "...\"";
}

} // namespace
} // namespace kedravo
