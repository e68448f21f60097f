#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "common/core/text/text_encoding.h"
#include "fuzz/fuzz_check.h"

namespace undertext::fuzz {
namespace {

constexpr TextEncoding kEncodings[] = {
    TextEncoding::Windows1251, TextEncoding::Utf8,    TextEncoding::Utf16Le,
    TextEncoding::Utf16Be,     TextEncoding::Utf32Le, TextEncoding::Utf32Be,
    TextEncoding::Koi8R,       TextEncoding::Cp866,   TextEncoding::Iso8859_5};

// Any bytes decode, detected or forced, without a fault; Windows-1251 bytes stay
// as they are.
void decodeAnyBytes(const std::string& bytes, std::optional<TextEncoding> forced) {
    const auto decoded = decodeText(bytes, forced);
    check(decoded.invalidBytes <= bytes.size(), "no more invalid bytes than bytes");
    std::size_t next = 0;
    for (const auto& other : decoded.otherCharacters) {
        check(other.position >= next && other.position < decoded.cp1251.size() &&
                  decoded.cp1251[other.position] == '?',
              "other characters stand at separators, in order, once each");
        next = other.position + 1;
    }
    if (decoded.encoding.encoding == TextEncoding::Windows1251) {
        check(decoded.cp1251 == bytes && decoded.invalidBytes == 0,
              "Windows-1251 bytes decode to themselves");
    }
}

// Windows-1251 text encoded into an encoding (cut into two pieces anywhere) and
// decoded from it again: the Unicode encodings give it back whole, with a mark
// that detection recognises; an 8-bit encoding gives back each character it holds
// and '?' for the others.
void encodeAndDecode(const std::string& text, std::size_t which, bool mark, std::size_t cut) {
    // Built once, with and without a mark: an encoder's tables cost far more than
    // a small input.
    static const auto encoders = [] {
        std::vector<TextEncoder> encoders;
        for (const auto each : kEncodings) {
            encoders.emplace_back(SourceEncoding{each, false});
            encoders.emplace_back(SourceEncoding{each, isUnicode(each)});
        }
        return encoders;
    }();
    const auto encoding = kEncodings[which];
    const auto& encoder = encoders[2 * which + (mark ? 1 : 0)];
    std::string pieces(encoder.preamble());
    encoder.append(pieces, std::string_view(text).substr(0, cut));
    encoder.append(pieces, std::string_view(text).substr(cut));
    const auto encoded = std::string(encoder.preamble()) + encoder.encode(text);
    check(pieces == encoded, "encoding in pieces gives the bytes of encoding at once");

    const auto decoded = decodeText(encoded, encoding);
    check(decoded.cp1251.size() == text.size(), "one Windows-1251 byte per character");
    if (isUnicode(encoding) || encoding == TextEncoding::Windows1251) {
        check(decoded.cp1251 == text && decoded.invalidBytes == 0,
              "a Unicode encoding gives the text back");
        // A UTF-16LE text that starts with NUL starts with the UTF-32LE mark.
        const bool markedAsUtf32 = encoding == TextEncoding::Utf16Le && text.starts_with('\0');
        if (!encoder.preamble().empty() && !markedAsUtf32) {
            const auto detected = decodeText(encoded);
            check(detected.encoding == SourceEncoding{encoding, true},
                  "a byte-order mark decides the encoding");
            check(detected.cp1251 == text, "a text with a byte-order mark comes back");
        }
        return;
    }
    for (std::size_t i = 0; i < text.size(); ++i) {
        check(decoded.cp1251[i] == text[i] || decoded.cp1251[i] == '?',
              "an 8-bit encoding gives back what it holds");
    }
    check(encoder.encode(decoded.cp1251) == encoder.encode(text),
          "what an 8-bit encoding gives back encodes as the text did");
}

}  // namespace
}  // namespace undertext::fuzz

// Decodes the input in a drawn encoding (or the detected one), and takes it as
// Windows-1251 text to encode into every encoding and decode again.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace undertext;
    FuzzedDataProvider input(data, size);
    const auto choice = input.ConsumeIntegralInRange<std::size_t>(0, std::size(fuzz::kEncodings));
    const bool mark = input.ConsumeBool();
    const auto cutAt = input.ConsumeIntegral<std::uint16_t>();
    const auto bytes = input.ConsumeRemainingBytesAsString();
    fuzz::decodeAnyBytes(bytes,
                         choice == 0 ? std::nullopt : std::optional(fuzz::kEncodings[choice - 1]));
    for (std::size_t which = 0; which < std::size(fuzz::kEncodings); ++which) {
        fuzz::encodeAndDecode(bytes, which, mark, cutAt % (bytes.size() + 1));
    }
    return 0;
}
