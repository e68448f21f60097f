#include "kwic_lines.h"

#include <algorithm>

#include "common/core/codepage.h"

namespace undertext {
namespace {

// The UTF-8 form of Windows-1251 text with each CR LF, CR, LF and tab as one blank.
std::string oneLine(std::string_view cp1251) {
    std::string flat;
    flat.reserve(cp1251.size());
    for (std::size_t i = 0; i < cp1251.size(); ++i) {
        const char c = cp1251[i];
        if (c == '\r' && i + 1 < cp1251.size() && cp1251[i + 1] == '\n') {
            ++i;
        }
        flat.push_back(c == '\r' || c == '\n' || c == '\t' ? ' ' : c);
    }
    return cp1251ToUtf8(flat);
}

}  // namespace

KwicLine kwicLine(std::string_view source, SourceSpan span, std::size_t width) {
    const std::size_t leftBegin = span.begin - std::min<std::size_t>(span.begin, width);
    return {span.begin + std::uint64_t{1},
            oneLine(source.substr(leftBegin, span.begin - leftBegin)),
            oneLine(source.substr(span.begin, span.end - span.begin)),
            oneLine(source.substr(span.end, width))};
}

std::string tabSeparated(const KwicLine& line) {
    return std::to_string(line.position) + '\t' + line.left + '\t' + line.span + '\t' + line.right;
}

}  // namespace undertext
