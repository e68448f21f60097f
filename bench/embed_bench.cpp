#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>

#include "bench/bench_inputs.h"
#include "bench/embed_text_generator.h"
#include "common/core/dictionary/dictionary.h"
#include "common/core/job_control.h"
#include "common/core/text/text_encoding.h"
#include "embed/core/embed_job.h"
#include "embed/core/embedded_search.h"
#include "embed/core/prepared_text.h"
#include "testing/literal/embed_search.h"

namespace {

using undertext::DicWords;

const DicWords* russianWords() {
    static const auto loaded =
        undertext::loadDicWords(undertext::bench::dictionaryFolder(), {"COMMON.DIC"});
    return loaded ? &loaded.value() : nullptr;
}

// The whole job as the window and `undertext embed` run it: preparation, loading
// the default module, search, counting and the four reports. With utf8 set the
// text is stored in UTF-8, so decoding it and encoding the reports count too.
void BM_EmbedJob(benchmark::State& state) {
    const auto* words = russianWords();
    if (words == nullptr) {
        state.SkipWithError("COMMON.DIC not found: run bench/run.sh");
        return;
    }
    const auto folder = std::filesystem::temp_directory_path() / "undertext-embed-bench";
    std::filesystem::create_directories(folder);
    const auto text =
        undertext::bench::generateRussianText(*words, static_cast<std::size_t>(state.range(0)));
    const undertext::SourceEncoding encoding{
        state.range(1) ? undertext::TextEncoding::Utf8 : undertext::TextEncoding::Windows1251,
        false};
    std::ofstream(folder / "novel.txt", std::ios::binary)
        << undertext::TextEncoder(encoding).encodeFile(text);
    undertext::embed::EmbedRequest request;
    request.sourceFolder = folder;
    request.sourceName = "novel.txt";
    request.selectedModules = {"COMMON.DIC"};
    request.startFolder = undertext::bench::dictionaryFolder();
    for (auto _ : state) {
        undertext::UnwatchedJob job;
        const auto outcome = undertext::embed::embedJob(request, job);
        if (outcome.ending != undertext::JobEnding::Completed) {
            state.SkipWithError(outcome.message.c_str());
            break;
        }
    }
    state.counters["text_order_report_MB"] =
        static_cast<double>(std::filesystem::file_size(folder / "novel.txt_Emb.txt")) / 1e6;
    std::filesystem::remove_all(folder);
}
BENCHMARK(BM_EmbedJob)
    ->ArgNames({"bytes", "utf8"})
    ->Args({1 << 20, 0})
    ->Args({1 << 20, 1})
    ->Args({4 << 20, 0})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

// The search phase alone on a 50 KB text, fast and as first described.
struct SearchInput {
    std::string text;
    std::vector<std::string> dictionary;
};

const SearchInput& searchInput() {
    static const SearchInput input = [] {
        SearchInput made;
        made.text = undertext::bench::generateRussianText(*russianWords(), 50 << 10);
        for (std::size_t k = 0; k < russianWords()->size(); ++k) {
            made.dictionary.emplace_back((*russianWords())[k]);
        }
        return made;
    }();
    return input;
}

void BM_EmbedSearchFast50K(benchmark::State& state) {
    if (russianWords() == nullptr) {
        state.SkipWithError("COMMON.DIC not found: run bench/run.sh");
        return;
    }
    const auto prepared =
        undertext::embed::prepareLetters(searchInput().text, undertext::Language::Russian);
    for (auto _ : state) {
        const undertext::embed::EmbeddedSearch search(prepared, *russianWords());
        state.counters["occurrences"] = static_cast<double>(search.occurrenceCount());
    }
}
BENCHMARK(BM_EmbedSearchFast50K)->Unit(benchmark::kMillisecond);

void BM_EmbedSearchLiteral50K(benchmark::State& state) {
    if (russianWords() == nullptr) {
        state.SkipWithError("COMMON.DIC not found: run bench/run.sh");
        return;
    }
    for (auto _ : state) {
        const auto run = undertext::embed::testing::literalSearch(
            searchInput().text, undertext::Language::Russian, searchInput().dictionary);
        state.counters["occurrences"] = static_cast<double>(run.occurrences.size());
    }
}
BENCHMARK(BM_EmbedSearchLiteral50K)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace

BENCHMARK_MAIN();
