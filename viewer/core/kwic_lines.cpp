#include "viewer/core/kwic_lines.h"

#include <algorithm>
#include <cassert>

#include "common/core/text/codepage.h"

namespace undertext {
namespace {

// The UTF-8 form of the source's characters from begin to end, with each CR LF,
// CR, LF and tab as one blank.
std::string oneLine(const DecodedText& source, std::size_t begin, std::size_t end) {
    const std::string_view cp1251 = source.cp1251;
    const auto& others = source.otherCharacters;
    auto other = std::lower_bound(
        others.begin(), others.end(), begin,
        [](const OtherCharacter& c, std::size_t position) { return c.position < position; });
    std::string flat;
    flat.reserve(end - begin);
    for (std::size_t i = begin; i < end; ++i) {
        const char c = cp1251[i];
        if (other != others.end() && other->position == i) {
            appendUtf8(flat, other->codePoint);
            ++other;
            continue;
        }
        if (c == '\r' && i + 1 < end && cp1251[i + 1] == '\n') {
            ++i;
        }
        appendUtf8(flat, c == '\r' || c == '\n' || c == '\t'
                             ? U' '
                             : cp1251CodePoint(static_cast<unsigned char>(c)));
    }
    return flat;
}

}  // namespace

KwicLine kwicLine(const DecodedText& source, SourceSpan span, std::size_t width) {
    const std::size_t size = source.cp1251.size();
    assert(span.begin <= span.end && span.end <= size);
    const std::size_t leftBegin = span.begin - std::min<std::size_t>(span.begin, width);
    return {span.begin + std::uint64_t{1}, oneLine(source, leftBegin, span.begin),
            oneLine(source, span.begin, span.end),
            oneLine(source, span.end, span.end + std::min(width, size - span.end))};
}

std::string tabSeparated(const KwicLine& line) {
    return std::to_string(line.position) + '\t' + line.left + '\t' + line.span + '\t' + line.right;
}

}  // namespace undertext
