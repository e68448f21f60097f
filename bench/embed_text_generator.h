#pragma once

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "common/core/dictionary/dictionary.h"
#include "common/core/text/codepage.h"

namespace undertext::bench {

// A Russian text in Windows-1251 of about `bytes` bytes made of dictionary words
// as a novel uses them: frequent short words mixed with a vocabulary drawn with a
// Zipf-like rank distribution, sentences with commas and a capital first letter,
// paragraphs ended by CR LF. The same seed gives the same text.
inline std::string generateRussianText(const DicWords& dicWords, std::size_t bytes,
                                       std::uint32_t seed = 1) {
    std::mt19937 random(seed);
    std::vector<std::string> common;
    for (const char* word :
         {"и",   "в",   "не",  "на",     "я",  "что", "он",   "с",   "как", "а",   "то",
          "все", "она", "так", "его",    "но", "да",  "ты",   "к",   "у",   "же",  "вы",
          "за",  "бы",  "по",  "только", "ее", "мне", "было", "вот", "от",  "меня"}) {
        common.push_back(utf8ToCp1251(word));
    }
    // The vocabulary: 30000 random forms of the dictionary, ranked at random.
    std::vector<std::string> vocabulary;
    std::uniform_int_distribution<std::size_t> anyWord(0, dicWords.size() - 1);
    while (vocabulary.size() < 30000) {
        const auto word = dicWords[anyWord(random)];
        if (!word.empty()) {
            vocabulary.emplace_back(word);
        }
    }
    std::vector<double> weights(vocabulary.size());
    for (std::size_t rank = 0; rank < weights.size(); ++rank) {
        weights[rank] = 1.0 / static_cast<double>(rank + 1);
    }
    std::discrete_distribution<std::size_t> byRank(weights.begin(), weights.end());
    std::uniform_int_distribution<int> percent(0, 99);

    std::string text;
    text.reserve(bytes + 64);
    int sentencesInParagraph = 0;
    while (text.size() < bytes) {
        const int words = 4 + percent(random) % 12;
        for (int i = 0; i < words; ++i) {
            std::string word = percent(random) < 40 ? common[random() % common.size()]
                                                    : vocabulary[byRank(random)];
            if (i == 0) {
                word[0] = static_cast<char>(static_cast<unsigned char>(word[0]) - 32);
            }
            text += word;
            if (i + 1 < words) {
                text += percent(random) < 12 ? ", " : " ";
            }
        }
        const int end = percent(random);
        text += end < 80 ? "." : end < 90 ? "!" : "?";
        if (++sentencesInParagraph == 6) {
            text += "\r\n";
            sentencesInParagraph = 0;
        } else {
            text += " ";
        }
    }
    return text;
}

}  // namespace undertext::bench
