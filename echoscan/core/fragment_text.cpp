#include "fragment_text.h"

#include "common/core/file_io.h"

namespace undertext::echoscan {

std::string prepareFragmentText(std::string_view source, Language language,
                                std::vector<std::uint32_t>* sourcePositions) {
    std::string prepared;
    prepared.reserve(source.size());
    if (sourcePositions != nullptr) {
        sourcePositions->clear();
    }
    bool lastWasBlank = false;
    for (std::size_t i = 0; i < source.size(); ++i) {
        const auto b = static_cast<unsigned char>(source[i]);
        const bool letter = isLetter(b, language);
        if (!letter && lastWasBlank) {
            continue;
        }
        prepared.push_back(letter ? static_cast<char>(lowerLetter(b, language)) : ' ');
        lastWasBlank = !letter;
        if (sourcePositions != nullptr) {
            sourcePositions->push_back(static_cast<std::uint32_t>(i));
        }
    }
    if (sourcePositions != nullptr) {
        sourcePositions->shrink_to_fit();  // 4 bytes per letter kept, no slack
    }
    return prepared;
}

Result<std::string> writeFragmentText(const std::filesystem::path& sourcePath,
                                      const std::filesystem::path& preparedPath,
                                      Language language) {
    std::string prepared;
    {
        const auto source = readWholeFile(sourcePath);
        if (!source) {
            return Result<std::string>::failure(source.error());
        }
        prepared = prepareFragmentText(source.value(), language);
    }
    if (const auto written = writeWholeFile(preparedPath, prepared); !written) {
        return Result<std::string>::failure(written.error());
    }
    return Result<std::string>::success(std::move(prepared));
}

}  // namespace undertext::echoscan
