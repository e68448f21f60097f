#include "common/core/files/encoded_size.h"

#include <gtest/gtest.h>

#include <string>

namespace undertext {
namespace {

TEST(EncodedSize, CountsWhatTheEncoderWritesInEveryEncoding) {
    std::string everyByte;
    for (int byte = 0; byte < 256; ++byte) {
        everyByte += static_cast<char>(byte);
    }
    const std::string texts[] = {"", "abc", "\xea\xee\xf2 \xe5\xeb\r\n", everyByte};
    for (const auto encoding :
         {TextEncoding::Windows1251, TextEncoding::Utf8, TextEncoding::Utf16Le,
          TextEncoding::Utf16Be, TextEncoding::Koi8R, TextEncoding::Cp866, TextEncoding::Iso8859_5,
          TextEncoding::Utf32Le, TextEncoding::Utf32Be}) {
        for (const bool mark : {false, true}) {
            const TextEncoder encoder({encoding, mark && isUnicode(encoding)});
            const EncodedSize size(encoder);
            EXPECT_EQ(size.preamble(), encoder.preamble().size());
            for (const auto& text : texts) {
                EXPECT_EQ(size.of(text), encoder.encode(text).size())
                    << encodingName(encoding) << " " << text.size();
            }
        }
    }
}

}  // namespace
}  // namespace undertext
