#include "common/core/files/disk_space.h"

#include <sys/statvfs.h>

#include "common/core/files/file_io.h"
#include "common/core/messages/message_pattern.h"
#include "common/core/messages/translatable.h"

namespace undertext {

std::string sizeText(std::uint64_t bytes) {
    static constexpr const char* kUnits[] = {UNDERTEXT_TRANSLATABLE("CoreMessage", "%1 КБ"),
                                             UNDERTEXT_TRANSLATABLE("CoreMessage", "%1 МБ"),
                                             UNDERTEXT_TRANSLATABLE("CoreMessage", "%1 ГБ")};
    if (bytes < 1024) {
        return fillIn(UNDERTEXT_TRANSLATABLE("CoreMessage", "%1 байт"), {std::to_string(bytes)});
    }
    int unit = 0;
    std::uint64_t scale = 1024;
    while (unit < 2 && bytes >= scale * 1024) {
        scale *= 1024;
        ++unit;
    }
    // Tenths of the unit, rounded up so that the need is never understated.
    const auto tenths = (bytes * 10 + scale - 1) / scale;
    return fillIn(kUnits[unit], {std::to_string(tenths / 10) + "," + std::to_string(tenths % 10)});
}

Status ensureRoomFor(const std::filesystem::path& path, std::uint64_t bytesNeeded) {
    const auto folder = path.has_parent_path() ? path.parent_path() : std::filesystem::path(".");
    struct statvfs info {};
    if (::statvfs(folder.c_str(), &info) != 0) {
        return Status::success();
    }
    const auto available = static_cast<std::uint64_t>(info.f_bavail) * info.f_frsize;
    if (bytesNeeded <= available) {
        return Status::success();
    }
    return Status::failure(
        fillIn(UNDERTEXT_TRANSLATABLE("CoreMessage",
                                      "Не удалось записать файл \"%1\". Для него нужно %2, а на "
                                      "диске свободно %3."),
               {displayPath(path), sizeText(bytesNeeded), sizeText(available)}));
}

}  // namespace undertext
