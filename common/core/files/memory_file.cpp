#include "common/core/files/memory_file.h"

#include <string>

#include "common/core/text/codepage.h"
#include "common/core/files/file_io.h"
#include "common/core/files/file_names.h"
#include "common/core/text/letters.h"

namespace undertext {
namespace {

std::filesystem::path memoryFilePath(const std::filesystem::path& startFolder,
                                     std::string_view fileName) {
    const auto found = findNameIgnoringCase(startFolder, fileName);
    return found ? *found : startFolder / std::string(fileName);
}

}  // namespace

std::optional<std::filesystem::path> readRememberedFolder(const std::filesystem::path& startFolder,
                                                          std::string_view fileName,
                                                          bool deleteShort) {
    const auto path = memoryFilePath(startFolder, fileName);
    const auto content = readWholeFile(path);
    if (!content) {
        return std::nullopt;
    }
    if (content->size() <= 2) {
        if (deleteShort) {
            removeFile(path);
        }
        return std::nullopt;
    }
    // The line without its last two bytes (its CR LF), upper-cased.
    std::string folder = content->substr(0, content->size() - 2);
    for (auto& c : folder) {
        c = static_cast<char>(upperAnyLetter(static_cast<unsigned char>(c)));
    }
    const std::filesystem::path upper(cp1251ToUtf8(folder));
    const auto resolved = resolvePathIgnoringCase(upper);
    return resolved ? *resolved : upper;
}

Status writeRememberedFolder(const std::filesystem::path& startFolder, std::string_view fileName,
                             const std::filesystem::path& folder) {
    return writeWholeFile(memoryFilePath(startFolder, fileName),
                          utf8ToCp1251(folder.string()) + "\r\n");
}

}  // namespace undertext
