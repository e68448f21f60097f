#include <benchmark/benchmark.h>

#include <filesystem>

#include "bench/bench_inputs.h"
#include "common/core/dictionary/dictionary.h"

namespace {

void BM_LoadRussianDefaultModule(benchmark::State& state) {
    const auto folder = undertext::bench::dictionaryFolder();
    std::error_code error;
    const auto fileSize = std::filesystem::file_size(folder / "COMMON.DIC", error);
    if (error) {
        state.SkipWithError("COMMON.DIC not found: run bench/run.sh");
        return;
    }
    std::size_t words = 0;
    std::size_t memory = 0;
    for (auto _ : state) {
        auto loaded = undertext::loadDicWords(folder, {"COMMON.DIC"});
        if (!loaded) {
            state.SkipWithError(loaded.error().c_str());
            return;
        }
        words = loaded->size();
        memory = loaded->memoryUsed();
        benchmark::DoNotOptimize(loaded);
    }
    state.counters["words"] = static_cast<double>(words);
    state.counters["memory_per_file_byte"] =
        static_cast<double>(memory) / static_cast<double>(fileSize);
}
BENCHMARK(BM_LoadRussianDefaultModule)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
