#include <optional>
#include <string>
#include <vector>

#include "cli/commands.h"
#include "cli/corpus_run.h"
#include "cli/embed_request.h"
#include "cli/family_sizes.h"
#include "cli/module_folder.h"
#include "cli/shared_modules.h"
#include "cli/summary_output.h"
#include "common/core/dictionary/dictionary_modules.h"
#include "corpus/core/echoscan_summary.h"
#include "corpus/core/embed_summary.h"
#include "corpus/core/report_summary.h"
#include "echoscan/core/fragment_lengths.h"

namespace undertext::cli {
namespace {

// The Embed records read back from the reports and, for the significance columns,
// completed with the size of the family of words their modules test.
class EmbedRecords {
  public:
    EmbedRecords(const SummaryOptions& options, std::optional<int> modelOrder,
                 const std::filesystem::path& startFolder)
        : options_(options),
          modelOrder_(modelOrder),
          startFolder_(startFolder),
          modules_(startFolder),
          families_(modelOrder.value_or(embed::kDefaultModelOrder)) {}

    Result<corpus::EmbedTextRecord> operator()(const std::filesystem::path& path) {
        auto record =
            corpus::embedRecordFromReports(path, options_.language, options_.encoding, modelOrder_);
        if (!record || !modelOrder_) {
            return record;
        }
        embed::EmbedRequest request;
        request.language = record->language;
        request.startFolder = startFolder_;
        request.selectedModules = embedModulesFor(record->language, options_.modules, startFolder_);
        if (noModuleSelected(request.selectedModules)) {
            return Result<corpus::EmbedTextRecord>::failure(
                embedRefusalText(kChooseModulesMessage, request));
        }
        const auto modules = modules_.load(request.selectedModules);
        if (!modules->words) {
            return Result<corpus::EmbedTextRecord>::failure(modules->words.error());
        }
        record->familySize =
            families_.of(record->language, modules->words.value(), *modules->order);
        return record;
    }

  private:
    const SummaryOptions& options_;
    std::optional<int> modelOrder_;
    const std::filesystem::path& startFolder_;
    SharedModules modules_;
    FamilySizes families_;
};

}  // namespace

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
    const auto modelOrder = significanceOrder(options.significance, options.model);
    if (!embed && modelOrder) {
        printError("--significance and --model are embed's (see undertext summary --help)");
        return kExitUsage;
    }
    const auto lengths = echoscan::checkFragmentLengths(options.minLength, options.maxLength);
    if (!embed && !lengths) {
        printError(lengths.error());
        return kExitRefused;
    }
    const auto startFolder = modelOrder ? moduleFolder(options.dictDir) : std::filesystem::path();
    if (modelOrder) {
        if (const auto problem = moduleFolderProblem(startFolder)) {
            printError(*problem);
            return kExitRefused;
        }
    }
    EmbedRecords embedRecords(options, modelOrder, startFolder);
    corpus::EmbedSummary embedSummary(
        modelOrder, options.corpus.jobs > 0 ? options.corpus.jobs : corpus::defaultWorkers());
    corpus::EchoscanSummary echoscanSummary;
    corpus::TermSummary& summary =
        embed ? static_cast<corpus::TermSummary&>(embedSummary) : echoscanSummary;
    const std::vector<std::string> paths(words.begin() + 1, words.end());
    return runCorpusCommand(
        paths, options.corpus, WritesBesideTexts::No, summary,
        [&](std::size_t index, const std::filesystem::path& path, JobControl&) {
            if (embed) {
                return addRecord(embedSummary, index, embedRecords(path));
            }
            return addRecord(echoscanSummary, index,
                             corpus::echoscanRecordFromReports(path, lengths->shortest,
                                                               lengths->longest, options.encoding));
        });
}

}  // namespace undertext::cli
