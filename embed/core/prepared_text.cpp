#include "prepared_text.h"

#include <system_error>

#include "common/core/file_io.h"

namespace undertext::embed {

PreparedText prepareLetters(std::string_view text, Language language) {
    PreparedText prepared;
    prepared.letters.reserve(text.size());
    bool inGap = false;
    for (const char c : text) {
        const auto b = static_cast<unsigned char>(c);
        if (isLetter(b, language)) {
            prepared.letters.push_back(static_cast<char>(lowerLetter(b, language)));
            inGap = false;
        } else if (!inGap) {
            inGap = true;
            prepared.wordEnd.push_back(prepared.letterCount());
        }
    }
    prepared.wordEnd.push_back(prepared.letterCount());
    prepared.letters.shrink_to_fit();
    prepared.wordEnd.shrink_to_fit();
    return prepared;
}

std::filesystem::path letterFilePath(const std::filesystem::path& sourceFolder,
                                     const std::string& sourceName) {
    return sourceFolder / ("~$" + sourceName);
}

PrepareResult prepareText(const std::filesystem::path& sourceFolder, const std::string& sourceName,
                          Language language, std::optional<TextEncoding> forced) {
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
        const auto decoded = decodeText(bytes.value(), forced);
        if (decoded.cp1251.size() < 4) {
            result.kind = PrepareResult::Kind::TextTooShort;
            return result;
        }
        result.encoding = decoded.encoding;
        result.text = prepareLetters(decoded.cp1251, language);
    }
    const auto letterFile = letterFilePath(sourceFolder, sourceName);
    if (const auto written =
            writeWholeFile(letterFile, result.text.letters, TextEncoder(result.encoding));
        !written) {
        result.text = {};
        result.error = written.error();
        return result;
    }
    result.kind = PrepareResult::Kind::Prepared;
    return result;
}

}  // namespace undertext::embed
