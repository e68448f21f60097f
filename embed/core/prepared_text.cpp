#include "embed/core/prepared_text.h"

#include <cassert>

#include "common/core/files/file_io.h"

namespace undertext::embed {

PreparedText prepareLetters(std::string_view text, Language language,
                            std::vector<std::uint32_t>* sourcePositions) {
    assert(text.size() < (std::uint64_t{1} << 32));
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
                          Language language, const DecodedText* sourceText,
                          std::optional<TextEncoding> forced, LetterFile letterFile) {
    PrepareResult result;
    const auto source = sourceFolder / sourceName;
    {
        std::optional<DecodedText> read;
        if (sourceText == nullptr) {
            const auto bytes = readWholeFile(source, kMaxSourceBytes);
            if (!bytes) {
                result.error = bytes.error();
                return result;
            }
            read = decodeText(bytes.value(), forced);
        } else if (sourceText->cp1251.size() > kMaxSourceBytes) {
            result.error = tooLargeMessage(source);
            return result;
        }
        const DecodedText& decoded = sourceText ? *sourceText : *read;
        if (decoded.cp1251.size() < 4) {
            result.kind = PrepareResult::Kind::TextTooShort;
            return result;
        }
        result.encoding = decoded.encoding;
        result.text = prepareLetters(decoded.cp1251, language);
    }
    if (letterFile == LetterFile::Write) {
        const auto path = letterFilePath(sourceFolder, sourceName);
        if (const auto written = writeWholeFile(path, result.text.letters,
                                                TextEncoder(result.encoding), Durability::Working);
            !written) {
            result.text = {};
            result.error = written.error();
            return result;
        }
        result.letterFile = FileHold(path);
    }
    result.kind = PrepareResult::Kind::Prepared;
    return result;
}

}  // namespace undertext::embed
