#include "support/cases.h"
#include "ui/time_frame_map.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace kedravo::ui {
namespace {

using Names = std::vector<std::string>;

struct CarryCase {
    const char* name;
    Names before;
    Names after;
    std::vector<std::int16_t> lineTfs;
    std::vector<std::int16_t> expected;
};

// Page 3 registered from `before` (the working copy) to `after` (the live tables), one line per entry of lineTfs.
Tables registered(const CarryCase& c) {
    Tables t;
    const int q = 3;
    t.TMP_TF_COUNT[q] = static_cast<std::int16_t>(c.before.size());
    std::copy(c.before.begin(), c.before.end(), t.TMP_TF_NAME[q].begin());
    t.TMP_TF_MAP[q].fill(9); // stale entries must not be read
    t.TF_COUNT[q] = static_cast<std::int16_t>(c.after.size());
    std::copy(c.after.begin(), c.after.end(), t.TF_NAME[q].begin());
    t.LINE_COUNT[q] = static_cast<std::int16_t>(c.lineTfs.size());
    for (std::size_t l = 0; l < c.lineTfs.size(); ++l) {
        t.LINE_PRICE[q][l] = std::to_string(110 - static_cast<int>(l)) + ".5";
        t.LINE_TF[q][l] = c.lineTfs[l];
        t.LINE_CROSS[q][l] = static_cast<std::int16_t>(l + 1);
    }
    carryLinesOver(t, q);
    return t;
}

void PrintTo(const CarryCase& c, std::ostream* out) {
    *out << c.name;
}

using CarryCases = testing::TestWithParam<CarryCase>;

TEST_P(CarryCases, MovesEachLineToItsNewTimeFrame) {
    const CarryCase& c = GetParam();
    const Tables t = registered(c);
    ASSERT_EQ(t.LINE_COUNT[3], static_cast<int>(c.expected.size()));
    for (std::size_t l = 0; l < c.expected.size(); ++l) {
        EXPECT_EQ(t.LINE_TF[3][l], c.expected[l]) << "line " << l;
        EXPECT_EQ(t.LINE_CROSS[3][l], static_cast<int>(l + 1)) << "line " << l;
    }
}

INSTANTIATE_TEST_SUITE_P(
    CarryLinesOver, CarryCases,
    testing::Values(CarryCase{"unchanged", {"5分", "1時間"}, {"5分", "1時間"}, {0, 1}, {0, 1}},
                    CarryCase{"renamed in place", {"5分", "1時間"}, {"5m", "1時間"}, {0, 1}, {0, 1}},
                    CarryCase{"reordered and dropped", {"5分", "1時間", "日足"}, {"日足", "5分"}, {0, 1, 2}, {1, 1, 0}},
                    CarryCase{"swapped", {"A", "B"}, {"B", "A"}, {0, 1, 1}, {1, 0, 0}},
                    CarryCase{"position gone", {"A", "B", "C"}, {"A", "B"}, {2, 1}, {0, 1}},
                    CarryCase{"last equal name wins", {"A", "B"}, {"B", "A", "A"}, {0}, {2}},
                    CarryCase{"empty name past the new end", {"A", "", ""}, {"A"}, {1, 2, 0}, {0, 0, 0}},
                    CarryCase{"no old names", {}, {"A", "B"}, {1, 0}, {1, 0}},
                    CarryCase{"outside the old list", {"A"}, {"A", "B"}, {1, 5}, {1, 0}}),
    kedravo::test::CaseName());

TEST(CarryLinesOver, DeletesEveryLineOfAPageLeftWithoutTimeFrames) {
    const Tables t = registered({"closed", {"A", "B"}, {}, {0, 1, 1}, {}});
    EXPECT_EQ(t.LINE_COUNT[3], 0);
}

} // namespace
} // namespace kedravo::ui
