#include <filesystem>
#include <iostream>

#include "cli/cli_support.h"
#include "cli/commands.h"
#include "common/core/file_io.h"
#include "echoscan/core/fragment_reports.h"
#include "echoscan/core/fragment_search_job.h"
#include "echoscan/core/fragment_text.h"

namespace undertext::cli {
namespace {

using namespace undertext::echoscan;

// The job's progress on the terminal bar and its messages on standard error.
class ShellRun final : public JobControl {
  public:
    void progress(int percent) override { bar_.progress(percent); }
    void showMessage(const std::string& message) override { printError(message); }
    bool stopPoint() override { return false; }

  private:
    TerminalProgress bar_;
};

}  // namespace

int runEchoscanCommand(const Arguments& arguments) {
    if (arguments.positional.size() != 1) {
        printError("echoscan takes one FILE (see undertext --help)");
        return kExitUsage;
    }
    const std::filesystem::path file = arguments.positional.front();
    const auto forced = encodingOption(arguments);
    if (!forced) {
        printError(forced.error());
        return kExitUsage;
    }
    const auto* lang = arguments.option("--lang");
    auto language = lang ? languageOption(*lang) : Language::Russian;
    if (!language) {
        printError("--lang takes ru or en");
        return kExitUsage;
    }
    const auto* minText = arguments.option("--min");
    const auto* maxText = arguments.option("--max");
    FragmentSearchRequest request{file.filename().string(),
                                  file.has_parent_path() ? file.parent_path() : ".",
                                  *language,
                                  minText ? *minText : "4",
                                  maxText ? *maxText : "40",
                                  forced.value()};
    // A text that cannot be read is left to the job, which reports it. Otherwise the
    // job reads it in the encoding found here, and without --lang the language is
    // the one whose decoded letters the text holds more of.
    if (const auto text = readSourceText(file, forced.value())) {
        request.encoding = text->encoding.encoding;
        request.language = lang ? *language : guessLanguage(text->cp1251);
    }

    FragmentSearchEnd end;
    {
        ShellRun run;
        end = fragmentSearchJob(request, run);
    }
    if (end != FragmentSearchEnd::Completed) {
        return kExitRefused;
    }
    const auto written = [&](const char* suffix) {
        std::cout << displayPath(request.sourceFolder / (request.sourceName + suffix)) << "\n";
    };
    written(kFragmentTextSuffix);
    for (const auto report :
         {FragmentReport::ByLength, FragmentReport::Alphabetical, FragmentReport::ByFrequency}) {
        written(fragmentReportSuffix(report));
    }
    return kExitOk;
}

}  // namespace undertext::cli
