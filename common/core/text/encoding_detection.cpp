#include "common/core/text/text_encoding.h"

#include <uchardet.h>

#include <algorithm>
#include <memory>

#include "common/core/text/encoding_tables.h"
#include "common/core/text/utf8_scan.h"

namespace undertext {
namespace {

// The detector decides on the start of a file: its statistics settle long before
// and it reads only about 2 MB a second.
constexpr std::size_t kDetectorSample = 16 << 10;

TextEncoding askDetector(std::string_view bytes) {
    std::unique_ptr<std::remove_pointer_t<uchardet_t>, decltype(&uchardet_delete)> detector(
        uchardet_new(), &uchardet_delete);
    if (!detector || uchardet_handle_data(detector.get(), bytes.data(),
                                          std::min(bytes.size(), kDetectorSample)) != 0) {
        return TextEncoding::Windows1251;
    }
    uchardet_data_end(detector.get());
    const std::string_view answer = uchardet_get_charset(detector.get());
    if (answer == "KOI8-R") {
        return TextEncoding::Koi8R;
    }
    if (answer == "IBM866") {
        return TextEncoding::Cp866;
    }
    if (answer == "ISO-8859-5") {
        return TextEncoding::Iso8859_5;
    }
    return TextEncoding::Windows1251;
}

}  // namespace

SourceEncoding detectEncoding(std::string_view bytes) {
    using namespace encoding_tables;
    if (const auto marked = encodingOfMark(bytes)) {
        return {*marked, true};
    }
    const auto tally = utf8_scan::tallyUtf8(bytes);
    if (utf8_scan::looksLikeUtf8(tally)) {
        return {TextEncoding::Utf8, false};
    }
    if (tally.invalid == 0) {  // pure ASCII: the same bytes in Windows-1251
        return {TextEncoding::Windows1251, false};
    }
    return {askDetector(bytes), false};
}

}  // namespace undertext
