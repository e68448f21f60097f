#include "viewer/core/export_names.h"

#include <cassert>

namespace undertext {
namespace {

// The name less its last extension; a name that starts with its only dot keeps it.
std::string_view withoutExtension(std::string_view name) {
    const auto dot = name.rfind('.');
    return dot == std::string_view::npos || dot == 0 ? name : name.substr(0, dot);
}

bool isContinuationByte(char byte) {
    return (static_cast<unsigned char>(byte) & 0xC0) == 0x80;
}

}  // namespace

std::string reportExportStem(std::string_view reportName, std::string_view suffix) {
    assert(reportName.size() >= suffix.size());
    const auto sourceName = reportName.substr(0, reportName.size() - suffix.size());
    const auto reportPart = reportName.substr(sourceName.size());
    return std::string(withoutExtension(sourceName)) + std::string(withoutExtension(reportPart));
}

std::string textExportStem(std::string_view utf8Text, std::string_view fallbackStem) {
    const auto first = utf8Text.find_first_not_of(' ');
    const auto last = utf8Text.find_last_not_of(' ');
    const auto text = first == std::string_view::npos ? std::string_view()
                                                      : utf8Text.substr(first, last - first + 1);
    std::string stem;
    std::size_t characters = 0;
    for (const char byte : text) {
        if (!isContinuationByte(byte) && ++characters > kMaxTextInName) {
            break;
        }
        const bool forbidden = byte == '/' || (static_cast<unsigned char>(byte) < 0x20);
        stem += forbidden ? '_' : byte;
    }
    return stem.empty() ? std::string(fallbackStem) : stem;
}

}  // namespace undertext
