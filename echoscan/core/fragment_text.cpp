#include "echoscan/core/fragment_text.h"

#include "common/core/files/file_io.h"

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

Result<FragmentSource> readFragmentSource(const std::filesystem::path& sourcePath,
                                          Language language, const DecodedText* sourceText,
                                          std::optional<TextEncoding> forced) {
    FragmentSource prepared;
    {
        std::optional<DecodedText> read;
        if (sourceText == nullptr) {
            const auto bytes = readWholeFile(sourcePath);
            if (!bytes) {
                return Result<FragmentSource>::failure(bytes.error());
            }
            read = decodeText(bytes.value(), forced);
        }
        const DecodedText& decoded = sourceText ? *sourceText : *read;
        prepared.text = prepareFragmentText(decoded.cp1251, language);
        prepared.encoding = decoded.encoding;
    }
    return Result<FragmentSource>::success(std::move(prepared));
}

}  // namespace undertext::echoscan
