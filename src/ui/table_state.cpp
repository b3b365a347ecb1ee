#include "ui/table_state.h"

#include <algorithm>

namespace kedravo::ui {
namespace {

PageState capturePage(const Tables& t, int p) {
    PageState page{
        t.PAGE_NAME[p], t.PAGE_SPREAD[p], t.TF_COUNT[p], t.TF_NAME[p], t.CUR_PRICE[p], t.CUR_PRICE_TIME[p], {}};
    const int count = std::clamp<int>(t.LINE_COUNT[p], 0, LINE_MAX);
    page.lines.reserve(static_cast<std::size_t>(count));
    for (int j = 0; j < count; ++j)
        page.lines.push_back({t.LINE_PRICE[p][j], t.LINE_TF[p][j], t.LINE_CROSS[p][j]});
    return page;
}

// Slots past the page's lines are left empty, as a fresh table has them.
void restorePage(Tables& t, int p, const PageState& page) {
    t.PAGE_NAME[p] = page.name;
    t.PAGE_SPREAD[p] = page.spread;
    t.TF_COUNT[p] = page.timeFrameCount;
    t.TF_NAME[p] = page.timeFrames;
    t.CUR_PRICE[p] = page.price;
    t.CUR_PRICE_TIME[p] = page.priceTime;
    t.LINE_COUNT[p] = static_cast<std::int16_t>(page.lines.size());
    for (int j = 0; j < LINE_SLOTS; ++j) {
        const bool held = j < static_cast<int>(page.lines.size());
        const LineState line = held ? page.lines[static_cast<std::size_t>(j)] : LineState{};
        t.LINE_PRICE[p][j] = line.price;
        t.LINE_TF[p][j] = line.timeFrame;
        t.LINE_CROSS[p][j] = line.crosses;
    }
}

bool sameBasicData(const PageState& a, const PageState& b) {
    return a.name == b.name && a.spread == b.spread && a.timeFrameCount == b.timeFrameCount &&
           a.timeFrames == b.timeFrames;
}

bool samePriceData(const PageState& a, const PageState& b) {
    return a.name == b.name && a.price == b.price && a.priceTime == b.priceTime && a.lines == b.lines;
}

} // namespace

TableState captureState(const Tables& t, const TableState& previous) {
    TableState state;
    for (int p = 0; p < PAGE_MAX; ++p) {
        PageState page = capturePage(t, p);
        const auto& before = previous.pages[static_cast<std::size_t>(p)];
        state.pages[static_cast<std::size_t>(p)] =
            before && *before == page ? before : std::make_shared<const PageState>(std::move(page));
    }
    return state;
}

void restoreState(Tables& t, const TableState& state) {
    for (int p = 0; p < PAGE_MAX; ++p)
        restorePage(t, p, *state.pages[static_cast<std::size_t>(p)]);
}

StateDifference compareStates(const TableState& a, const TableState& b) {
    StateDifference difference;
    for (std::size_t p = 0; p < a.pages.size(); ++p) {
        if (a.pages[p] == b.pages[p])
            continue;
        difference.priceData = difference.priceData || !samePriceData(*a.pages[p], *b.pages[p]);
        difference.basicData = difference.basicData || !sameBasicData(*a.pages[p], *b.pages[p]);
    }
    return difference;
}

} // namespace kedravo::ui
