#include "echoscan/core/remembered_range.h"

#include <algorithm>
#include <cctype>
#include <string_view>

#include "common/core/files/file_io.h"
#include "common/core/files/file_names.h"

namespace undertext::echoscan {
namespace {

constexpr std::size_t kLongestNumber = 9;

std::filesystem::path rangeFilePath(const std::filesystem::path& startFolder) {
    const auto found = findNameIgnoringCase(startFolder, kLastRangeFile);
    return found ? *found : startFolder / kLastRangeFile;
}

bool isLength(std::string_view text) {
    return !text.empty() && text.size() <= kLongestNumber &&
           std::ranges::all_of(text, [](unsigned char c) { return std::isdigit(c) != 0; });
}

}  // namespace

std::optional<LengthRange> readRememberedRange(const std::filesystem::path& startFolder) {
    const auto content = readWholeFile(rangeFilePath(startFolder));
    if (!content || !content->ends_with("\r\n")) {
        return std::nullopt;
    }
    const std::string_view line(content->data(), content->size() - 2);
    const auto blank = line.find(' ');
    if (blank == std::string_view::npos) {
        return std::nullopt;
    }
    const auto shortest = line.substr(0, blank);
    const auto longest = line.substr(blank + 1);
    if (!isLength(shortest) || !isLength(longest)) {
        return std::nullopt;
    }
    return LengthRange{std::string(shortest), std::string(longest)};
}

Status writeRememberedRange(const std::filesystem::path& startFolder, const LengthRange& range) {
    return writeWholeFile(rangeFilePath(startFolder),
                          range.shortest + ' ' + range.longest + "\r\n");
}

}  // namespace undertext::echoscan
