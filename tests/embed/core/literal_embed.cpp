#include "tests/embed/core/literal_embed.h"

#include "common/core/report_text.h"

namespace undertext::embed::testing {
namespace {

std::int64_t wordKey(const std::string& word) {
    std::int64_t key = 0;
    for (std::size_t i = 0; i < 3; ++i) {
        key = key * 1000 + (i < word.size() ? static_cast<unsigned char>(word[i]) : 0);
    }
    return key;
}

}  // namespace

LiteralRun literalSearch(const std::string& text, Language language,
                         const std::vector<std::string>& dicWords) {
    LiteralRun run;
    run.wordEnd.assign(text.size() + 2, 0);
    run.letterWord.assign(text.size() + 1, 0);
    std::uint32_t m = 0;
    std::uint32_t slot = 1;
    bool inGap = false;
    for (const char c : text) {
        const auto b = static_cast<unsigned char>(c);
        if (isLetter(b, language)) {
            run.letters.push_back(static_cast<char>(lowerLetter(b, language)));
            run.letterWord[++m] = slot;
            inGap = false;
        } else if (!inGap) {
            inGap = true;
            run.wordEnd[slot++] = m;
        }
    }
    run.wordEnd[slot] = m;
    run.wordEnd.resize(slot + 1);
    run.letterWord.resize(m + 1);
    run.textWords.assign(slot + 1, "");
    for (std::uint32_t i = 1; i <= slot; ++i) {
        run.textWords[i] =
            run.letters.substr(run.wordEnd[i - 1], run.wordEnd[i] - run.wordEnd[i - 1]);
    }

    run.positionMarks.assign(m + 1, "");
    for (const auto& word : dicWords) {
        if (word.empty()) {
            continue;
        }
        for (auto pos = run.letters.find(word); pos != std::string::npos;
             pos = run.letters.find(word, pos + 1)) {
            const auto p = pos + 1;
            if (word != run.textWords[run.letterWord[p]]) {
                run.positionMarks[p] += word + ",";
                run.occurrences.push_back(word);
            }
        }
    }
    return run;
}

LiteralRun literalRun(const std::string& text, Language language,
                      const std::vector<std::string>& dicWords) {
    auto run = literalSearch(text, language, dicWords);
    auto occurrences = run.occurrences;
    const auto n = occurrences.size();
    std::vector<std::int64_t> key(n);
    std::vector<std::int64_t> counter(n, 0);
    for (std::size_t i = 0; i < n; ++i) {
        key[i] = wordKey(occurrences[i]);
    }
    for (std::size_t i = 0; i < n; ++i) {
        for (std::size_t j = i + 1; j < n; ++j) {
            if (key[i] == key[j] && occurrences[i] == occurrences[j]) {
                ++counter[i];
                occurrences[j].clear();
                key[j] = 0;
            }
        }
    }
    for (std::size_t i = 0; i < n; ++i) {
        if (key[i] != 0) {
            run.embedded.push_back(
                {occurrences[i], counter[i] + 1, static_cast<int>(occurrences[i].size())});
        }
    }
    return run;
}

std::string literalTextOrderReport(const LiteralRun& run) {
    ReportText report;
    for (std::size_t i = 1; i < run.textWords.size(); ++i) {
        report.append(run.textWords[i]).padToNextZone();
        for (auto p = run.wordEnd[i - 1] + 1; p <= run.wordEnd[i]; ++p) {
            report.append(run.positionMarks[p]);
        }
        report.endLine();
    }
    return report.release();
}

}  // namespace undertext::embed::testing
