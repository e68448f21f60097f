#include <mutex>
#include <string>
#include <vector>

#include "cli/commands.h"
#include "cli/corpus_run.h"
#include "cli/summary_output.h"
#include "corpus/core/echoscan_summary.h"
#include "corpus/core/embed_summary.h"
#include "corpus/core/report_summary.h"
#include "echoscan/core/fragment_lengths.h"

namespace undertext::cli {

int runSummaryCommand(const SummaryOptions& options) {
    const auto& words = options.positional;
    if (words.empty() || (words.front() != "embed" && words.front() != "echoscan")) {
        printError(
            "summary takes embed or echoscan, then the texts (see undertext summary --help)");
        return kExitUsage;
    }
    if (words.size() == 1 && !options.corpus.filesFrom) {
        printError("summary takes the texts whose reports it reads (see undertext summary --help)");
        return kExitUsage;
    }
    if (!options.corpus.summary) {
        printError("summary takes --summary FILE, the summary to write");
        return kExitUsage;
    }
    const bool embed = words.front() == "embed";
    const auto lengths = echoscan::checkFragmentLengths(options.minLength, options.maxLength);
    if (!embed && !lengths) {
        printError(lengths.error());
        return kExitRefused;
    }
    std::mutex adding;
    corpus::EmbedSummary embedSummary;
    corpus::EchoscanSummary echoscanSummary;
    corpus::TermSummary& summary =
        embed ? static_cast<corpus::TermSummary&>(embedSummary) : echoscanSummary;
    const std::vector<std::string> paths(words.begin() + 1, words.end());
    return runCorpusCommand(
        paths, options.corpus, WritesBesideTexts::No, summary,
        [&](std::size_t index, const std::filesystem::path& path, JobControl&) {
            if (embed) {
                return addRecord(
                    embedSummary, adding, index,
                    corpus::embedRecordFromReports(path, options.language, options.encoding));
            }
            return addRecord(echoscanSummary, adding, index,
                             corpus::echoscanRecordFromReports(path, lengths->shortest,
                                                               lengths->longest, options.encoding));
        });
}

}  // namespace undertext::cli
