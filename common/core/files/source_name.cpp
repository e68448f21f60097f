#include "common/core/files/source_name.h"

#include "common/core/files/file_io.h"

namespace undertext {

Status checkSourceChosen(std::string_view name) {
    return name.empty() ? Status::failure(kChooseSourceMessage) : Status::success();
}

bool isBareFileName(std::string_view name) {
    return name.find('/') == std::string_view::npos;
}

std::string notInSourceFolderMessage(const std::string& name, const std::filesystem::path& folder) {
    return "Исходный файл \"" + name + "\" не находится в папке \"" + displayPath(folder) + "\".";
}

}  // namespace undertext
