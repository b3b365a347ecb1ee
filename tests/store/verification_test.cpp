// The verification's error numbers: which comparison failed last, as the warning shows it.
#include "core/cp932.h"
#include "store/price_data_file.h"
#include "support/cases.h"
#include "support/tables_builder.h"

#include <gtest/gtest.h>

namespace kedravo::store {
namespace {

std::unique_ptr<Tables> twoPages() {
    auto t = kedravo::test::tablesWith({.price = "112.5", .time = "T0", .lines = {{"1.5", 1, 3}, {"1.6", 2, 4}}});
    kedravo::test::putPage(*t, 1, {.name = "ポンド", .price = "150.1", .time = "T1", .lines = {{"2.5"}}});
    return t;
}

struct Change {
    const char* from;
    const char* to; // nothing: the file ends where `from` begins
};

TEST(Verification, ReportsTheNumberOfTheLastMismatch) {
    struct Case {
        const char* name;
        std::vector<Change> changes;
        std::optional<int> number;
    };
    const Case cases[] = {
        {"unchanged", {}, std::nullopt},
        {"version label", {{"バージョン,", "バージョX,"}}, 10001},
        {"version number", {{",200\r\n", ",201\r\n"}}, 10002},
        {"name label", {{"ページ名,ポンド", "ページX,ポンド"}}, 10003},
        {"page name", {{"ドル円", "ドル"}}, 10004},
        {"price label of page 1", {{"価格,150.1", "価X,150.1"}}, 1000},
        {"price label of page 0 is number 0", {{"価格,112.5", "価X,112.5"}}, 0},
        {"current price", {{"112.5", "112.4"}}, 301},
        {"update time", {{"T1", "T9"}}, 1302},
        {"count above the tables'", {{" 2 \r\n1.5", " 3 \r\n1.5"}}, 303},
        {"count below the tables'", {{" 1 \r\n2.5", " 0 \r\n2.5"}}, 1303},
        {"time-frame index of a line", {{"1.6, 2 ", "1.6, 3 "}}, 1},
        {"crossing count of a line", {{"2.5, 0 , 0 ", "2.5, 0 , 7 "}}, 1000},
        {"a later mismatch overwrites", {{"ドル円", "ドル"}, {"1.5, 1 ", "1.5, 0 "}}, 0},
        {"file cut after page 0", {{"******************************\r\nページ名,ポンド", nullptr}}, 10003},
        {"a number that is none", {{"1.6, 2 ", "1.6, x "}}, 1},
    };
    auto t = twoPages();
    std::string image = priceDataImage(*t);
    kedravo::test::eachCase(cases, [&](const Case& c) {
        std::string changed = image;
        for (const Change& change : c.changes) {
            std::size_t at = changed.find(change.from);
            ASSERT_NE(at, std::string::npos);
            if (change.to)
                changed.replace(at, std::string(change.from).size(), change.to);
            else
                changed.resize(at);
        }
        EXPECT_EQ(verifyPriceData(*t, utf8ToCp932(changed).text), c.number);
    });
}

} // namespace
} // namespace kedravo::store
