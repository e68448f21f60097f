#include "cli/command_line.h"

#include <CLI/CLI.hpp>

#include <iostream>
#include <map>

#include "cli/commands.h"
#include "common/core/version.h"

namespace undertext::cli {
namespace {

struct OptionSpec {
    const char* name;
    const char* value;
    const char* help;
};

struct CommandSpec {
    const char* name;
    const char* operand;  // the positional word's name; nullptr when the command takes none
    const char* operandHelp;
    const char* summary;  // one line in the list of commands
    const char* description;
    std::vector<OptionSpec> options;
    Command run;
};

// Help texts are wrapped to fit 80 columns beside the option names.
constexpr OptionSpec kLang{"--lang", "ru|en", "the language (default: guessed from the\nletters)"};
constexpr OptionSpec kModules{"--modules", "NAME[,NAME...]",
                              "the dictionary modules (default: the default\nmodule of the "
                              "language, COMMON.DIC or\nCOMMON_E.DIC)"};
constexpr OptionSpec kEncoding{
    "--encoding", "auto|windows-1251|utf-8|utf-16|koi8-r|cp866",
    "the text's encoding (default: auto, detected;\nthe files written beside it take it too)"};
constexpr OptionSpec kDictDir{"--dict-dir", "DIR",
                              "the folder of the modules (default: the\ncurrent folder when it "
                              "holds any, else\n~/.local/share/undertext, else the\ninstalled "
                              "default modules)"};

const std::vector<CommandSpec>& commandSpecs() {
    static const std::vector<CommandSpec> specs{
        {"modules",
         nullptr,
         nullptr,
         "list the dictionary modules with their word counts",
         "Lists the dictionary modules (*.dic) in DIR with their word counts and\n"
         "encodings and names the default modules COMMON.DIC and COMMON_E.DIC.",
         {kDictDir},
         runModulesCommand},
        {"create",
         "PHRASE",
         "the phrase (UTF-8, at most 80 characters)",
         "synthesise the hidden component of a phrase",
         "Synthesises the hidden component of PHRASE (UTF-8, at most 80 characters),\n"
         "prints N variants, one a line, and writes the results file FILE with the last\n"
         "of them.",
         {{"--lang", "ru|en", "the language (default: the one of the\nfirst character)"},
          kModules,
          kDictDir,
          {"--variants", "N", "how many variants to print (default 1)"},
          {"--save", "FILE", "write the results file FILE"},
          {"--encoding", "windows-1251|utf-8|...",
           "the encoding of the results file (default:\nWindows-1251)"}},
         runCreateCommand},
        {"embed",
         "FILE",
         "the text (its encoding detected, see --encoding)",
         "find the dictionary words embedded in a text",
         "Finds the dictionary words embedded in the text FILE and writes its four\n"
         "reports FILE_Emb.txt, FILE_EmbSortByFriq.txt, FILE_EmbSortByLen.txt and\n"
         "FILE_EmbSortByAlf.txt beside it.",
         {kLang, kModules, kDictDir, kEncoding},
         runEmbedCommand},
        {"echoscan",
         "FILE",
         "the text (its encoding detected, see --encoding)",
         "find the fragments of a text that recur",
         "Finds the fragments of the text FILE that recur and writes FILE_RecPrep.txt\n"
         "and FILE_RecSortByLen.txt, FILE_RecSortByAlf.txt, FILE_RecSortByFriq.txt\n"
         "beside it.",
         {kLang,
          {"--min", "N", "the shortest fragment (default 4)"},
          {"--max", "N", "the longest fragment (default 40)"},
          kEncoding},
         runEchoscanCommand},
        {"kwic",
         "FILE",
         "the text (its encoding detected, see --encoding)",
         "show each occurrence of a word or a fragment in its context",
         "Prints each occurrence of the word W as Embed counts it (letters lowered; not\n"
         "where W is a whole word of the text) or of the fragment F as Echoscan counts\n"
         "it (prepared as the text is), one line each in text order: its position, N\n"
         "characters on its left, the occurrence, N characters on its right, with tabs\n"
         "between, in UTF-8. Positions count the characters of the decoded text.\n"
         "Nothing is printed when there is no occurrence.",
         {{"--word", "W", "the word (one of --word and --fragment)"},
          {"--fragment", "F", "the fragment"},
          kLang,
          {"--width", "N", "characters of context on each side\n(default 40)"},
          {"--encoding", kEncoding.value, "the text's encoding (default: auto, detected)"}},
         runKwicCommand},
    };
    return specs;
}

constexpr const char* kDescription =
    "Runs the jobs of the Undertext programs from a shell. Texts and modules may be\n"
    "Windows-1251, UTF-8, UTF-16, KOI8-R or CP866 (detected); reports take the\n"
    "encoding of their text. Messages are printed in UTF-8.";
constexpr const char* kExitStatuses =
    "Exit status: 0 done, 1 refused or a file error, 2 a usage error.";

CommandLine usageError(const std::string& message) {
    printError(message);
    return {nullptr, {}, kExitUsage};
}

}  // namespace

CommandLine parseCommandLine(const std::vector<std::string>& args) {
    CLI::App app{kDescription, "undertext"};
    app.footer(std::string("Each command's options: undertext COMMAND --help.\n") + kExitStatuses);
    app.allow_extras();
    app.set_version_flag("--version", std::string("undertext ") + kVersion);

    struct Parsed {
        const CommandSpec* spec;
        CLI::App* app;
        std::vector<std::string> positional;
        std::map<std::string, std::string> values;
    };
    std::vector<Parsed> parsed;
    parsed.reserve(commandSpecs().size());  // the options keep pointers into the entries
    for (const auto& spec : commandSpecs()) {
        auto& entry = parsed.emplace_back(Parsed{&spec, nullptr, {}, {}});
        entry.app = app.add_subcommand(spec.name, spec.summary);
        entry.app->allow_extras();
        entry.app->footer(std::string(spec.description) + "\n\n" + kExitStatuses);
        if (spec.operand != nullptr) {
            entry.app->add_option(spec.operand, entry.positional, spec.operandHelp)->type_name("");
        }
        for (const auto& option : spec.options) {
            entry.app->add_option(option.name, entry.values[option.name], option.help)
                ->type_name(option.value)
                ->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);
        }
    }
    const auto chosen = [&]() -> Parsed* {
        for (auto& entry : parsed) {
            if (entry.app->parsed()) {
                return &entry;
            }
        }
        return nullptr;
    };

