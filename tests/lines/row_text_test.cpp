#include "lines/row_text.h"

#include <gtest/gtest.h>
#include <memory>

namespace kedravo {
namespace {

TEST(SetLdatSub2, RightAlignsTheIntegerPart) {
    const std::pair<const char*, const char*> cases[] = {
        {"112.345", "112.345"}, {"1.10000", "  1.1"}, {"0.75", "   0.75"}, {"5", "  5.00"},    {"999.9", "999.9"},
        {"10.5", " 10.5"},      {"9.5", "  9.5"},     {"0.5", "   0.5"},   {"abc", "   0.00"}, {"１２．５", " 12.5"},
    };
    auto t = std::make_unique<Tables>();
    for (const auto& [price, shown] : cases) {
        SET_LDAT_SUB2(*t, 1, price);
        EXPECT_EQ(t->DISP_PRICE[1], shown) << price;
    }
}

TEST(SetSumPrice, ShowsASumBeyondTheFormatExactly) {
    const std::tuple<const char*, const char*, const char*> cases[] = {
        {"112.345", "0.01", "112.355"},
        {"999.995", "0.36", "1000.355"},
        {"999.99", "0.01", "1000.00"},
        {"0.3", "-0.5", "   -0.2"},
    };
    auto t = std::make_unique<Tables>();
    for (const auto& [price, spread, shown] : cases) {
        setSumPrice(*t, 2, PriceDecimal::fromText(price) + PriceDecimal::fromText(spread));
        EXPECT_EQ(t->DISP_PRICE[2], shown) << price << " + " << spread;
    }
}

struct AlignCase {
    const char* name;
    int mode;
    std::vector<std::string> rows; // rows 1..n
    std::vector<std::string> aligned;
    std::string slot0;
};

TEST(StringTidySub, PadsRowsToTheWidestInCp932Bytes) {
    const AlignCase cases[] = {
        {"left", 0, {"112.5", "112.355"}, {"112.5  ", "112.355"}, "       "},
        {"right", 2, {"3", "12"}, {" 3", "12"}, "  "},
        {"centred, odd blank after", 1, {"a", "abcd"}, {" a  ", "abcd"}, "    "},
        {"full-width counts two", 0, {"（日足）", "（1h）"}, {"（日足）", "（1h）  "}, "        "},
        {"right-aligned full-width", 5, {"回", "abcd"}, {"  回", "abcd"}, "    "},
        {"all empty leaves everything", 0, {"", ""}, {"", ""}, "keep"},
        {"no rows leaves everything", 0, {}, {}, "keep"},
    };
    for (const auto& c : cases) {
        RowTexts table{};
        table[0] = "keep";
        for (std::size_t r = 0; r < c.rows.size(); ++r)
            table[r + 1] = c.rows[r];
        文字列整理_SUB(c.mode, static_cast<int>(c.rows.size()), table);
        EXPECT_EQ(table[0], c.slot0) << c.name;
        for (std::size_t r = 0; r < c.aligned.size(); ++r)
            EXPECT_EQ(table[r + 1], c.aligned[r]) << c.name << " row " << r + 1;
    }
}

} // namespace
} // namespace kedravo
