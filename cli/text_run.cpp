#include "cli/text_run.h"

#include "cli/cli_support.h"
#include "common/core/files/file_io.h"

namespace undertext::cli {

TextRun::TextRun(const std::filesystem::path& text) : path_(text), lock_(text) {}

std::optional<corpus::TextEnd> TextRun::open(std::optional<TextEncoding> forced, bool wait) {
    switch (takeTextLock(lock_, wait)) {
        case TextLocking::Busy:
            return corpus::TextEnd::failed(
                "another run on it is still going; add --wait to wait for it to end");
        case TextLocking::Stopped:
            return corpus::TextEnd::stopped();
        case TextLocking::Taken:
            break;
    }
    auto bytes = readWholeFile(path_);
    if (!bytes) {
        return corpus::TextEnd::failed(bytes.error());
    }
    text_ = decodeText(std::move(bytes).value(), forced);
    return std::nullopt;
}

}  // namespace undertext::cli
