// The verification's error numbers: which comparison failed last, as the warning shows it.
#include "core/cp932.h"
#include "store/price_data_file.h"

#include <gtest/gtest.h>

namespace kedravo::store {
namespace {

std::unique_ptr<Tables> twoPages() {
    auto t = std::make_unique<Tables>();
    t->PAGE_NAME[0] = "ドル円";
    t->CUR_PRICE[0] = "112.5";
    t->CUR_PRICE_TIME[0] = "T0";
    t->LINE_COUNT[0] = 2;
    t->LINE_PRICE[0][0] = "1.5";
    t->LINE_TF[0][0] = 1;
    t->LINE_CROSS[0][0] = 3;
    t->LINE_PRICE[0][1] = "1.6";
    t->LINE_TF[0][1] = 2;
    t->LINE_CROSS[0][1] = 4;
    t->PAGE_NAME[1] = "ポンド";
    t->CUR_PRICE[1] = "150.1";
    t->CUR_PRICE_TIME[1] = "T1";
    t->LINE_COUNT[1] = 1;
    t->LINE_PRICE[1][0] = "2.5";
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
    for (const Case& c : cases) {
        std::string changed = image;
        for (const Change& change : c.changes) {
            std::size_t at = changed.find(change.from);
            ASSERT_NE(at, std::string::npos) << c.name;
            if (change.to)
                changed.replace(at, std::string(change.from).size(), change.to);
            else
                changed.resize(at);
        }
        EXPECT_EQ(verifyPriceData(*t, utf8ToCp932(changed).text), c.number) << c.name;
    }
}

} // namespace
} // namespace kedravo::store
