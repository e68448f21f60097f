#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "result.h"
#include "text_encoding.h"

namespace undertext {

// Reads a whole file as bytes. The error names the file.
Result<std::string> readWholeFile(const std::filesystem::path& path);

// Writes content as the whole new content of path: it goes to a temporary file in
// the same folder, which replaces the target only once it is complete. On any
// failure the target is left as it was, the temporary file is removed, and the
// error names the target. The encoder turns Windows-1251 content into the file's
// encoding (by default the bytes are written as they are).
Status writeWholeFile(const std::filesystem::path& path, std::string_view content,
                      const TextEncoder& encoder = TextEncoder());

// Writes a file whole from content that arrives in pieces (a report too large to
// hold in memory): the pieces go to a temporary file beside the target, which
// replaces the target only on commit(). A writer dropped without a successful
// commit() removes its temporary file and leaves the target as it was. Errors name
// the target. The encoder turns the Windows-1251 pieces into the file's encoding,
// its byte-order mark first. Not thread-safe; one writer per target.
class WholeFileWriter {
  public:
    explicit WholeFileWriter(std::filesystem::path target,
                             const TextEncoder& encoder = TextEncoder());
    ~WholeFileWriter();
    WholeFileWriter(const WholeFileWriter&) = delete;
    WholeFileWriter& operator=(const WholeFileWriter&) = delete;

    // False once any write has failed; later pieces are then ignored.
    bool append(std::string_view piece);
    Status commit();

  private:
    void discard();

    std::filesystem::path target_;
    std::filesystem::path temporary_;
    TextEncoder encoder_;
    std::string encoded_;  // reused for each piece
    int fd_ = -1;
    bool failed_ = false;
};

// Removes a file; a file that is already absent is not an error.
Status removeFile(const std::filesystem::path& path);

// The path as text for messages (UTF-8, as the file system names it).
std::string displayPath(const std::filesystem::path& path);

}  // namespace undertext
