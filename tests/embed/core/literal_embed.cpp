#include "tests/embed/core/literal_embed.h"

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
    // The pairwise duplicate removal; a removed entry becomes empty.
    auto occurrences = run.occurrences;
    for (std::size_t i = 0; i < occurrences.size(); ++i) {
        std::int64_t count = 1;
        for (std::size_t j = i + 1; j < occurrences.size() && !occurrences[i].empty(); ++j) {
            if (occurrences[i] == occurrences[j]) {
                ++count;
                occurrences[j].clear();
            }
        }
        if (!occurrences[i].empty()) {
            run.embedded.push_back(
                {occurrences[i], count, static_cast<int>(occurrences[i].size())});
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

}  // namespace undertext::embed::testing
