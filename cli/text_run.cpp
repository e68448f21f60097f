#include "cli/text_run.h"

#include "common/core/files/file_io.h"
#include "common/core/stop_signals.h"

namespace undertext::cli {

TextRun::TextRun(const std::filesystem::path& text) : path_(text), lock_(text) {}

std::optional<corpus::TextEnd> TextRun::open(std::optional<TextEncoding> forced, bool wait) {
    if (!lock_.tryLock()) {
        if (!wait) {
            return corpus::TextEnd::failed(
                "another run on it is still going; add --wait to "
                "wait for it to end");
        }
        if (!lock_.waitForLock([] { return stopRequested(); })) {
            return corpus::TextEnd::stopped();
        }
    }
    auto bytes = readWholeFile(path_);
    if (!bytes) {
        return corpus::TextEnd::failed(bytes.error());
    }
    text_ = decodeText(std::move(bytes).value(), forced);
    return std::nullopt;
}

}  // namespace undertext::cli
