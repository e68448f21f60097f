#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <memory>

#include "create/core/phrase_search.h"
#include "create/core/phrase_words.h"
#include "fuzz/fuzz_check.h"
#include "fuzz/fuzz_input.h"
#include "testing/literal/phrase_search.h"
#include "testing/support/recording_job.h"

// Runs Create's search (transitions, embedded words and the cross-word joins) and
// the literal procedure on the same phrase and dictionary; any difference in any
// list of any word ends the run, and so does progress that does not step by two
// (holding at 100 once it gets there).
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace undertext;
    using undertext::fuzz::check;
    fuzz::FuzzInput input(data, size);
    const auto language = input.language();
    const auto phrase = input.text(create::kMaxPhraseLength, language);
    const auto dictionary = input.words(60, 8, language);

    auto words = create::splitPhrase(phrase, language);
    auto dicWords = std::make_shared<DicWords>();
    for (const auto& word : dictionary) {
        dicWords->append(word);
    }
    const create::SearchInput search{words.words, words.letterCount, dicWords,
                                     create::progressStepFor(dictionary.size(), words.letterCount)};
    testing::RecordingJob job;
    const auto fast = create::searchPhrase(search, job);
    check(fast.has_value(), "a search nobody stops completes");
    const auto slow = create::testing::literalPhraseSearch(dictionary, words.words);
    check(fast->wordAnalyses.size() == slow.size(), "one analysis per word");
    for (std::size_t w = 0; w < slow.size(); ++w) {
        check(create::testing::analysisFields(fast->wordAnalyses[w]) ==
                  create::testing::analysisFields(slow[w]),
              "the candidate lists of a word");
    }
    for (std::size_t i = 0; i < job.progressValues.size(); ++i) {
        check(job.progressValues[i] == std::min(2 * static_cast<int>(i + 1), 100),
              "progress steps by two and stays at 100");
    }
    return 0;
}
