#include "cli/command_declarations.h"

#include <limits>
#include <string>
#include <utility>
#include <vector>

#include "cli/option_checks.h"

namespace undertext::cli {
namespace {

// Help texts are wrapped to fit 80 columns beside the option names.
constexpr const char* kGuessedLanguageHelp = "the language (default: guessed from the\nletters)";
constexpr const char* kEncodingNames = "auto|windows-1251|utf-8|utf-16|koi8-r|cp866";
constexpr const char* kTextEncodingHelp =
    "the text's encoding (default: auto, detected;\nthe files written beside it take it too)";

CLI::App* addCommand(CLI::App& tool, const char* name, const char* summary,
                     const char* description) {
    auto* command = tool.add_subcommand(name, summary);
    // Unknown options and words a command takes none of are refused by the tool,
    // in its own words.
    command->allow_extras();
    command->footer(std::string(description) + "\n\n" + kExitStatuses);
    command->option_defaults()->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);
    return command;
}

void addOperand(CLI::App& command, const char* name, const char* help,
                std::vector<std::string>& words) {
    command.add_option(name, words, help)->type_name("");
}

// A command that works on a text file, named by its one positional word.
CLI::App* addTextCommand(CLI::App& tool, const char* name, const char* summary,
                         const char* description, std::vector<std::string>& file) {
    auto* command = addCommand(tool, name, summary, description);
    addOperand(*command, "FILE", "the text (its encoding detected, see --encoding)", file);
    return command;
}

void addLanguage(CLI::App& command, std::optional<Language>& language, const char* help) {
    static const std::vector<std::pair<std::string, Language>> kLanguages{
        {"ru", Language::Russian}, {"en", Language::English}};
    command.add_option("--lang", language, help)
        ->type_name("ru|en")
        ->transform(oneOf(kLanguages, "--lang takes ru or en"));
}

void addModules(CLI::App& command, std::vector<std::string>& modules) {
    // Each --modules takes one value (the words after it are the command's), split
    // at its commas, empty names dropped. The list is stored as the option is
    // parsed, so a later --modules replaces it rather than adding to it.
    command
        .add_option("--modules", modules,
                    "the dictionary modules (default: the default\nmodule of the language, "
                    "COMMON.DIC or\nCOMMON_E.DIC)")
        ->type_name("NAME[,NAME...]")
        ->delimiter(',')
        ->expected(1)
        ->allow_extra_args(false)
        ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll)
        ->trigger_on_parse();
}

void addDictDir(CLI::App& command, std::optional<std::filesystem::path>& dictDir) {
    command
        .add_option("--dict-dir", dictDir,
                    "the folder of the modules (default: the\ncurrent folder when it holds any, "
                    "else\n~/.local/share/undertext, else the\ninstalled default modules)")
        ->type_name("DIR");
}

// "auto" leaves the encoding to detection: it becomes an empty value, which CLI11
// reads into an empty optional. The others name an encoding by its number.
void addEncoding(CLI::App& command, std::optional<TextEncoding>& encoding, const char* valueName,
                 const char* help) {
    std::vector<std::pair<std::string, std::string>> choices{{"auto", ""}};
    std::string message = "--encoding takes one of auto";
    for (const auto& choice : kEncodingChoices) {
        choices.emplace_back(choice.option, std::to_string(static_cast<int>(choice.encoding)));
        message += ", " + std::string(choice.option);
    }
    command.add_option("--encoding", encoding, help)
        ->type_name(valueName)
        ->transform(oneOf(choices, message));
}

void addMaxReportSize(CLI::App& command, std::uint64_t& bytes) {
    command
        .add_option("--max-report-size", bytes,
                    "the largest set of reports written (default\n1G; 0: no limit)")
        ->type_name("SIZE[K|M|G]")
        ->transform(refusing(sizeInBytes(),
                             "--max-report-size takes a size in bytes, with K, M or G after it "
                             "for KiB, MiB or GiB"));
}

void addWait(CLI::App& command, bool& wait) {
    command.add_flag("--wait", wait,
                     "wait for another run on the same text to end\n(default: refuse)");
}

// The options of a run over many texts (see CorpusOptions).
void addLengths(CLI::App& command, std::string& minLength, std::string& maxLength) {
    command.add_option("--min", minLength, "the shortest fragment (default 4)")->type_name("N");
    command.add_option("--max", maxLength, "the longest fragment (default 40)")->type_name("N");
}

