#include "common/core/files/source_name.h"

#include "common/core/files/file_io.h"
#include "common/core/messages/message_pattern.h"
#include "common/core/messages/translatable.h"

namespace undertext {

Status checkSourceChosen(std::string_view name) {
    return name.empty() ? Status::failure(kChooseSourceMessage) : Status::success();
}

bool isBareFileName(std::string_view name) {
    return name.find('/') == std::string_view::npos;
}

std::string notInSourceFolderMessage(const std::string& name, const std::filesystem::path& folder) {
    return fillIn(
        UNDERTEXT_TRANSLATABLE("CoreMessage", "Исходный файл \"%1\" не находится в папке \"%2\"."),
        {name, displayPath(folder)});
}

}  // namespace undertext
