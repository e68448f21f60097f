#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "common/core/files/text_lock.h"
#include "common/core/text/text_encoding.h"
#include "corpus/core/text_pool.h"

namespace undertext::cli {

// One text of a corpus run, read, decoded and locked for its job on a worker
// thread. Nothing is printed: a problem becomes the text's failure, which the run
// names.
class TextRun {
  public:
    explicit TextRun(const std::filesystem::path& text);

    // The failure that ends the text before its job: it cannot be read, or another
    // run holds it (waited for with wait, until a stop). nullopt: the job may go.
    std::optional<corpus::TextEnd> open(std::optional<TextEncoding> forced, bool wait);
    const DecodedText& text() const { return *text_; }

  private:
    std::filesystem::path path_;
    TextLock lock_;
    std::optional<DecodedText> text_;
};

}  // namespace undertext::cli
