#pragma once

#include <array>

#include "common/core/text/text_encoding.h"

namespace undertext::testing {

constexpr SourceEncoding kWin{TextEncoding::Windows1251, false};
constexpr SourceEncoding kUtf8{TextEncoding::Utf8, false};
constexpr SourceEncoding kUtf8Bom{TextEncoding::Utf8, true};
constexpr SourceEncoding kUtf16Le{TextEncoding::Utf16Le, true};
constexpr SourceEncoding kUtf16Be{TextEncoding::Utf16Be, true};
constexpr SourceEncoding kUtf32Le{TextEncoding::Utf32Le, true};
constexpr SourceEncoding kUtf32Be{TextEncoding::Utf32Be, true};
constexpr SourceEncoding kKoi8{TextEncoding::Koi8R, false};
constexpr SourceEncoding kCp866{TextEncoding::Cp866, false};

// The encodings a report follows its source into, but for the 8-bit ones that
// only the source can tell apart.
constexpr std::array<SourceEncoding, 7> kSelfEvidentEncodings = {
    kWin, kUtf8, kUtf8Bom, kUtf16Le, kUtf16Be, kUtf32Le, kUtf32Be};

// Every encoding a file is written in, the Unicode ones with and without their
// byte-order mark.
constexpr std::array<SourceEncoding, 14> kEveryEncoding = {kWin,
                                                           kUtf8,
                                                           kUtf8Bom,
                                                           kUtf16Le,
                                                           {TextEncoding::Utf16Le, false},
                                                           kUtf16Be,
                                                           {TextEncoding::Utf16Be, false},
                                                           kUtf32Le,
                                                           {TextEncoding::Utf32Le, false},
                                                           kUtf32Be,
                                                           {TextEncoding::Utf32Be, false},
                                                           kKoi8,
                                                           kCp866,
                                                           {TextEncoding::Iso8859_5, false}};

}  // namespace undertext::testing
