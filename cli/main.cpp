#include <iostream>
#include <string>
#include <vector>

#include "cli/cli_support.h"
#include "cli/commands.h"

namespace {

using Command = int (*)(const std::vector<std::string>&);

struct SubCommand {
    const char* name;
    Command run;
};

constexpr SubCommand kSubCommands[] = {
    {"modules", undertext::cli::runModulesCommand},
    {"create", undertext::cli::runCreateCommand},
    {"embed", undertext::cli::runEmbedCommand},
    {"echoscan", undertext::cli::runEchoscanCommand},
};

constexpr const char* kUsage = R"(Usage: undertext COMMAND [ARGS...]

Runs the jobs of the Undertext programs from a shell. Texts, modules and reports
are Windows-1251 files; messages are printed in UTF-8.

Commands:
  modules [--dict-dir DIR]   list the dictionary modules (*.dic) in DIR with their
                             word counts, and name the default modules COMMON.DIC
                             and COMMON_E.DIC
  create PHRASE [--lang ru|en] [--modules NAME[,NAME...]] [--dict-dir DIR]
         [--variants N] [--save FILE]
                             synthesise the hidden component of PHRASE (UTF-8, at
                             most 80 characters) with the modules in DIR (by
                             default the module of the language, which the first
                             character chooses); print N variants (default 1),
                             one a line, and write the results file FILE with
                             the last of them
  embed FILE [--lang ru|en] [--modules NAME[,NAME...]] [--dict-dir DIR]
                             find the dictionary words embedded in the text FILE
                             and write its four reports (FILE_Emb.txt,
                             FILE_EmbSortByFriq.txt, FILE_EmbSortByLen.txt,
                             FILE_EmbSortByAlf.txt) beside it; the modules lie in
                             DIR; the language is guessed from the letters, the
                             modules default to that language's default module
  echoscan FILE [--lang ru|en] [--min N] [--max N]
                             find the fragments of FILE that recur, --min to
                             --max characters long (default 4 to 40; language
                             guessed from the letters); writes FILE_RecPrep.txt
                             and FILE_RecSortByLen/Alf/Friq.txt beside FILE

Without --dict-dir, the modules come from the current folder when it holds any,
else from the user's folder ${XDG_DATA_HOME:-~/.local/share}/undertext, else from
the installed default modules; a folder other than the current one is named.

Options:
  --help      show this text
  --version   show the version

Exit status: 0 done, 1 refused or a file error, 2 a usage error.
)";

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty()) {
        std::cerr << kUsage;
        return undertext::cli::kExitUsage;
    }
    if (args[0] == "--help" || args[0] == "-h") {
        std::cout << kUsage;
        return undertext::cli::kExitOk;
    }
    if (args[0] == "--version") {
        std::cout << "undertext 2.1\n";
        return undertext::cli::kExitOk;
    }
    for (const auto& command : kSubCommands) {
        if (args[0] == command.name) {
            return command.run({args.begin() + 1, args.end()});
        }
    }
    undertext::cli::printError("unknown command " + args[0] + " (see undertext --help)");
    return undertext::cli::kExitUsage;
}
