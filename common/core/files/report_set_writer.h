#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <string_view>
#include <vector>

#include "common/core/files/file_io.h"
#include "common/core/result.h"
#include "common/core/text/text_encoding.h"

namespace undertext {

// Writes the files of one run (its reports and working files) as one set: each
// goes to its own temporary file beside its target, and none replaces its target
// until all are complete. On a failure or a stop no target is replaced and every
// temporary file is removed; a set dropped without commit() is abandoned.
// stopRequested is asked after every kStopCheckBytes written, so that a stop ends
// even a very large set promptly.
class ReportSetWriter {
  public:
    static constexpr std::uint64_t kStopCheckBytes = 4 << 20;

    explicit ReportSetWriter(std::function<bool()> stopRequested = {});
    ~ReportSetWriter();
    ReportSetWriter(const ReportSetWriter&) = delete;
    ReportSetWriter& operator=(const ReportSetWriter&) = delete;

    // Starts the next file of the set; its pieces are handed to append().
    WholeFileWriter& add(const std::filesystem::path& target,
                         const TextEncoder& encoder = TextEncoder());
    // False once the file has failed or a stop was requested.
    bool append(WholeFileWriter& file, std::string_view piece);
    // A whole file's content at once.
    bool write(const std::filesystem::path& target, std::string_view content,
               const TextEncoder& encoder = TextEncoder());

    // Puts the set in place. Fails, replacing nothing, when a file failed or a
    // stop was requested (stopped() then tells which).
    Status commit();
    void abandon();
    bool stopped() const { return stopped_; }

  private:
    bool checkStop(std::uint64_t bytes);

    std::function<bool()> stopRequested_;
    std::vector<std::unique_ptr<WholeFileWriter>> files_;
    std::uint64_t sinceStopCheck_ = 0;
    bool stopped_ = false;
};

}  // namespace undertext
