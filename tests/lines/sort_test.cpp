#include "core/numeric_value.h"
#include "lines/sort.h"
#include "support/tables_builder.h"

#include <gtest/gtest.h>
#include <memory>
#include <random>
#include <vector>

namespace kedravo {
namespace {

using test::Line;
using test::linesOf;

// The current page `page` holding `lines`.
std::unique_ptr<Tables> pageOf(const std::vector<Line>& lines, int page) {
    auto t = std::make_unique<Tables>();
    t->CUR_PAGE = static_cast<std::int16_t>(page);
    test::putPage(*t, page, {.lines = lines});
    return t;
}

// The exchange sort in its plain form: full passes, neighbours swapped when the first is strictly smaller.
void referenceBubbleSort(std::vector<Line>& lines) {
    if (lines.size() <= 1)
        return;
    bool swapped = true;
    while (swapped) {
        swapped = false;
        for (std::size_t i = 0; i + 1 < lines.size(); ++i) {
            if (numericValue(lines[i].price) < numericValue(lines[i + 1].price)) {
                std::swap(lines[i], lines[i + 1]);
                swapped = true;
            }
        }
    }
}

struct SortCase {
    const char* name;
    std::vector<Line> in;
    std::vector<Line> out;
};

TEST(SortSub, OrdersByValueHighestFirstKeepingEqualPricesInPlace) {
    const SortCase cases[] = {
        {"no line", {}, {}},
        {"one line", {{"1.5", 1, 2}}, {{"1.5", 1, 2}}},
        {"already descending", {{"3.00", 0, 0}, {"2.00", 0, 0}}, {{"3.00", 0, 0}, {"2.00", 0, 0}}},
        {"by value not text", {{"99.5", 0, 1}, {"100.25", 1, 0}}, {{"100.25", 1, 0}, {"99.5", 0, 1}}},
        {"decimals differ", {{"1.09999", 0, 0}, {"1.1", 1, 0}}, {{"1.1", 1, 0}, {"1.09999", 0, 0}}},
        {"equal prices keep their order",
         {{"1.00", 0, 0}, {"5.00", 2, 7}, {"5.00", 1, 3}, {"5.0", 3, 1}},
         {{"5.00", 2, 7}, {"5.00", 1, 3}, {"5.0", 3, 1}, {"1.00", 0, 0}}},
        {"unreadable price counts as 0", {{"abc", 4, 0}, {"0.5", 0, 0}}, {{"0.5", 0, 0}, {"abc", 4, 0}}},
    };
    for (const auto& c : cases) {
        auto t = pageOf(c.in, 3);
        ソート_SUB(*t, static_cast<int>(c.in.size()));
        EXPECT_EQ(linesOf(*t, 3), c.out) << c.name;
    }
}

TEST(SortSub, LeavesLinesBeyondTheCountAndOtherPagesAlone) {
    auto t = pageOf({{"1.00", 0, 0}, {"2.00", 0, 0}, {"9.00", 0, 0}}, 0);
    t->LINE_PRICE[1][0] = "1.00";
    t->LINE_PRICE[1][1] = "2.00";
    ソート_SUB(*t, 2);
    EXPECT_EQ(linesOf(*t, 0), (std::vector<Line>{{"2.00", 0, 0}, {"1.00", 0, 0}, {"9.00", 0, 0}}));
    EXPECT_EQ(t->LINE_PRICE[1][0], "1.00");
}

TEST(SortSub, GivesTheOrderOfTheExchangeSort) {
    // Few distinct values, written in several ways, so that ties are common.
    const char* const prices[] = {"1.1", "1.10", "1.09999", "105.25", "105.250", "99.5", "", "abc", "0.5", "-5"};
    const unsigned seed = 7321;
    std::mt19937 rng(seed);
    // A page holds at most LINE_SLOTS - 1 lines (the name of that limit is also a system macro).
    std::uniform_int_distribution<int> count(0, LINE_SLOTS - 1);
    std::uniform_int_distribution<std::size_t> price(0, std::size(prices) - 1);
    for (int round = 0; round < 60; ++round) {
        std::vector<Line> lines(static_cast<std::size_t>(count(rng)));
        for (std::size_t i = 0; i < lines.size(); ++i)
            lines[i] = {prices[price(rng)], static_cast<std::int16_t>(i % 21), static_cast<std::int16_t>(i)};
        auto t = pageOf(lines, 0);
        ソート_SUB(*t, static_cast<int>(lines.size()));
        referenceBubbleSort(lines);
        ASSERT_EQ(linesOf(*t, 0), lines) << "seed " << seed << " round " << round;
    }
}

} // namespace
} // namespace kedravo
