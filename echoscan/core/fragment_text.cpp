#include "fragment_text.h"

#include "common/core/file_io.h"

namespace undertext::echoscan {

std::string prepareFragmentText(std::string_view source, Language language) {
    std::string prepared;
    prepared.reserve(source.size());
    bool lastWasBlank = false;
    for (const char byte : source) {
        const auto b = static_cast<unsigned char>(byte);
        if (isLetter(b, language)) {
            prepared.push_back(static_cast<char>(lowerLetter(b, language)));
            lastWasBlank = false;
        } else if (!lastWasBlank) {
            prepared.push_back(' ');
            lastWasBlank = true;
        }
    }
    return prepared;
}

Result<FragmentSource> writeFragmentText(const std::filesystem::path& sourcePath,
                                         const std::filesystem::path& preparedPath,
                                         Language language, std::optional<TextEncoding> forced) {
    FragmentSource prepared;
    {
        const auto source = readWholeFile(sourcePath);
        if (!source) {
            return Result<FragmentSource>::failure(source.error());
        }
        const auto decoded = decodeText(source.value(), forced);
        prepared.text = prepareFragmentText(decoded.cp1251, language);
        prepared.encoding = decoded.encoding;
    }
    if (const auto written =
            writeWholeFile(preparedPath, prepared.text, TextEncoder(prepared.encoding));
        !written) {
        return Result<FragmentSource>::failure(written.error());
    }
    return Result<FragmentSource>::success(std::move(prepared));
}

}  // namespace undertext::echoscan
