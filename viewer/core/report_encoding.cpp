#include "viewer/core/report_encoding.h"

namespace undertext {

SourceEncoding reportEncoding(std::string_view reportStart,
                              std::optional<std::string_view> sourceStart) {
    const auto own = detectEncoding(reportStart);
    if (isUnicode(own.encoding) || !sourceStart) {
        return own;
    }
    const auto source = detectEncoding(*sourceStart);
    return isUnicode(source.encoding) ? own : source;
}

}  // namespace undertext
