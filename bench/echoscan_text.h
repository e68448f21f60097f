#pragma once

#include <cstddef>
#include <random>
#include <string>

#include "bench/bench_inputs.h"
#include "common/core/dictionary/dictionary.h"
#include "common/core/result.h"
#include "common/core/text/letters.h"

namespace undertext::bench {

// Russian prose made of the words of COMMON.DIC (Windows-1251): a vocabulary of
// 20000 random forms used with Zipf frequencies, sentences of 3 to 16 words with
// commas, a capital at each start, lines of about 70 characters ending with CR LF
// and an empty line between paragraphs. The same seed gives the same text.
inline Result<std::string> russianProse(std::size_t bytes, unsigned seed = 1) {
    const auto words = loadDicWords(dictionaryFolder(), {"COMMON.DIC"});
    if (!words || words->empty()) {
        return Result<std::string>::failure("COMMON.DIC not found: run bench/run.sh");
    }
    std::mt19937 random(seed);
    constexpr std::size_t kVocabulary = 20000;
    std::vector<std::string_view> vocabulary;
    for (std::size_t i = 0; i < kVocabulary; ++i) {
        vocabulary.push_back(words.value()[random() % words->size()]);
    }
    // Zipf: rank k drawn with weight 1 / (k + 1).
    std::vector<double> weights(kVocabulary);
    for (std::size_t k = 0; k < kVocabulary; ++k) {
        weights[k] = 1.0 / static_cast<double>(k + 1);
    }
    std::discrete_distribution<std::size_t> pick(weights.begin(), weights.end());
    const std::string punctuation[] = {".", ".", ".", "!", "?", "..."};

    std::string text;
    text.reserve(bytes + 100);
    std::size_t lineStart = 0;
    while (text.size() < bytes) {
        const int sentenceWords = 3 + static_cast<int>(random() % 14);
        for (int w = 0; w < sentenceWords; ++w) {
            std::string word(vocabulary[pick(random)]);
            if (w == 0 && !word.empty()) {
                word[0] = static_cast<char>(upperAnyLetter(static_cast<unsigned char>(word[0])));
            }
            if (text.size() - lineStart > 70) {
                text += random() % 12 == 0 ? "\r\n\r\n" : "\r\n";
                lineStart = text.size();
            } else if (text.size() > lineStart) {
                text += ' ';
            }
            text += word;
            if (w + 1 < sentenceWords && random() % 9 == 0) {
                text += random() % 5 == 0 ? " -" : ",";
            }
        }
        text += punctuation[random() % std::size(punctuation)];
    }
    text.resize(bytes);
    return Result<std::string>::success(std::move(text));
}

// `bytes` of one paragraph of `paragraphBytes` of prose, repeated.
inline Result<std::string> repeatedParagraph(std::size_t bytes, std::size_t paragraphBytes) {
    const auto paragraph = russianProse(paragraphBytes, 3);
    if (!paragraph) {
        return paragraph;
    }
    std::string text;
    text.reserve(bytes + paragraphBytes);
    while (text.size() < bytes) {
        text += paragraph.value();
    }
    text.resize(bytes);
    return Result<std::string>::success(std::move(text));
}

}  // namespace undertext::bench
