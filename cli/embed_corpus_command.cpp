#include <optional>

#include "cli/commands.h"
#include "cli/corpus_run.h"
#include "cli/embed_request.h"
#include "cli/family_sizes.h"
#include "cli/module_folder.h"
#include "cli/shared_modules.h"
#include "cli/summary_output.h"
#include "cli/text_run.h"
#include "corpus/core/embed_summary.h"

namespace undertext::cli {
namespace {

using corpus::TextEnd;

// One text's run: its job with the shared modules and, for the summary, the
// record of what it found (with its model when the summary tests significance).
class EmbedTextWork {
  public:
    EmbedTextWork(const EmbedOptions& options, const std::filesystem::path& startFolder)
        : options_(options),
          startFolder_(startFolder),
          modules_(startFolder),
          families_(significanceOrder(options.significance, options.model)
                        .value_or(embed::kDefaultModelOrder)),
          summary_(significanceOrder(options.significance, options.model),
                   options.corpus.jobs > 0 ? options.corpus.jobs : corpus::defaultWorkers()) {}

    TextEnd operator()(std::size_t index, const std::filesystem::path& path, JobControl& control) {
        TextRun run(path);
        if (auto refused = run.open(options_.encoding, options_.wait)) {
            return *refused;
        }
        auto request = embedRequestFor(path, options_, startFolder_, run.text());
        const auto modules = modules_.load(request.selectedModules);
        if (!modules->words) {
            return TextEnd::failed(modules->words.error());
        }
        request.loadedWords = &modules->words.value();
        request.loadedOrder = &*modules->order;
        request.writeReports = !options_.corpus.noReports;
        auto outcome = embed::embedJob(request, control);
        switch (outcome.ending) {
            case JobEnding::Completed:
            case JobEnding::NothingFound:
                return options_.corpus.summary ? addToSummary(index, path, request, outcome.results)
                                               : TextEnd::done();
            case JobEnding::Stopped:
                return TextEnd::stopped();
            case JobEnding::Refused:
            case JobEnding::Failed:
                break;
        }
        return TextEnd::failed(embedRefusalText(outcome.message, request));
    }

    corpus::EmbedSummary& summary() { return summary_; }

  private:
    TextEnd addToSummary(std::size_t index, const std::filesystem::path& path,
                         const embed::EmbedRequest& request, embed::EmbedResults& results) {
        corpus::EmbedTextRecord record{displayPath(path), results.letterCount,
                                       std::move(results.words)};
        if (request.significanceOrder) {
            record.textModel = std::move(results.textModel);
            record.language = request.language;
            record.familySize =
                families_.of(request.language, *request.loadedWords, *request.loadedOrder);
        }
        return addRecord(summary_, index, record);
    }

    const EmbedOptions& options_;
    const std::filesystem::path& startFolder_;
    SharedModules modules_;
    FamilySizes families_;
    corpus::EmbedSummary summary_;
};

}  // namespace

int runEmbedCorpus(const EmbedOptions& options) {
    const auto startFolder = moduleFolder(options.dictDir);
    if (const auto problem = moduleFolderProblem(startFolder)) {
        printError(*problem);
        return kExitRefused;
    }
    EmbedTextWork work(options, startFolder);
    return runCorpusCommand(options.positional, options.corpus, WritesBesideTexts::Yes,
                            work.summary(),
                            [&](std::size_t index, const std::filesystem::path& path,
                                JobControl& control) { return work(index, path, control); });
}

}  // namespace undertext::cli
