#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace undertext::corpus {

// The texts of a corpus run, gathered from what the user named: files, folders
// searched for texts, and the entries of --files-from lists.

// One text, in the order of the run.
struct CorpusText {
    // As given, or the folder as given joined with the names that lead to the text.
    std::filesystem::path path;
    std::uint64_t bytes = 0;  // its size when collected (0 for a pipe)
};

enum class CollectionIssue {
    Missing,     // no such file or folder, or a link to nothing
    Unreadable,  // a path that cannot be looked at, or a folder that cannot be listed
    NoTexts,     // a folder given that holds no text
    Written,     // a file given that this run writes (the summary)
    LinkLoop,    // a link to a folder that holds the link: not followed
    Repeated,    // a text or folder met again (by another path, or a link): taken once
};

// What the user is told about a path; the message is English and names the path,
// as the batch tool's messages do.
struct CollectionNote {
    CollectionIssue issue;
    std::string message;
};

// True when the issue cost a text the user asked for (the run then ends with
// status 1); loops and repeats cost nothing.
bool losesText(CollectionIssue issue);

struct TextCollection {
    std::vector<CorpusText> texts;
    std::vector<CollectionNote> notes;  // in the order met
};

// The texts named by paths, in their order. A folder is searched recursively for
// files named *.txt (letter case ignored): the names of each folder in byte order,
// a subfolder's texts at its name's place; links are followed, but no folder is
// searched twice and a link back into a folder being searched is not followed.
// Files this program writes beside a text (isWrittenByProgram) and the files of
// `written` (the summary files of the run, when they exist) are never taken from a
// folder; a file given by name is taken whatever its name, except one of
// `written`. A text reached twice (the same file by another path or link) is taken
// once, at its first place. Relative paths are taken from the current folder.
TextCollection collectTexts(const std::vector<std::string>& paths,
                            const std::vector<std::filesystem::path>& written = {});

// The paths of a --files-from list: one a line, LF or CR LF; lines that are empty
// or only blanks and tabs are skipped; anything else is a path as written.
std::vector<std::string> fileListEntries(std::string_view list);

// Reports, prepared texts, letter files and temporary files: the names this
// program gives the files it writes beside a text.
bool isWrittenByProgram(std::string_view fileName);

}  // namespace undertext::corpus
