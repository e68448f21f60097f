#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "common/core/messages/translatable.h"
#include "common/core/result.h"

namespace undertext {

// The refusal of a run whose source-name box is empty.
inline constexpr const char* kChooseSourceMessage =
    UNDERTEXT_TRANSLATABLE("CoreMessage", "Выберите исходный файл");

// The check of Embed's and Echoscan's source-name box: a name was given.
Status checkSourceChosen(std::string_view name);

// The source-name box of Embed and Echoscan holds a bare file name: the text and
// the reports written beside it live in SourceFolder. A typed name with a folder
// part ("../x.txt", "/etc/x") would lead the reads and the writes elsewhere.
bool isBareFileName(std::string_view name);

// The refusal shown for a name that is not a bare file name.
std::string notInSourceFolderMessage(const std::string& name, const std::filesystem::path& folder);

}  // namespace undertext
