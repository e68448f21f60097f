#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "common/core/files/report_size_approval.h"
#include "common/core/text/letters.h"
#include "common/core/text/text_encoding.h"
#include "viewer/core/kwic_lines.h"

namespace undertext::cli {

// Each sub-command's options as the command line sets them, already typed and
// checked against their ranges and choices (see command_declarations.h). The
// positional words are left to the command, which says what it takes.

struct ModulesOptions {
    std::vector<std::string> positional{};  // none taken
    std::optional<std::filesystem::path> dictDir{};

    bool operator==(const ModulesOptions&) const = default;
};

struct CreateOptions {
    std::vector<std::string> positional{};  // the phrase
    std::optional<Language> language{};     // default: the one of the first character
    std::vector<std::string> modules{};     // empty: the default module of the language
    std::optional<std::filesystem::path> dictDir{};
    int variants = 1;  // 1 or more
    std::optional<std::filesystem::path> save{};
    std::optional<TextEncoding> encoding{};  // of the results file; nullopt: Windows-1251

    bool operator==(const CreateOptions&) const = default;
};

// What a run over many texts takes beside each command's own options. A run with
// one text named and none of these is a single run, as the windows make.
struct CorpusOptions {
    std::optional<std::string> filesFrom{};  // a list of paths, one a line; "-": standard input
    std::optional<std::filesystem::path> summary{};
    unsigned jobs = 0;       // texts in parallel; 0: the number of cores
    bool quiet = false;      // no progress
    bool noReports = false;  // the summary only: no reports beside the texts

    bool operator==(const CorpusOptions&) const = default;
};

struct EmbedOptions {
    std::vector<std::string> positional{};  // the texts: files and folders
    std::optional<Language> language{};     // default: guessed from the letters
    std::vector<std::string> modules{};     // empty: the default module of the language
    std::optional<std::filesystem::path> dictDir{};
    // The largest set of reports written; 0: no limit.
    std::uint64_t maxReportSize = kLargeReportSetBytes;
    bool wait = false;                       // for another run on the same text rather than refuse
    std::optional<TextEncoding> encoding{};  // nullopt: detected
    // The significance file is written with --significance or --model; the model's
    // order is --model's, else 1.
    bool significance = false;
    std::optional<int> model{};
    CorpusOptions corpus{};

    bool operator==(const EmbedOptions&) const = default;
};

struct EchoscanOptions {
    std::vector<std::string> positional{};  // the texts: files and folders
    std::optional<Language> language{};     // default: guessed from the letters
    // The fragment lengths as given: the job reads them as the window's boxes and
    // refuses what is no length, with its own message.
    std::string minLength = "4";
    std::string maxLength = "40";
    // The largest set of reports written; 0: no limit.
    std::uint64_t maxReportSize = kLargeReportSetBytes;
    bool wait = false;                       // for another run on the same text rather than refuse
    std::optional<TextEncoding> encoding{};  // nullopt: detected
    CorpusOptions corpus{};
    // The fragments shared across the texts, into the summary alone; with
    // allLengths also those absorbed by longer shared fragments.
    bool across = false;
    bool allLengths = false;

    bool operator==(const EchoscanOptions&) const = default;
};

inline constexpr std::size_t kMaxKwicWidth = 1'000'000;

struct KwicOptions {
    std::vector<std::string> positional{};  // the text file
    std::optional<std::string> word{};      // one of word and fragment, never empty
    std::optional<std::string> fragment{};
    std::optional<Language> language{};      // default: guessed from the letters
    std::size_t width = kDefaultKwicWidth;   // at most kMaxKwicWidth
    std::optional<TextEncoding> encoding{};  // nullopt: detected
    std::optional<std::string> filesFrom{};  // more texts, listed one a line; "-": standard input

    bool operator==(const KwicOptions&) const = default;
};

struct SummaryOptions {
    std::vector<std::string> positional{};  // embed or echoscan, then the texts
    std::optional<Language> language{};     // embed's; default: guessed from the letters
    // embed's significance columns, as EmbedOptions takes them, with the modules
    // the runs were made with (for the family of words tested).
    bool significance = false;
    std::optional<int> model{};
    std::vector<std::string> modules{};  // empty: the default module of the language
    std::optional<std::filesystem::path> dictDir{};
    std::string minLength = "4";  // echoscan's range, as its runs were given it
    std::string maxLength = "40";
    std::optional<TextEncoding> encoding{};  // nullopt: detected
    CorpusOptions corpus{};                  // --summary is required

    bool operator==(const SummaryOptions&) const = default;
};

struct ViewOptions {
    std::vector<std::string> positional{};  // the report or summary

    bool operator==(const ViewOptions&) const = default;
};

// The options of the sub-command a command line chose.
using CommandOptions = std::variant<ModulesOptions, CreateOptions, EmbedOptions, EchoscanOptions,
                                    KwicOptions, SummaryOptions, ViewOptions>;

}  // namespace undertext::cli
