#include "viewer/core/summary_texts.h"

#include <algorithm>
#include <new>
#include <system_error>

#include "common/core/files/file_io.h"

namespace undertext {
namespace {

bool isRegularFile(const std::filesystem::path& path) {
    std::error_code error;
    return std::filesystem::is_regular_file(path, error);
}

}  // namespace

std::optional<std::filesystem::path> locateSummaryText(const std::string& name,
                                                       const std::filesystem::path& summaryFolder,
                                                       const std::filesystem::path& currentFolder) {
    const std::filesystem::path given(name);
    if (given.is_absolute()) {
        return isRegularFile(given) ? std::optional(given) : std::nullopt;
    }
    for (const auto& folder : {summaryFolder, currentFolder}) {
        if (isRegularFile(folder / given)) {
            return folder / given;
        }
    }
    return std::nullopt;
}

std::optional<MeasuredText> measureSummaryText(const std::string& name,
                                               const std::filesystem::path& summaryFolder,
                                               const std::filesystem::path& currentFolder) {
    const auto path = locateSummaryText(name, summaryFolder, currentFolder);
    if (!path) {
        return std::nullopt;
    }
    try {
        auto bytes = readWholeFile(*path);
        if (!bytes) {
            return std::nullopt;
        }
        const auto text = decodeText(std::move(bytes).value());
        const auto language = guessLanguage(text.cp1251);
        const auto letters = std::count_if(text.cp1251.begin(), text.cp1251.end(), [&](char c) {
            return isLetter(static_cast<unsigned char>(c), language);
        });
        return MeasuredText{*path, text.encoding.encoding, language,
                            static_cast<std::uint64_t>(letters)};
    } catch (const std::bad_alloc&) {
        return std::nullopt;
    }
}

double perMillionLetters(std::uint64_t count, std::uint64_t letters) {
    return letters == 0 ? 0.0 : static_cast<double>(count) * 1e6 / static_cast<double>(letters);
}

std::vector<TextValue> perTextValues(const std::vector<TextCount>& counts,
                                     const std::vector<std::optional<std::uint64_t>>& letters) {
    std::vector<TextValue> values(letters.size());
    for (std::size_t text = 0; text < letters.size(); ++text) {
        values[text].perMillion = letters[text].has_value();
    }
    for (const auto& count : counts) {
        auto& value = values.at(count.text);
        const auto& known = letters[count.text];
        value.value =
            known ? perMillionLetters(count.count, *known) : static_cast<double>(count.count);
    }
    return values;
}

}  // namespace undertext
