#include "report_encoding.h"

namespace undertext {
namespace {

bool isEightBit(SourceEncoding encoding) {
    const auto e = encoding.encoding;
    return !encoding.byteOrderMark && e != TextEncoding::Utf8 && e != TextEncoding::Utf16Le &&
           e != TextEncoding::Utf16Be;
}

}  // namespace

SourceEncoding reportEncoding(std::string_view reportStart,
                              std::optional<std::string_view> sourceStart) {
    const auto own = detectEncoding(reportStart);
    if (!isEightBit(own) || !sourceStart) {
        return own;
    }
    const auto source = detectEncoding(*sourceStart);
    return isEightBit(source) ? source : own;
}

}  // namespace undertext
