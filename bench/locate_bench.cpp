#include <benchmark/benchmark.h>

#include <memory>

#include "bench/echoscan_text.h"
#include "common/core/text/codepage.h"
#include "echoscan/core/fragment_locator.h"
#include "embed/core/word_locator.h"

namespace {

using undertext::Language;

// Queries from the most frequent (a single letter: hundreds of thousands of
// places) to a rare one.
const char* const kQueries[] = {"о", "что", "ение", "о п", "кот"};

const std::string* prose4M() {
    static const auto prose = undertext::bench::russianProse(4 << 20, 11);
    return prose ? &prose.value() : nullptr;
}

// Building a locator: preparation with the map back to the source, and the suffix
// array.
template <typename Locator>
void BM_Prepare(benchmark::State& state) {
    const auto* text = prose4M();
    if (text == nullptr) {
        state.SkipWithError("COMMON.DIC not found: run bench/run.sh");
        return;
    }
    for (auto _ : state) {
        const Locator locator(*text, Language::Russian);
        benchmark::DoNotOptimize(&locator);
    }
}
BENCHMARK(BM_Prepare<undertext::embed::WordLocator>)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Prepare<undertext::echoscan::FragmentLocator>)->Unit(benchmark::kMillisecond);

// One word or fragment in a 4 MB text once it is prepared.
template <typename Locator>
void BM_Find(benchmark::State& state) {
    const auto* text = prose4M();
    if (text == nullptr) {
        state.SkipWithError("COMMON.DIC not found: run bench/run.sh");
        return;
    }
    static const auto locator = std::make_unique<Locator>(*text, Language::Russian);
    const auto query = undertext::utf8ToCp1251(kQueries[state.range(0)]);
    std::size_t found = 0;
    for (auto _ : state) {
        found = locator->find(query).size();
    }
    state.SetLabel(kQueries[state.range(0)]);
    state.counters["occurrences"] = static_cast<double>(found);
}
BENCHMARK(BM_Find<undertext::embed::WordLocator>)
    ->DenseRange(0, std::size(kQueries) - 1)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Find<undertext::echoscan::FragmentLocator>)
    ->DenseRange(0, std::size(kQueries) - 1)
    ->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
