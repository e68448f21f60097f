#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "common/core/result.h"
#include "common/core/text/text_encoding.h"

namespace undertext {

// The largest file any program reads: texts and modules are addressed with 32-bit
// signed positions.
inline constexpr std::uint64_t kMaxInputBytes = 0x7FFFFFF0;

// Reads a file once, as bytes, refusing it before reading when it is too large. A
// regular file's size is checked first; a pipe or FIFO is read with the same limit
// enforced while reading; a device or a folder is refused. Errors name the file.
Result<std::string> readWholeFile(const std::filesystem::path& path,
                                  std::uint64_t maxBytes = kMaxInputBytes);

// The message for a file over the size limit.
std::string tooLargeMessage(const std::filesystem::path& path);

// The message for running out of memory while a file (a text) is being worked on.
std::string outOfMemoryMessage(const std::filesystem::path& path);

// Whether a written file reaches the disk before it replaces its target. A working
// file that the program removes again moments later needs no sync: the wait would
// buy nothing, and a crash can leave only such a file short, never one a user keeps.
enum class Durability { Synced, Working };

// Writes content as the whole new content of path: it goes to a temporary file in
// the same folder, which replaces the target only once it is complete. On any
// failure the target is left as it was, the temporary file is removed, and the
// error names the target and the reason. The encoder turns Windows-1251 content
// into the file's encoding (by default the bytes are written as they are).
Status writeWholeFile(const std::filesystem::path& path, std::string_view content,
                      const TextEncoder& encoder = TextEncoder(),
                      Durability durability = Durability::Synced);

// Writes a file whole from content that arrives in pieces (a report too large to
// hold in memory). The target's symbolic links are followed, so a link stays a link
// and its final target is replaced; an existing target keeps its permissions. A
// target that is not a regular file (a device, a FIFO, a socket, a folder) or that
// has no write permission is refused and left alone. The pieces go to a temporary
// file ".ut-XXXXXX" beside the final target, locked while it lives (see
// removeLeftovers), which replaces the target only on commit(). A writer dropped
// without a successful commit() removes its temporary file. The encoder turns the
// Windows-1251 pieces into the file's encoding, its byte-order mark first. Errors
// name the target. Not thread-safe; one writer per target.
class WholeFileWriter {
  public:
    explicit WholeFileWriter(std::filesystem::path target,
                             const TextEncoder& encoder = TextEncoder(),
                             Durability durability = Durability::Synced);
    ~WholeFileWriter();
    WholeFileWriter(const WholeFileWriter&) = delete;
    WholeFileWriter& operator=(const WholeFileWriter&) = delete;

    // False once any write has failed; later pieces are then ignored.
    bool append(std::string_view piece);
    // finish() then place().
    Status commit();
    // Starts writing back what is not yet on its way to the disk, and returns at
    // once: a set of files gets all of them under way before it waits on each.
    void startWriteBack();
    // Makes the temporary file's content durable (a working file's is left to the
    // kernel); the target is not yet touched. On failure the temporary file is
    // removed.
    Status finish();
    // Renames the finished temporary file over the target.
    Status place();
    // Removes the temporary file, leaving the target as it was.
    void abandon();

  private:
    void fail(std::string reason);
    void discard();
    // Writes bytes to the temporary file and starts writing back what has piled
    // up, so that the sync at the commit waits only for the last of it.
    void write(std::string_view bytes);

    std::filesystem::path target_;    // as given, for messages
    std::filesystem::path replaced_;  // the target with its links followed
    std::filesystem::path temporary_;
    TextEncoder encoder_;
    Durability durability_;
    std::string encoded_;  // reused for each piece
    int fd_ = -1;
    std::uint64_t written_ = 0;      // bytes written to the temporary file
    std::uint64_t writtenBack_ = 0;  // of which writing back has been started
    std::string failure_;            // the reason of the first failure; empty while all is well
};

// Removes a file; a file that is already absent is not an error.
Status removeFile(const std::filesystem::path& path);

// The path as text for messages (UTF-8, as the file system names it).
std::string displayPath(const std::filesystem::path& path);

}  // namespace undertext