void addFilesFrom(CLI::App& command, std::optional<std::string>& filesFrom) {
    command
        .add_option("--files-from", filesFrom,
                    "also the texts listed in LIST, one path a\nline (-: standard input)")
        ->type_name("LIST")
        ->check(refusing(nonEmpty(), "--files-from takes a list file"));
}

void addCorpusOptions(CLI::App& command, CorpusOptions& corpus) {
    addFilesFrom(command, corpus.filesFrom);
    command
        .add_option("--summary", corpus.summary,
                    "write the corpus summary FILE and its\nby-text file beside it (UTF-8, tabs)")
        ->type_name("FILE")
        ->check(refusing(nonEmpty(), "--summary takes a file"));
    command.add_option("-j,--jobs", corpus.jobs, "texts worked on at once (default: the\ncores)")
        ->type_name("N")
        ->transform(refusing(wholeNumberIn(1U, 1024U), "-j takes a whole number from 1 to 1024"));
    command.add_flag("--quiet", corpus.quiet, "no progress on standard error");
}

void addNoReports(CLI::App& command, CorpusOptions& corpus) {
    command.add_flag("--no-reports", corpus.noReports,
                     "with --summary: write the summary only, no\nreports beside the texts");
}

void addSignificance(CLI::App& command, bool& significance, std::optional<int>& model,
                     const char* help) {
    command.add_flag("--significance", significance, help);
    command
        .add_option("--model", model,
                    "the letter model's order for --significance\n(default 1; implies "
                    "--significance)")
        ->type_name("0|1|2")
        ->transform(refusing(wholeNumberIn(0, 2), "--model takes 0, 1 or 2"));
}

}  // namespace

CLI::App* declareCommand(CLI::App& tool, ModulesOptions& options) {
    auto* command =
        addCommand(tool, "modules", "list the dictionary modules with their word counts",
                   "Lists the dictionary modules (*.dic) in DIR with their word counts and\n"
                   "encodings and names the default modules COMMON.DIC and COMMON_E.DIC.");
    addDictDir(*command, options.dictDir);
    return command;
}

CLI::App* declareCommand(CLI::App& tool, CreateOptions& options) {
    auto* command =
        addCommand(tool, "create", "synthesise the hidden component of a phrase",
                   "Synthesises the hidden component of PHRASE (UTF-8, at most 80 characters),\n"
                   "prints N variants, one a line, and writes the results file FILE with the last\n"
                   "of them.");
    addOperand(*command, "PHRASE", "the phrase (UTF-8, at most 80 characters)", options.positional);
    addLanguage(*command, options.language,
                "the language (default: the one of the\nfirst character)");
    addModules(*command, options.modules);
    addDictDir(*command, options.dictDir);
    command->add_option("--variants", options.variants, "how many variants to print (default 1)")
        ->type_name("N")
        ->transform(refusing(wholeNumberIn(1, std::numeric_limits<int>::max()),
                             "--variants takes a whole number of 1 or more"));
    command->add_option("--save", options.save, "write the results file FILE")->type_name("FILE");
    addEncoding(*command, options.encoding, "windows-1251|utf-8|...",
                "the encoding of the results file (default:\nWindows-1251)");
    return command;
}

CLI::App* declareCommand(CLI::App& tool, EmbedOptions& options) {
    auto* command = addTextCommand(
        tool, "embed", "find the dictionary words embedded in a text",
        "Finds the dictionary words embedded in the text FILE and writes its four\n"
        "reports FILE_Emb.txt, FILE_EmbSortByFriq.txt, FILE_EmbSortByLen.txt and\n"
        "FILE_EmbSortByAlf.txt beside it. With --significance it also writes\n"
        "FILE_EmbSignificance.tsv (UTF-8): for each word found, its expected count\n"
        "under a letter model of the text and whether it is there by chance.\n"
        "Several texts, folders (searched for *.txt) and --files-from lists are\n"
        "worked on in parallel, each text as alone; --summary adds the corpus summary.",
        options.positional);
    addLanguage(*command, options.language, kGuessedLanguageHelp);
    addModules(*command, options.modules);
    addDictDir(*command, options.dictDir);
    addEncoding(*command, options.encoding, kEncodingNames, kTextEncodingHelp);
    addSignificance(*command, options.significance, options.model,
                    "also write FILE_EmbSignificance.tsv (with\n--summary: also the summary's "
                    "expected,\nratio and q)");
    addMaxReportSize(*command, options.maxReportSize);
    addWait(*command, options.wait);
    addCorpusOptions(*command, options.corpus);
    addNoReports(*command, options.corpus);
    return command;
}

