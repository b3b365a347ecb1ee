#include "core/tables.h"
#include "lines/price_text.h"
#include "lines/sort.h"

#include <benchmark/benchmark.h>
#include <memory>
#include <string>
#include <vector>

namespace kedravo {
namespace {

constexpr int PAGE_LINES = LINE_SLOTS - 1;

// The worst case for the sort: a full page in ascending order, restored before every run.
void sortAscendingPage(benchmark::State& state) {
    auto t = std::make_unique<Tables>();
    std::vector<std::string> ascending;
    for (int i = 0; i < PAGE_LINES; ++i)
        ascending.push_back(std::to_string(100 + i / 100) + "." + std::to_string(10000 + i % 100 * 37));
    for (auto _ : state) {
        state.PauseTiming();
        for (int i = 0; i < PAGE_LINES; ++i)
            t->LINE_PRICE[0][i] = ascending[static_cast<std::size_t>(i)];
        state.ResumeTiming();
        ソート_SUB(*t, PAGE_LINES);
        benchmark::DoNotOptimize(t->LINE_PRICE[0][0]);
    }
}
BENCHMARK(sortAscendingPage);

// Prices as a trader types them: half-width and full-width digits, trailing zeros, stray characters.
void normaliseTypedPrices(benchmark::State& state) {
    const char* const shapes[] = {"112.345", "１１２．３４５", "  105.250", "7.5円", ".5", "1000", "105.123456"};
    std::vector<std::string> typed;
    for (int i = 0; i < 10000; ++i)
        typed.emplace_back(shapes[i % std::size(shapes)]);
    for (auto _ : state) {
        for (const std::string& price : typed)
            benchmark::DoNotOptimize(normalisedPrice(price));
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(typed.size()));
}
BENCHMARK(normaliseTypedPrices);

} // namespace
} // namespace kedravo
