#pragma once

#include <filesystem>
#include <string_view>

namespace undertext {

// Files a run leaves only while it lives: the temporary files of the whole-file
// writer (".ut-" and 6 letters or digits) and the letter file of a text ("~$" + the
// text's name, its letters lower-cased). Each is marked with its owner when it is
// made (see owner_marks.h), and a live run holds a lock on each; a run that was
// killed leaves them marked with an owner that is gone, and unlocked.
inline constexpr std::string_view kTemporaryPrefix = ".ut-";
inline constexpr int kTemporaryRandomLength = 6;
inline constexpr std::string_view kLetterFilePrefix = "~$";

// Removes from folder the files of those names that this program made for a
// process that is gone and that no live process holds, then drops the journal
// entries of files that are gone. A file without the mark, such as a user's own
// "~$notes.txt", is never touched; failures are ignored.
void removeLeftovers(const std::filesystem::path& folder);

// A shared lock held on a file as long as the object lives, marking it as owned by
// this process for removeLeftovers. A file that cannot be opened is simply not held.
class FileHold {
  public:
    FileHold() = default;
    explicit FileHold(const std::filesystem::path& path);
    ~FileHold();
    FileHold(FileHold&& other) noexcept;
    FileHold& operator=(FileHold&& other) noexcept;

  private:
    int fd_ = -1;
};

}  // namespace undertext
