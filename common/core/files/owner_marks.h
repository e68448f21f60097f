#pragma once

#include <sys/types.h>

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string_view>

namespace undertext {

// Who made a file: a process, told apart from a later one with the same id by the
// time it started (in clock ticks after boot).
struct FileOwner {
    pid_t pid = 0;
    std::uint64_t startTime = 0;

    bool operator==(const FileOwner&) const = default;
};

// Where a file's owner is written: in its extended attribute kOwnerAttribute, or,
// on a file system without extended attributes, in the journal file of its folder
// (kOwnerJournalName), by device and inode, so that the mark follows a rename.
enum class OwnerMarkStore { Attribute, Journal };

inline constexpr const char* kOwnerAttribute = "user.undertext";
inline constexpr std::string_view kOwnerJournalName = ".undertext-journal";

// This process.
FileOwner currentOwner();

// True while the process that owner names runs.
bool ownerIsAlive(const FileOwner& owner);

// Marks file as made by owner: in its attribute, else in the journal (also when
// the attribute store is asked for and refused). False when neither took the mark.
bool markOwner(const std::filesystem::path& file, const FileOwner& owner,
               OwnerMarkStore store = OwnerMarkStore::Attribute);

// Marks file as made by this process.
inline bool markAsOurs(const std::filesystem::path& file) {
    return markOwner(file, currentOwner());
}

// The owner marked on the open file fd of folder: its attribute, else its journal entry.
std::optional<FileOwner> markedOwner(int fd, const std::filesystem::path& folder);

// Drops from folder's journal the entries whose file is gone; the journal itself
// goes when no entry is left.
void pruneOwnerJournal(const std::filesystem::path& folder);

}  // namespace undertext
