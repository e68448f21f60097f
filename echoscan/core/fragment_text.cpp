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

Result<std::string> writeFragmentText(const std::filesystem::path& sourcePath,
                                      const std::filesystem::path& preparedPath, Language language,
                                      const std::string* sourceBytes) {
    std::string prepared;
    if (sourceBytes) {
        prepared = prepareFragmentText(*sourceBytes, language);
    } else {
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
