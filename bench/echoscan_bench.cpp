#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <chrono>
#include <filesystem>

#include "bench/echoscan_text.h"
#include "common/core/text/codepage.h"
#include "common/core/text/text_encoding.h"
#include "echoscan/core/echoscan_job.h"
#include "echoscan/core/fragment_text.h"
#include "echoscan/core/recurring_fragments.h"
#include "echoscan/core/repeat_index.h"
#include "testing/literal/fragment_search.h"
#include "testing/support/temp_folder.h"

namespace {

using namespace undertext;
using namespace undertext::echoscan;

double peakRssMegabytes() {
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

// A text of `bytes`: `singleLetterBytes` of the letter «а» followed by prose.
Result<std::string> benchText(std::size_t bytes, std::size_t singleLetterBytes) {
    auto prose = bench::russianProse(bytes - singleLetterBytes);
    if (!prose) {
        return prose;
    }
    return Result<std::string>::success(std::string(singleLetterBytes, '\xE0') + prose.value());
}

// The whole job as the window and `undertext echoscan` run it: preparation,
// search, the three reports written to disk. Returns the report bytes, or 0 after
// marking the benchmark skipped.
std::uintmax_t runJob(const testing::TempFolder& folder, const std::string& minLength,
                      const std::string& maxLength, benchmark::State& state) {
    UnwatchedJob job;
    const auto outcome = echoscanJob(
        {"text.txt", folder.path(), Language::Russian, minLength, maxLength, nullptr, {}}, job);
    if (outcome.ending != JobEnding::Completed) {
        state.SkipWithError(outcome.message.c_str());
        return 0;
    }
    std::uintmax_t reports = 0;
    for (const char* suffix : {"_RecSortByLen.txt", "_RecSortByAlf.txt", "_RecSortByFriq.txt"}) {
        reports += std::filesystem::file_size(folder / (std::string("text.txt") + suffix));
    }
    return reports;
}

// Range 4 to 40 on prose, some of it one letter repeated; with utf8 set the text
// is stored in UTF-8, so decoding it and encoding the files count too.
void BM_EchoscanJob(benchmark::State& state) {
    const auto text = benchText(static_cast<std::size_t>(state.range(0)),
                                static_cast<std::size_t>(state.range(1)));
    if (!text) {
        state.SkipWithError(text.error().c_str());
        return;
    }
    testing::TempFolder folder;
    const SourceEncoding encoding{state.range(2) ? TextEncoding::Utf8 : TextEncoding::Windows1251,
                                  false};
    folder.write("text.txt", TextEncoder(encoding).encodeFile(text.value()));
    std::uintmax_t reports = 0;
    for (auto _ : state) {
        reports = runJob(folder, "4", "40", state);
    }
    state.counters["report_MB"] = static_cast<double>(reports) / 1e6;
    state.counters["peak_rss_MB"] = peakRssMegabytes();
}
BENCHMARK(BM_EchoscanJob)
    ->ArgNames({"bytes", "single_letter", "utf8"})
    ->Args({1 << 20, 0, 0})
    ->Args({1 << 20, 0, 1})
    ->Args({4 << 20, 0, 0})
    ->Args({4 << 20, 1 << 20, 0})
    ->Args({4 << 20, 4 << 20, 0})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);

// Range 1 to max_length on texts whose repeats run far: one letter repeated
// (paragraph 0), or one paragraph of prose repeated.
void BM_EchoscanWideRange(benchmark::State& state) {
    const auto bytes = static_cast<std::size_t>(state.range(0));
    const auto paragraph = static_cast<std::size_t>(state.range(1));
    const auto text = paragraph == 0 ? Result<std::string>::success(std::string(bytes, '\xE0'))
                                     : bench::repeatedParagraph(bytes, paragraph);
    if (!text) {
        state.SkipWithError(text.error().c_str());
        return;
    }
    testing::TempFolder folder;
    folder.write("text.txt", text.value());
    for (auto _ : state) {
        runJob(folder, "1", std::to_string(state.range(2)), state);
    }
}
BENCHMARK(BM_EchoscanWideRange)
    ->ArgNames({"bytes", "paragraph", "max_length"})
    ->Args({1 << 20, 0, 1000})
    ->Args({4 << 20, 0, 1000000000})
    ->Args({4 << 20, 2000, 1000000000})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

// 4 MB of prose, range 4 to 40: the whole job against the repeat index alone
// (suffix array, LCP and longest repeats) of its prepared text, in the same run.
void BM_EchoscanProseAgainstIndex(benchmark::State& state) {
    const auto text = benchText(4 << 20, 0);
    if (!text) {
        state.SkipWithError(text.error().c_str());
        return;
    }
    const auto prepared = prepareFragmentText(text.value(), Language::Russian);
    testing::TempFolder folder;
    folder.write("text.txt", text.value());
    using Clock = std::chrono::steady_clock;
    double job = 0;
    double index = 0;
    for (auto _ : state) {
        const auto start = Clock::now();
        runJob(folder, "4", "40", state);
        const auto middle = Clock::now();
        benchmark::DoNotOptimize(buildRepeatIndex<std::uint16_t>(prepared));
        job += std::chrono::duration<double>(middle - start).count();
        index += std::chrono::duration<double>(Clock::now() - middle).count();
    }
    state.counters["job_s"] = job / static_cast<double>(state.iterations());
    state.counters["index_s"] = index / static_cast<double>(state.iterations());
    state.counters["job_per_index"] = job / index;
}
BENCHMARK(BM_EchoscanProseAgainstIndex)->Unit(benchmark::kMillisecond)->Iterations(3);

// The search alone on 20 KB of prose, range 4 to 40: the suffix-array search and
// the literal procedure it replaces.
Result<std::string> preparedProse(std::size_t bytes) {
    const auto prose = bench::russianProse(bytes, 7);
    if (!prose) {
        return prose;
    }
    return Result<std::string>::success(prepareFragmentText(prose.value(), Language::Russian));
}

void BM_FragmentSearch20K(benchmark::State& state) {
    const auto text = preparedProse(20 << 10);
    if (!text) {
        state.SkipWithError(text.error().c_str());
        return;
    }
    std::size_t found = 0;
    for (auto _ : state) {
        UnwatchedJob job;
        found = findRecurringFragments(text.value(), 4, 40, job)->size();
    }
    state.counters["fragments"] = static_cast<double>(found);
}
BENCHMARK(BM_FragmentSearch20K)->Unit(benchmark::kMillisecond);

void BM_LiteralFragmentSearch20K(benchmark::State& state) {
    const auto text = preparedProse(20 << 10);
    if (!text) {
        state.SkipWithError(text.error().c_str());
        return;
    }
    std::size_t found = 0;
    for (auto _ : state) {
        UnwatchedJob job;
        found = testing::literalRecurringFragments(text.value(), 4, 40, job)->size();
    }
    state.counters["fragments"] = static_cast<double>(found);
}
BENCHMARK(BM_LiteralFragmentSearch20K)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace

BENCHMARK_MAIN();
