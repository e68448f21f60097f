#include "corpus/core/text_collection.h"

#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <map>
#include <set>
#include <system_error>

#include "common/core/files/file_io.h"
#include "common/core/files/file_names.h"
#include "common/core/files/leftover_files.h"
#include "echoscan/core/fragment_reports.h"
#include "echoscan/core/fragment_text.h"
#include "embed/core/embed_reports.h"

namespace undertext::corpus {
namespace {

// A file or folder as the file system knows it, whatever the path to it.
struct FileId {
    dev_t device;
    ino_t inode;
    auto operator<=>(const FileId&) const = default;
};

FileId idOf(const struct stat& info) {
    return {info.st_dev, info.st_ino};
}

class Collector {
  public:
    explicit Collector(const std::vector<std::filesystem::path>& written) {
        for (const auto& path : written) {
            struct stat info {};
            if (::stat(path.c_str(), &info) == 0) {
                written_.insert(idOf(info));
            }
        }
    }

    void addGiven(const std::filesystem::path& path) {
        struct stat info {};
        if (::stat(path.c_str(), &info) != 0) {
            noteUnreachable(path, errno, true);
            return;
        }
        if (S_ISDIR(info.st_mode)) {
            const auto before = textsFound_;
            if (searchFolder(path, idOf(info)) && textsFound_ == before) {
                note(CollectionIssue::NoTexts,
                     "no texts (*.txt) in the folder " + displayPath(path));
            }
            return;
        }
        if (written_.contains(idOf(info))) {
            note(CollectionIssue::Written,
                 displayPath(path) + " is written by this run; not taken as a text");
            return;
        }
        addText(path, info);
    }

    TextCollection result;

  private:
    void note(CollectionIssue issue, std::string message) {
        result.notes.push_back({issue, std::move(message)});
    }

    // A loop of links met in a folder costs nothing; one given by name, its text.
    void noteUnreachable(const std::filesystem::path& path, int error, bool given) {
        struct stat link {};
        if (error == ELOOP && !given) {
            note(CollectionIssue::LinkLoop,
                 displayPath(path) + " is a loop of links; not followed");
        } else if (error == ENOENT && ::lstat(path.c_str(), &link) == 0) {
            note(CollectionIssue::Missing, displayPath(path) + " is a link to nothing");
        } else if (error == ENOENT || error == ENOTDIR) {
            note(CollectionIssue::Missing, "no file or folder " + displayPath(path));
        } else {
            note(CollectionIssue::Unreadable,
                 "cannot look at " + displayPath(path) + ": " + std::strerror(error));
        }
    }

    void addText(const std::filesystem::path& path, const struct stat& info) {
        ++textsFound_;
        const auto [seen, added] = texts_.emplace(idOf(info), path);
        if (!added) {
            note(CollectionIssue::Repeated, displayPath(path) + " is the same text as " +
                                                displayPath(seen->second) + "; taken once");
            return;
        }
        const auto bytes = S_ISREG(info.st_mode) ? static_cast<std::uint64_t>(info.st_size) : 0;
        result.texts.push_back({path, bytes});
    }

    // False when the folder is not searched: a loop, a repeat, or unreadable.
    bool searchFolder(const std::filesystem::path& folder, FileId id) {
        if (std::find(ancestors_.begin(), ancestors_.end(), id) != ancestors_.end()) {
            note(CollectionIssue::LinkLoop,
                 displayPath(folder) + " leads back into a folder that holds it; not followed");
            return false;
        }
        if (const auto [seen, added] = folders_.emplace(id, folder); !added) {
            note(CollectionIssue::Repeated, "the folder " + displayPath(folder) + " is " +
                                                displayPath(seen->second) +
                                                " again; searched once");
            return false;
        }
        std::error_code error;
        std::vector<std::string> names;
        for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end;
             it.increment(error)) {
            names.push_back(it->path().filename().string());
        }
        if (error) {
            note(CollectionIssue::Unreadable,
                 "cannot read the folder " + displayPath(folder) + ": " + error.message());
            return false;
        }
        std::sort(names.begin(), names.end());
        ancestors_.push_back(id);
        for (const auto& name : names) {
            searchEntry(folder / name, name);
        }
        ancestors_.pop_back();
        return true;
    }

    void searchEntry(const std::filesystem::path& path, const std::string& name) {
        const bool textName = matchesPattern(name, "*.txt") && !isWrittenByProgram(name);
        struct stat info {};
        if (::stat(path.c_str(), &info) != 0) {
            if (textName || errno == ELOOP) {
                noteUnreachable(path, errno, false);
            }
            return;
        }
        if (S_ISDIR(info.st_mode)) {
            searchFolder(path, idOf(info));
        } else if (S_ISREG(info.st_mode) && textName && !written_.contains(idOf(info))) {
            addText(path, info);
        }
    }

    std::set<FileId> written_;
    std::map<FileId, std::filesystem::path> texts_;
    std::map<FileId, std::filesystem::path> folders_;
    std::vector<FileId> ancestors_;  // the folders being searched, outermost first
    std::size_t textsFound_ = 0;     // repeats included
};

}  // namespace

bool losesText(CollectionIssue issue) {
    return issue != CollectionIssue::LinkLoop && issue != CollectionIssue::Repeated;
}

TextCollection collectTexts(const std::vector<std::string>& paths,
                            const std::vector<std::filesystem::path>& written) {
    Collector collector(written);
    for (const auto& path : paths) {
        collector.addGiven(path);
    }
    return std::move(collector.result);
}

std::vector<std::string> fileListEntries(std::string_view list) {
    std::vector<std::string> entries;
    while (!list.empty()) {
        const auto end = list.find('\n');
        auto line = list.substr(0, end);
        list.remove_prefix(end == list.npos ? list.size() : end + 1);
        if (line.ends_with('\r')) {
            line.remove_suffix(1);
        }
        if (line.find_first_not_of(" \t") != line.npos) {
            entries.emplace_back(line);
        }
    }
    return entries;
}

bool isWrittenByProgram(std::string_view fileName) {
    if (fileName.starts_with(kLetterFilePrefix) || fileName.starts_with(kTemporaryPrefix)) {
        return true;
    }
    const std::string_view suffixes[] = {
        embed::kTextOrderSuffix,
        embed::kByFrequencySuffix,
        embed::kByLengthSuffix,
        embed::kAlphabeticalSuffix,
        echoscan::kFragmentTextSuffix,
        echoscan::fragmentReportSuffix(echoscan::FragmentReport::ByLength),
        echoscan::fragmentReportSuffix(echoscan::FragmentReport::Alphabetical),
        echoscan::fragmentReportSuffix(echoscan::FragmentReport::ByFrequency)};
    return std::any_of(std::begin(suffixes), std::end(suffixes),
                       [&](std::string_view suffix) { return fileName.ends_with(suffix); });
}

}  // namespace undertext::corpus