CLI::App* declareCommand(CLI::App& tool, EchoscanOptions& options) {
    auto* command = addTextCommand(
        tool, "echoscan", "find the fragments of a text that recur",
        "Finds the fragments of the text FILE that recur and writes FILE_RecPrep.txt\n"
        "and FILE_RecSortByLen.txt, FILE_RecSortByAlf.txt, FILE_RecSortByFriq.txt\n"
        "beside it. Several texts, folders (searched for *.txt) and --files-from lists\n"
        "are worked on in parallel, each text as alone; --summary adds the corpus\n"
        "summary.",
        options.positional);
    addLanguage(*command, options.language, kGuessedLanguageHelp);
    addLengths(*command, options.minLength, options.maxLength);
    addEncoding(*command, options.encoding, kEncodingNames, kTextEncodingHelp);
    addMaxReportSize(*command, options.maxReportSize);
    addWait(*command, options.wait);
    addCorpusOptions(*command, options.corpus);
    addNoReports(*command, options.corpus);
    command->add_flag("--across", options.across,
                      "with --summary: the fragments shared by two\ntexts or more, no reports");
    command->add_flag("--all-lengths", options.allLengths,
                      "with --across: also the shared fragments\nwithin longer ones");
    return command;
}

CLI::App* declareCommand(CLI::App& tool, KwicOptions& options) {
    auto* command = addTextCommand(
        tool, "kwic", "show each occurrence of a word or a fragment in its context",
        "Prints each occurrence of the word W as Embed counts it (letters lowered; not\n"
        "where W is a whole word of the text) or of the fragment F as Echoscan counts\n"
        "it (prepared as the text is), one line each in text order: its position, N\n"
        "characters on its left, the occurrence, N characters on its right, with tabs\n"
        "between, in UTF-8. Positions count the characters of the decoded text.\n"
        "Nothing is printed when there is no occurrence. Over several texts, folders\n"
        "(searched for *.txt) and --files-from lists, each line starts with the text's path.",
        options.positional);
    command->add_option("--word", options.word, "the word (one of --word and --fragment)")
        ->type_name("W")
        ->check(refusing(nonEmpty(), "--word takes a word"));
    command->add_option("--fragment", options.fragment, "the fragment")
        ->type_name("F")
        ->check(refusing(nonEmpty(), "--fragment takes a fragment"));
    addLanguage(*command, options.language, kGuessedLanguageHelp);
    command
        ->add_option("--width", options.width, "characters of context on each side\n(default 40)")
        ->type_name("N")
        ->transform(refusing(wholeNumberIn<std::size_t>(0, kMaxKwicWidth),
                             "--width takes a whole number of characters from 0 to " +
                                 std::to_string(kMaxKwicWidth)));
    addEncoding(*command, options.encoding, kEncodingNames,
                "the text's encoding (default: auto, detected)");
    addFilesFrom(*command, options.filesFrom);
    return command;
}

CLI::App* declareCommand(CLI::App& tool, SummaryOptions& options) {
    auto* command = addCommand(
        tool, "summary", "combine the reports of runs on many texts into a corpus summary",
        "Reads the frequency reports that runs of embed or echoscan (on this machine or\n"
        "any other) wrote beside each text, and the texts themselves, and writes the\n"
        "corpus summary FILE and its by-text file, as a run over all the texts with\n"
        "--summary writes them. A report that is missing, malformed or made by another\n"
        "version is named and its text left out (status 1).");
    addOperand(*command, "embed|echoscan FILE|DIR...",
               "the command whose reports are read, then the texts", options.positional);
    addLanguage(*command, options.language,
                "embed's language (default: guessed from the\nletters)");
    addSignificance(*command, options.significance, options.model,
                    "embed's: also the columns expected, ratio\nand q, from the texts and the "
                    "modules");
    addModules(*command, options.modules);
    addDictDir(*command, options.dictDir);
    addLengths(*command, options.minLength, options.maxLength);
    addEncoding(*command, options.encoding, kEncodingNames,
                "the texts' encoding (default: auto: for embed\nthe 8-bit one its reports are "
                "written in,\nelse detected)");
    addCorpusOptions(*command, options.corpus);
    return command;
}

CLI::App* declareCommand(CLI::App& tool, ViewOptions& options) {
    auto* command =
        addCommand(tool, "view", "open a report or a corpus summary in the viewer",
                   "Opens FILE, a report of embed or echoscan or a corpus summary (.tsv), in the\n"
                   "report viewer (undertext-view) and returns at once, the viewer running on.");
    addOperand(*command, "FILE", "the report or summary", options.positional);
    return command;
}

}  // namespace undertext::cli
