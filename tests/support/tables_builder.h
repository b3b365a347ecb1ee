#pragma once
// Pages of lines put straight into the tables, as the readers would leave them.
#include "core/tables.h"

#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace kedravo::test {

struct Line {
    std::string price{};
    std::int16_t tf = 0;
    std::int16_t cross = 0;
    bool operator==(const Line&) const = default;
};

inline std::ostream& operator<<(std::ostream& out, const Line& line) {
    return out << line.price << '/' << line.tf << '/' << line.cross;
}

inline constexpr char STORED_TIME[] = "2024/01/02_03:04:05";

struct Page {
    std::string name = "ドル円";
    std::vector<std::string> timeFrames = {"日足", "4h"};
    std::string spread = "0.01";
    std::string price{};               // the current price
    std::optional<std::string> time{}; // when unset: STORED_TIME with a price, else none
    std::vector<Line> lines{};
};

// Page `p` of `t` holds `page`, its lines in the given order.
inline void putPage(Tables& t, int p, const Page& page) {
    t.PAGE_NAME[p] = page.name;
    t.PAGE_SPREAD[p] = page.spread;
    t.TF_COUNT[p] = static_cast<std::int16_t>(page.timeFrames.size());
    std::copy(page.timeFrames.begin(), page.timeFrames.end(), t.TF_NAME[p].begin());
    t.CUR_PRICE[p] = page.price;
    t.CUR_PRICE_TIME[p] = page.time.value_or(page.price.empty() ? "" : STORED_TIME);
    t.LINE_COUNT[p] = static_cast<std::int16_t>(page.lines.size());
    for (std::size_t i = 0; i < page.lines.size(); ++i) {
        t.LINE_PRICE[p][i] = page.lines[i].price;
        t.LINE_TF[p][i] = page.lines[i].tf;
        t.LINE_CROSS[p][i] = page.lines[i].cross;
    }
}

// Tables whose page 0 holds `page`.
inline std::unique_ptr<Tables> tablesWith(const Page& page) {
    auto t = std::make_unique<Tables>();
    putPage(*t, 0, page);
    return t;
}

inline std::vector<Line> linesOf(const Tables& t, int p) {
    std::vector<Line> lines;
    for (int i = 0; i < t.LINE_COUNT[p]; ++i)
        lines.push_back({t.LINE_PRICE[p][i], t.LINE_TF[p][i], t.LINE_CROSS[p][i]});
    return lines;
}

} // namespace kedravo::test
