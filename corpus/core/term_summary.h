#pragma once

#include <cstddef>
#include <filesystem>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "common/core/result.h"
#include "corpus/core/summary_files.h"
#include "corpus/core/term_counts.h"

namespace undertext::corpus {

// What the summaries of words and of fragments share: the counts of their terms
// per text, the by-text table (text, term, count: by text as the run orders them,
// then the highest count first, then the term's bytes) and the writing of both
// files. Texts are added from any thread; the rest once the adds are over.
class TermSummary {
  public:
    virtual ~TermSummary() = default;

    std::size_t textCount() { return table().textCount(); }

    // The work a summary does before it is written, which a stop request cuts
    // short: false then, and the summary is not to be written. None by default.
    virtual bool prepare(const std::function<bool()>& /*stopRequested*/) { return true; }
    virtual void produceSummary(const PieceSink& sink) = 0;
    // Why columns the summary was asked for are left out of it (UTF-8); none by
    // default.
    virtual std::optional<std::string> withheldColumns() const { return std::nullopt; }
    void produceByText(const PieceSink& sink);
    // Both files whole, or neither (writeSummaryFiles).
    Status write(const std::filesystem::path& summary);

  protected:
    explicit TermSummary(std::string termHeading) : termHeading_(std::move(termHeading)) {}

    // Adds a text with its counts (TermCounts::add): from any thread, each adding
    // thread filling a part of the table of its own, so that none waits.
    void addText(std::size_t index, std::string name, std::uint64_t letters,
                 std::span<const TermCounts::TermCount> counts);
    // The whole table, its parts merged into it: once the adds are over.
    TermCounts& table();

  private:
    struct Part {
        std::mutex filling;
        TermCounts table;
    };

    std::string termHeading_;
    TermCounts table_;
    std::mutex choosingPart_;
    std::vector<std::unique_ptr<Part>> parts_;
};

}  // namespace undertext::corpus
