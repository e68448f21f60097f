// The significance assessment of a run's found words on the generated 1 MB text,
// with the bytes of its file.
// It may add at most 20 % to the Embed job (BM_EmbedJob of embed_bench), whatever
// the modules; BM_SearchAndCount1MB, the search and counting alone, is a smaller
// yardstick measured here under the same load.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <map>
#include <numeric>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "bench/bench_inputs.h"
#include "bench/embed_text_generator.h"
#include "common/core/dictionary/dictionary.h"
#include "embed/core/embedded_search.h"
#include "embed/core/prepared_text.h"
#include "embed/core/significance/significance.h"
#include "embed/core/significance/significance_table.h"

namespace {

using namespace undertext;
using namespace undertext::embed;

// What a run holds when its counting is done: the text, the modules' words and
// the found words.
struct RunState {
    DicWords dicWords;
    std::optional<DictionaryOrder> order;  // made once, as a run's search makes it
    PreparedText text;
    std::vector<EmbeddedWord> found;
};

// The modules of a run: the default module (one run in byte order), the default
// module twice over (every word listed twice), or the default
// module in random order.
enum Modules { kDefault = 1, kTwice = 2, kShuffled = 3 };

const RunState* runState(int modules) {
    static std::map<int, RunState> states;
    if (const auto known = states.find(modules); known != states.end()) {
        return &known->second;
    }
    auto loaded = loadDicWords(bench::dictionaryFolder(), {"COMMON.DIC"});
    if (!loaded) {
        return nullptr;
    }
    RunState state;
    const auto& module = loaded.value();
    std::vector<std::size_t> order(module.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    if (modules == kShuffled) {
        std::shuffle(order.begin(), order.end(), std::mt19937(5));
    }
    for (int copy = 0; copy < (modules == kTwice ? 2 : 1); ++copy) {
        for (const auto index : order) {
            state.dicWords.append(module[index]);
        }
    }
    state.text = prepareLetters(bench::generateRussianText(module, 1 << 20), Language::Russian);
    auto& kept = states.emplace(modules, std::move(state)).first->second;
    kept.order.emplace(kept.dicWords);
    kept.found = EmbeddedSearch(kept.text, kept.dicWords, &*kept.order).embeddedWords();
    return &kept;
}

void BM_SearchAndCount1MB(benchmark::State& state) {
    const auto* run = runState(static_cast<int>(state.range(0)));
    if (run == nullptr) {
        state.SkipWithError("COMMON.DIC not found: run bench/run.sh");
        return;
    }
    // A single run orders its words, then searches.
    for (auto _ : state) {
        auto words = EmbeddedSearch(run->text, run->dicWords).embeddedWords();
        benchmark::DoNotOptimize(words);
    }
}
BENCHMARK(BM_SearchAndCount1MB)
    ->ArgName("modules")
    ->Arg(kDefault)
    ->Arg(kTwice)
    ->Arg(kShuffled)
    ->Unit(benchmark::kMillisecond);

void BM_Significance1MB(benchmark::State& state) {
    const auto* run = runState(static_cast<int>(state.range(1)));
    if (run == nullptr) {
        state.SkipWithError("COMMON.DIC not found: run bench/run.sh");
        return;
    }
    const int order = static_cast<int>(state.range(0));
    SignificanceOutcome outcome;
    for (auto _ : state) {
        // With the search's order, as a run passes it.
        outcome = assessSignificance(run->text, run->dicWords, run->found, Language::Russian, order,
                                     &*run->order);
        auto file = significanceTsv(outcome.table.rows);
        benchmark::DoNotOptimize(file);
    }
    state.counters["dictionary_words"] = static_cast<double>(run->dicWords.size());
    state.counters["family"] = static_cast<double>(outcome.table.familySize);
    state.counters["rows"] = static_cast<double>(outcome.table.rows.size());
}
BENCHMARK(BM_Significance1MB)
    ->ArgNames({"order", "modules"})
    ->Args({0, 1})
    ->Args({1, 1})
    ->Args({2, 1})
    ->Args({1, kTwice})
    ->Args({1, kShuffled})
    ->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
