#include "lines/sort.h"

#include "core/numeric_value.h"

#include <algorithm>
#include <cassert>
#include <string>
#include <vector>

namespace kedravo {
namespace {

struct Keyed {
    double price;
    int line;
};

// Moves the lines of `page` into the order `order`, all three fields of a line together.
void permute(Tables& t, int page, const std::vector<Keyed>& order) {
    std::vector<std::string> prices;
    std::vector<std::int16_t> frames;
    std::vector<std::int16_t> crosses;
    for (const Keyed& k : order) {
        prices.push_back(std::move(t.LINE_PRICE[page][k.line]));
        frames.push_back(t.LINE_TF[page][k.line]);
        crosses.push_back(t.LINE_CROSS[page][k.line]);
    }
    for (std::size_t i = 0; i < order.size(); ++i) {
        t.LINE_PRICE[page][i] = std::move(prices[i]);
        t.LINE_TF[page][i] = frames[i];
        t.LINE_CROSS[page][i] = crosses[i];
    }
}

} // namespace

// The exchange sort this replaces swapped only strictly smaller neighbours, so its result is the stable
// descending order; reading each price once and sorting stably gives the same lines in the same places.
void ソート_SUB(Tables& t, int n) {
    assert(n < LINE_SLOTS);
    if (n <= 1)
        return;
    const int page = t.CUR_PAGE;
    std::vector<Keyed> order;
    order.reserve(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i)
        order.push_back({numericValue(t.LINE_PRICE[page][i]), i});
    std::stable_sort(order.begin(), order.end(), [](const Keyed& a, const Keyed& b) { return a.price > b.price; });
    permute(t, page, order);
}

} // namespace kedravo
