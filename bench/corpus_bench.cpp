#include <benchmark/benchmark.h>
#include <malloc.h>
#include <sys/resource.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

#include "bench/bench_inputs.h"
#include "bench/echoscan_text.h"
#include "bench/embed_text_generator.h"
#include "common/core/dictionary/dictionary.h"
#include "common/core/dictionary/dictionary_order.h"
#include "common/core/files/file_io.h"
#include "corpus/core/embed_summary.h"
#include "corpus/core/text_pool.h"
#include "echoscan/core/fragment_text.h"
#include "echoscan/core/recurring_fragments.h"
#include "echoscan/core/shared_fragments.h"
#include "embed/core/embedded_search.h"
#include "embed/core/prepared_text.h"
#include "testing/support/temp_folder.h"

namespace {

using namespace undertext;

// The process's resident memory in MB: now, or its peak since resetPeakMemory().
double residentMegabytes(std::string_view field) {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.starts_with(field)) {
            return std::stod(line.substr(field.size())) / 1024.0;
        }
    }
    return 0;
}

// Large blocks are always mapped afresh and returned when freed, so that the
// resident size follows what a run holds rather than what earlier runs left.
const bool kFreshLargeBlocks = mallopt(M_MMAP_THRESHOLD, 64 << 10) == 1;

// Makes the current resident size the peak again (Linux's clear_refs).
void resetPeakMemory() {
    std::ofstream("/proc/self/clear_refs") << "5";
}

// Runs measure() and says how far the resident memory rose above where it began.
template <typename Measure>
double peakAboveStart(Measure measure) {
    resetPeakMemory();
    const double start = residentMegabytes("VmRSS:");
    measure();
    return residentMegabytes("VmHWM:") - start;
}

// The process's processor time (all threads, user and system) in seconds.
double processorSeconds() {
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval& t) {
        return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) / 1e6;
    };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// The default Russian module, loaded and ordered once and shared by every worker,
// and the memory it takes.
struct SharedDictionary {
    std::optional<DicWords> words;
    std::optional<DictionaryOrder> order;
    double megabytes = 0;
};

const SharedDictionary& dictionary() {
    static const SharedDictionary loaded = [] {
        SharedDictionary made;
        const double before = residentMegabytes("VmRSS:");
        if (auto words = loadDicWords(bench::dictionaryFolder(), {"COMMON.DIC"})) {
            made.words = std::move(words).value();
            made.order.emplace(*made.words);
        }
        made.megabytes = residentMegabytes("VmRSS:") - before;
        return made;
    }();
    return loaded;
}

const DicWords* russianWords() {
    return dictionary().words ? &*dictionary().words : nullptr;
}

// One text's work in a corpus run of Embed: read and decode it, prepare its
// letters, search the shared dictionary, and keep the record for the summary.
corpus::EmbedTextRecord embedRecord(const corpus::CorpusText& text) {
    const auto decoded = decodeText(readWholeFile(text.path).value());
    const auto prepared = embed::prepareLetters(decoded.cp1251, Language::Russian);
    return {displayPath(text.path), prepared.letterCount(),
            embed::EmbeddedSearch(prepared, *russianWords(), &*dictionary().order).embeddedWords()};
}

// 40 texts of 250 KB written to a folder, as a corpus run reads them.
struct Corpus {
    testing::TempFolder folder;
    std::vector<corpus::CorpusText> texts;

    Corpus() {
        for (std::uint32_t i = 0; i < 40; ++i) {
            const auto name = "text" + std::to_string(i) + ".txt";
            const auto text = bench::generateRussianText(*russianWords(), 250 << 10, i + 1);
            texts.push_back({folder.write(name, text), text.size()});
        }
    }
};

// The memory one text's work adds, measured once before any pool has run.
double oneTextMegabytes(const Corpus& corpus) {
    static const double peak =
        peakAboveStart([&] { benchmark::DoNotOptimize(embedRecord(corpus.texts[0])); });
    return peak;
}

// The pool with `workers` threads over the 40 texts, each record taken into the
// summary by its worker as the batch tool does. peak_MB is the memory that rose above the start,
// one_text_MB the same for one text's work alone, dictionary_MB the shared module;
// cpu_s the processor time of all threads, which more workers should not raise.
void BM_CorpusEmbedPool(benchmark::State& state) {
    if (russianWords() == nullptr) {
        state.SkipWithError("COMMON.DIC not found: run bench/run.sh");
        return;
    }
    static const Corpus corpus;
    const double oneText = oneTextMegabytes(corpus);
    double peak = 0;
    const double processorStart = processorSeconds();
    for (auto _ : state) {
        corpus::EmbedSummary summary;
        corpus::PoolOptions options;
        options.workers = static_cast<unsigned>(state.range(0));
        peak = peakAboveStart([&] {
            corpus::runTextPool(
                corpus.texts,
                [&](std::size_t index, JobControl&) {
                    summary.add(index, embedRecord(corpus.texts[index]));
                    return corpus::TextEnd::done();
                },
                options);
        });
    }
    state.counters["cpu_s"] =
        (processorSeconds() - processorStart) / static_cast<double>(state.iterations());
    state.counters["peak_MB"] = peak;
    state.counters["one_text_MB"] = oneText;
    state.counters["dictionary_MB"] = dictionary().megabytes;
}
BENCHMARK(BM_CorpusEmbedPool)
    ->ArgName("workers")
    ->Arg(1)
    ->Arg(2)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(2)
    ->UseRealTime();

// Two prepared texts of 1 MB of prose each (their vocabularies overlap, as two
// novels' do).
const std::vector<std::string>& twoPreparedTexts() {
    static const auto texts = [] {
        std::vector<std::string> prepared;
        for (const unsigned seed : {1U, 2U}) {
            const auto prose = bench::russianProse(1 << 20, seed);
            prepared.push_back(prose
                                   ? echoscan::prepareFragmentText(prose.value(), Language::Russian)
                                   : std::string());
        }
        return prepared;
    }();
    return texts;
}

// --across on the two texts, range 4 to 40, against one Echoscan search on both
// texts joined (2 MB); peak_MB is the memory that rose above the start.
void BM_AcrossTwoTexts(benchmark::State& state) {
    const auto& texts = twoPreparedTexts();
    if (texts[0].empty()) {
        state.SkipWithError("COMMON.DIC not found: run bench/run.sh");
        return;
    }
    const std::vector<std::string_view> views(texts.begin(), texts.end());
    std::size_t found = 0;
    double peak = 0;
    for (auto _ : state) {
        peak = peakAboveStart([&] {
            UnwatchedJob job;
            found = echoscan::findSharedFragments(views, 4, 40, false, job)->fragments.size();
        });
    }
    state.counters["fragments"] = static_cast<double>(found);
    state.counters["peak_MB"] = peak;
}
BENCHMARK(BM_AcrossTwoTexts)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_EchoscanSearchOn2MB(benchmark::State& state) {
    const auto& texts = twoPreparedTexts();
    if (texts[0].empty()) {
        state.SkipWithError("COMMON.DIC not found: run bench/run.sh");
        return;
    }
    const auto joined = texts[0] + texts[1];
    std::size_t found = 0;
    double peak = 0;
    for (auto _ : state) {
        peak = peakAboveStart([&] {
            UnwatchedJob job;
            found = echoscan::findRecurringFragments(joined, 4, 40, job)->size();
        });
    }
    state.counters["fragments"] = static_cast<double>(found);
    state.counters["peak_MB"] = peak;
}
BENCHMARK(BM_EchoscanSearchOn2MB)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

BENCHMARK_MAIN();
