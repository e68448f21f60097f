#pragma once

#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "common/core/text/letters.h"

namespace undertext::fuzz {

// Reads a target's arguments from libFuzzer's bytes. Texts and words are either
// the raw bytes or, when the input's first byte asks for it, bytes mapped onto a
// few pieces of the language (two or three letters, an upper-case one, separators,
// a letter of the other language), so that words recur and overlap as they seldom
// do in random bytes.
class FuzzInput {
  public:
    FuzzInput(const std::uint8_t* data, std::size_t size)
        : provider_(data, size), dense_(provider_.ConsumeBool()) {}

    bool flag() { return provider_.ConsumeBool(); }

    template <typename T>
    T number(T min, T max) {
        return provider_.ConsumeIntegralInRange<T>(min, max);
    }

    Language language() { return flag() ? Language::Russian : Language::English; }

    std::string text(std::size_t maxBytes, Language language) {
        auto bytes = provider_.ConsumeRandomLengthString(maxBytes);
        return dense_ ? mapped(bytes, language) : bytes;
    }

    std::vector<std::string> words(std::size_t maxWords, std::size_t maxBytes, Language language) {
        std::vector<std::string> words;
        while (provider_.remaining_bytes() > 0 && words.size() < maxWords) {
            words.push_back(text(maxBytes, language));
        }
        return words;
    }

  private:
    static std::string mapped(std::string_view bytes, Language language) {
        // Windows-1251: а б в А, ё (no letter); Latin a b c A, а (no letter).
        static constexpr std::string_view kRussian[] = {"\xE0", "\xE0", "\xE1",  "\xE1", "\xE2",
                                                        "\xC0", " ",    ".\r\n", "\xB8", "x"};
        static constexpr std::string_view kEnglish[] = {"a", "a", "b",     "b", "c",
                                                        "A", " ", ".\r\n", "'", "\xE0"};
        const auto& pieces = language == Language::Russian ? kRussian : kEnglish;
        std::string text;
        for (const char c : bytes) {
            text += pieces[static_cast<unsigned char>(c) % std::size(pieces)];
        }
        return text;
    }

    FuzzedDataProvider provider_;
    bool dense_;
};

}  // namespace undertext::fuzz
