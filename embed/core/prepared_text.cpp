#include "prepared_text.h"

#include <system_error>

#include "common/core/file_io.h"

namespace undertext::embed {

PreparedText prepareLetters(std::string_view text, Language language,
                            std::vector<std::uint32_t>* sourcePositions) {
    PreparedText prepared;
    prepared.letters.reserve(text.size());
    if (sourcePositions != nullptr) {
        sourcePositions->clear();
    }
    bool inGap = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto b = static_cast<unsigned char>(text[i]);
        if (isLetter(b, language)) {
            prepared.letters.push_back(static_cast<char>(lowerLetter(b, language)));
            if (sourcePositions != nullptr) {
                sourcePositions->push_back(static_cast<std::uint32_t>(i));
            }
            inGap = false;
        } else if (!inGap) {
            inGap = true;
            prepared.wordEnd.push_back(prepared.letterCount());
        }
    }
    prepared.wordEnd.push_back(prepared.letterCount());
    prepared.letters.shrink_to_fit();
    prepared.wordEnd.shrink_to_fit();
    if (sourcePositions != nullptr) {
        sourcePositions->shrink_to_fit();  // 4 bytes per letter kept, no slack
    }
    return prepared;
}

std::filesystem::path letterFilePath(const std::filesystem::path& sourceFolder,
                                     const std::string& sourceName) {
    return sourceFolder / ("~$" + sourceName);
}

PrepareResult prepareText(const std::filesystem::path& sourceFolder, const std::string& sourceName,
                          Language language) {
    PrepareResult result;
    const auto source = sourceFolder / sourceName;
    std::error_code error;
    const auto size = std::filesystem::file_size(source, error);
    if (!error && size > kMaxSourceBytes) {
        result.error = "Файл \"" + displayPath(source) +
                       "\" слишком велик: программа работает с текстами до 2 ГБ.";
        return result;
    }
    {
        const auto bytes = readWholeFile(source);
        if (!bytes) {
            result.error = bytes.error();
            return result;
        }
        if (bytes->size() < 4) {
            result.kind = PrepareResult::Kind::TextTooShort;
            return result;
        }
        result.text = prepareLetters(bytes.value(), language);
    }
    const auto letterFile = letterFilePath(sourceFolder, sourceName);
    if (const auto written = writeWholeFile(letterFile, result.text.letters); !written) {
        result.text = {};
        result.error = written.error();
        return result;
    }
    result.kind = PrepareResult::Kind::Prepared;
    return result;
}

}  // namespace undertext::embed