    try {
        std::vector<std::string> reversed(args.rbegin(), args.rend());
        app.parse(reversed);
    } catch (const CLI::CallForHelp&) {
        std::cout << app.help();  // the chosen command's help when there is one
        return {nullptr, {}, kExitOk};
    } catch (const CLI::CallForVersion& version) {
        std::cout << version.what() << '\n';
        return {nullptr, {}, kExitOk};
    } catch (const CLI::ParseError& error) {
        const auto* entry = chosen();
        return usageError(error.what() + std::string(" (see undertext ") +
                          (entry ? std::string(entry->spec->name) + " " : "") + "--help)");
    }

    for (const auto& word : app.remaining()) {
        if (word != "--") {
            return usageError(word.starts_with("-")
                                  ? "unknown option " + word.substr(0, word.find('='))
                                  : "unknown command " + word + " (see undertext --help)");
        }
    }
    auto* entry = chosen();
    if (entry == nullptr) {
        std::cerr << app.help();  // no command given
        return {nullptr, {}, kExitUsage};
    }
    // What CLI11 left of the command's part: the "--" that ended its options,
    // options no one knows, and the words of a command that takes none (the
    // command refuses them).
    for (auto& word : entry->app->remaining()) {
        if (word == "--") {
            continue;
        }
        if (word.starts_with("-")) {
            return usageError("unknown option " + word.substr(0, word.find('=')) +
                              " (see undertext " + entry->spec->name + " --help)");
        }
        entry->positional.push_back(std::move(word));
    }
    CommandLine line{entry->spec->run, {std::move(entry->positional), {}}, kExitOk};
    for (const auto& option : entry->spec->options) {
        if (entry->app->count(option.name) > 0) {
            line.arguments.options[option.name] = entry->values[option.name];
        }
    }
    return line;
}

}  // namespace undertext::cli
