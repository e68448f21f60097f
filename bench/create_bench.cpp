#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <filesystem>
#include <string>
#include <utility>

#include "bench/bench_inputs.h"
#include "common/core/text/codepage.h"
#include "create/core/create_job.h"
#include "create/core/create_run.h"
#include "create/core/results_file.h"
#include "create/core/variant_actions.h"

namespace {

using namespace undertext;

// An 79-character phrase of ordinary words, and 40 one-letter words.
const std::string kOrdinaryPhrase =
    "мама мыла раму пока папа читал свежую газету в светлой комнате у открытого окна";

std::string oneLetterPhrase() {
    std::string phrase = "я";
    for (int i = 1; i < 40; ++i) {
        phrase += " я";
    }
    return phrase;
}

double peakResidentMegabytes() {
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

// A completed run on the Russian default module: loading, normalisation, the
// search and the first variant, as `undertext create` makes them.
bool analyse(create::CreateSession& session, const std::string& phraseUtf8,
             benchmark::State& state) {
    create::CreateRequest request;
    request.phrase = utf8ToCp1251(phraseUtf8);
    request.language = Language::Russian;
    request.selectedModules = {"COMMON.DIC"};
    request.startFolder = bench::dictionaryFolder();
    UnwatchedJob job;
    auto outcome = create::createJob(request, job);
    if (outcome.ending != JobEnding::Completed) {
        state.SkipWithError(outcome.message.c_str());
        return false;
    }
    create::keepAnalysis(session, std::move(outcome.results));
    return create::finishNextVariant(session).has_value();
}

// A run and then, as `undertext create --save` does, its results file.
void analysisBenchmark(benchmark::State& state, const std::string& phrase) {
    const auto file = std::filesystem::temp_directory_path() / "undertext-create-bench.txt";
    std::size_t candidates = 0;
    for (auto _ : state) {
        create::CreateSession session;
        if (!analyse(session, phrase, state)) {
            return;
        }
        const auto written =
            create::saveRez(file, session.normalisedPhrase,
                            session.history.slot(session.history.index()), session.analysis);
        if (!written) {
            state.SkipWithError(written.error().c_str());
            return;
        }
        candidates = 0;
        for (const auto& word : session.analysis.wordAnalyses) {
            candidates += word.w1List.size() + word.w2List.size() + word.rList.size() +
                          word.eList.size() + word.wp2W1List.size() + word.rpW1List.size() +
                          word.epW1List.size() + word.wp2RList.size() + word.wp2EList.size();
        }
    }
    std::error_code error;
    state.counters["file_MB"] =
        static_cast<double>(std::filesystem::file_size(file, error)) / (1024.0 * 1024.0);
    std::filesystem::remove(file, error);
    state.counters["candidates"] = static_cast<double>(candidates);
    state.counters["peak_rss_MB"] = peakResidentMegabytes();
}

void BM_AnalyseAndSaveOrdinaryPhrase(benchmark::State& state) {
    analysisBenchmark(state, kOrdinaryPhrase);
}
BENCHMARK(BM_AnalyseAndSaveOrdinaryPhrase)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_AnalyseAndSaveFortyOneLetterWords(benchmark::State& state) {
    analysisBenchmark(state, oneLetterPhrase());
}
BENCHMARK(BM_AnalyseAndSaveFortyOneLetterWords)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
