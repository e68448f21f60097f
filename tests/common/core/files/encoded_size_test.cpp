#include "common/core/files/encoded_size.h"

#include <gtest/gtest.h>

#include <string>

#include "testing/support/source_encodings.h"

namespace undertext {
namespace {

TEST(EncodedSize, CountsWhatTheEncoderWritesInEveryEncoding) {
    std::string everyByte;
    for (int byte = 0; byte < 256; ++byte) {
        everyByte += static_cast<char>(byte);
    }
    const std::string texts[] = {"", "abc", "\xea\xee\xf2 \xe5\xeb\r\n", everyByte};
    for (const auto encoding : testing::kEveryEncoding) {
        const TextEncoder encoder(encoding);
        const EncodedSize size(encoder);
        EXPECT_EQ(size.preamble(), encoder.preamble().size());
        for (const auto& text : texts) {
            EXPECT_EQ(size.of(text), encoder.encode(text).size())
                << describeEncoding(encoding) << " " << text.size();
        }
    }
}

}  // namespace
}  // namespace undertext
