#include "cli/command_line.h"

#include <CLI/CLI.hpp>

#include <array>
#include <iostream>
#include <utility>

#include "cli/command_declarations.h"
#include "cli/option_checks.h"
#include "common/core/version.h"

namespace undertext::cli {
namespace {

constexpr const char* kDescription =
    "Runs the jobs of the Undertext programs from a shell. Texts and modules may be\n"
    "Windows-1251, UTF-8, UTF-16, UTF-32, KOI8-R or CP866 (detected); reports take\n"
    "the encoding of their text. Messages are printed in UTF-8, control characters\n"
    "shown as cat -v shows them.";

CommandLine usageError(const std::string& message) {
    printError(message);
    return {std::nullopt, kExitUsage};
}

std::vector<std::string>& positionalOf(CommandOptions& options) {
    return std::visit([](auto& chosen) -> std::vector<std::string>& { return chosen.positional; },
                      options);
}

// The words with each "--name=" before any "--" written as "--name" and an empty
// word: CLI11 would take the word after it as its value, and a value given empty
// must be refused as empty by the option's own check.
std::vector<std::string> withEmptyValuesApart(const std::vector<std::string>& args) {
    std::vector<std::string> words;
    bool options = true;
    for (const auto& word : args) {
        options = options && word != "--";
        if (options && word.starts_with("--") && word.find('=') == word.size() - 1) {
            words.push_back(word.substr(0, word.size() - 1));
            words.emplace_back();
            continue;
        }
        words.push_back(word);
    }
    return words;
}

}  // namespace

CommandLine parseCommandLine(const std::vector<std::string>& args) {
    CLI::App app{kDescription, "undertext"};
    app.footer(std::string("Each command's options: undertext COMMAND --help.\n") + kExitStatuses);
    app.allow_extras();
    // One command a line: a command's name after another's (summary embed ...) is
    // one of its words.
    app.require_subcommand(0, 1);
    app.set_version_flag("--version", std::string("undertext ") + kVersion + "\n" + kLicence);

    // The commands in the order of the help; the parse fills in their options.
    std::array<CommandOptions, std::variant_size_v<CommandOptions>> commands{
        ModulesOptions{}, CreateOptions{},  EmbedOptions{}, EchoscanOptions{},
        KwicOptions{},    SummaryOptions{}, ViewOptions{}};
    std::array<CLI::App*, commands.size()> apps{};
    for (std::size_t i = 0; i < commands.size(); ++i) {
        apps[i] =
            std::visit([&](auto& options) { return declareCommand(app, options); }, commands[i]);
    }
    const auto chosen = [&]() -> std::optional<std::size_t> {
        for (std::size_t i = 0; i < apps.size(); ++i) {
            if (apps[i]->parsed()) {
                return i;
            }
        }
        return std::nullopt;
    };

    try {
        const auto words = withEmptyValuesApart(args);
        std::vector<std::string> reversed(words.rbegin(), words.rend());
        app.parse(reversed);
    } catch (const CLI::CallForHelp&) {
        std::cout << app.help();  // the chosen command's help when there is one
        return {std::nullopt, kExitOk};
    } catch (const CLI::CallForVersion& version) {
        std::cout << version.what() << '\n';
        return {std::nullopt, kExitOk};
    } catch (const RefusedValue& refused) {
        return usageError(refused.what());
    } catch (const CLI::ParseError& error) {
        const auto index = chosen();
        return usageError(error.what() + std::string(" (see undertext ") +
                          (index ? apps[*index]->get_name() + " " : "") + "--help)");
    }

    for (const auto& word : app.remaining()) {
        if (word != "--") {
            return usageError(word.starts_with("-")
                                  ? "unknown option " + word.substr(0, word.find('='))
                                  : "unknown command " + word + " (see undertext --help)");
        }
    }
    const auto index = chosen();
    if (!index) {
        std::cerr << app.help();  // no command given
        return {std::nullopt, kExitUsage};
    }
    // What CLI11 left of the command's part: the "--" that ended its options,
    // options no one knows, and the words of a command that takes none (the
    // command refuses them).
    auto& command = commands[*index];
    for (auto& word : apps[*index]->remaining()) {
        if (word == "--") {
            continue;
        }
        if (word.starts_with("-")) {
            return usageError("unknown option " + word.substr(0, word.find('=')) +
                              " (see undertext " + apps[*index]->get_name() + " --help)");
        }
        positionalOf(command).push_back(std::move(word));
    }
    return {std::move(command), kExitOk};
}

}  // namespace undertext::cli
