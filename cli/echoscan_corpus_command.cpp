#include "cli/commands.h"
#include "cli/corpus_run.h"
#include "cli/summary_output.h"
#include "cli/text_run.h"
#include "corpus/core/echoscan_summary.h"
#include "echoscan/core/echoscan_job.h"
#include "echoscan/core/fragment_lengths.h"

namespace undertext::cli {
namespace {

using corpus::TextEnd;

// One text's run: its job and, for the summary, the record of what it found.
class EchoscanTextWork {
  public:
    explicit EchoscanTextWork(const EchoscanOptions& options) : options_(options) {}

    TextEnd operator()(std::size_t index, const std::filesystem::path& path, JobControl& control) {
        TextRun run(path);
        if (auto refused = run.open(options_.encoding, options_.wait)) {
            return *refused;
        }
        const echoscan::EchoscanRequest request{
            path.filename().string(),
            path.has_parent_path() ? path.parent_path() : ".",
            options_.language ? *options_.language : guessLanguage(run.text().cp1251),
            options_.minLength,
            options_.maxLength,
            &run.text(),
            options_.encoding,
            reportSizeLimit(options_.maxReportSize),
            !options_.corpus.noReports};
        const auto outcome = echoscan::echoscanJob(request, control);
        switch (outcome.ending) {
            case JobEnding::Completed:
                return options_.corpus.summary ? addToSummary(index, path, outcome.results)
                                               : TextEnd::done();
            case JobEnding::Stopped:
                return TextEnd::stopped();
            case JobEnding::NothingFound:
            case JobEnding::Refused:
            case JobEnding::Failed:
                break;
        }
        return TextEnd::failed(outcome.message);
    }

    corpus::EchoscanSummary& summary() { return summary_; }

  private:
    TextEnd addToSummary(std::size_t index, const std::filesystem::path& path,
                         const echoscan::EchoscanResults& results) {
        return addRecord(
            summary_, index,
            corpus::echoscanTextRecord(displayPath(path), results.fragmentText, results.fragments));
    }

    const EchoscanOptions& options_;
    corpus::EchoscanSummary summary_;
};

}  // namespace

int runEchoscanCorpus(const EchoscanOptions& options) {
    // The lengths are checked once for all the texts, before any is worked on.
    const auto lengths = echoscan::checkFragmentLengths(options.minLength, options.maxLength);
    if (!lengths) {
        printError(lengths.error());
        return kExitRefused;
    }
    if (options.across) {
        return runEchoscanAcross(options, lengths.value());
    }
    EchoscanTextWork work(options);
    return runCorpusCommand(options.positional, options.corpus, WritesBesideTexts::Yes,
                            work.summary(),
                            [&](std::size_t index, const std::filesystem::path& path,
                                JobControl& control) { return work(index, path, control); });
}

}  // namespace undertext::cli
