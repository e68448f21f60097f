#include "testing/literal/embed_search.h"

#include <algorithm>

#include "testing/literal/selection_sort.h"

namespace undertext::embed::testing {
namespace {

std::string textWord(const LiteralRun& run, std::size_t slot) {
    return run.letters.substr(run.wordEnd[slot - 1], run.wordEnd[slot] - run.wordEnd[slot - 1]);
}

}  // namespace

LiteralRun literalSearch(const std::string& text, Language language,
                         const std::vector<std::string>& dicWords) {
    LiteralRun run;
    bool inGap = false;
    for (const char c : text) {
        const auto b = static_cast<unsigned char>(c);
        if (isLetter(b, language)) {
            run.letters.push_back(static_cast<char>(lowerLetter(b, language)));
            run.letterWord.push_back(static_cast<std::uint32_t>(run.wordEnd.size()));
            inGap = false;
        } else if (!inGap) {
            inGap = true;
            run.wordEnd.push_back(static_cast<std::uint32_t>(run.letters.size()));
        }
    }
    run.wordEnd.push_back(static_cast<std::uint32_t>(run.letters.size()));
    run.positionMarks.assign(run.letters.size() + 1, "");
    for (const auto& word : dicWords) {
        for (auto at = run.letters.find(word); !word.empty() && at != std::string::npos;
             at = run.letters.find(word, at + 1)) {
            if (word != textWord(run, run.letterWord[at + 1])) {
                run.positionMarks[at + 1] += word + ",";
                run.occurrences.push_back(word);
            }
        }
    }
    return run;
}

LiteralRun literalRun(const std::string& text, Language language,
                      const std::vector<std::string>& dicWords) {
    auto run = literalSearch(text, language, dicWords);
    // Counting merges equal words into the entry of the first.
    for (const auto& word : run.occurrences) {
        auto same = std::find_if(run.embedded.begin(), run.embedded.end(),
                                 [&](const EmbeddedWord& entry) { return entry.word == word; });
        if (same == run.embedded.end()) {
            run.embedded.push_back({word, 1, static_cast<int>(word.size())});
        } else {
            ++same->count;
        }
    }
    for (std::size_t i = 1; i < run.wordEnd.size(); ++i) {
        const auto word = textWord(run, i);
        run.report += word + std::string(14 - word.size() % 14, ' ');
        for (auto p = run.wordEnd[i - 1] + 1; p <= run.wordEnd[i]; ++p) {
            run.report += run.positionMarks[p];
        }
        run.report += "\r\n";
    }
    return run;
}

void literalReportSort(SortedReport report, std::vector<EmbeddedWord>& words) {
    using undertext::testing::literalSelectionSort;
    switch (report) {
        case SortedReport::ByFrequency:
            literalSelectionSort(words, [](const EmbeddedWord& a, const EmbeddedWord& b) {
                return a.count < b.count || (a.count == b.count && a.length < b.length);
            });
            break;
        case SortedReport::ByLength:
            literalSelectionSort(words, [](const EmbeddedWord& a, const EmbeddedWord& b) {
                return a.length < b.length || (a.length == b.length && a.count < b.count);
            });
            break;
        case SortedReport::Alphabetical:
            literalSelectionSort(words, [](const EmbeddedWord& a, const EmbeddedWord& b) {
                return a.word > b.word;
            });
            break;
    }
}

}  // namespace undertext::embed::testing
