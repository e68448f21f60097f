#include "corpus/core/term_summary.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <deque>
#include <future>
#include <span>
#include <string>
#include <vector>

#include "common/core/text/codepage.h"

namespace undertext::corpus {

void TermSummary::addText(std::size_t index, std::string name, std::uint64_t letters,
                          std::span<const TermCounts::TermCount> counts) {
    std::unique_lock<std::mutex> filling;
    Part* part = nullptr;
    {
        const std::lock_guard choosing(choosingPart_);
        for (const auto& free : parts_) {
            filling = std::unique_lock(free->filling, std::try_to_lock);
            if (filling.owns_lock()) {
                part = free.get();
                break;
            }
        }
        if (part == nullptr) {
            part = parts_.emplace_back(std::make_unique<Part>()).get();
            filling = std::unique_lock(part->filling);
        }
    }
    part->table.add(part->table.addText(index, std::move(name), letters), counts);
}

TermCounts& TermSummary::table() {
    // Only read once merged, so that both tables may be made at once.
    if (!parts_.empty()) {
        // The largest part becomes the table as it is; the others are merged in.
        const auto largest =
            std::max_element(parts_.begin(), parts_.end(), [](const auto& a, const auto& b) {
                return a->table.countCount() < b->table.countCount();
            });
        if (table_.textCount() == 0) {
            std::swap(table_, (*largest)->table);
        }
        for (const auto& part : parts_) {
            table_.merge(std::move(part->table));
        }
        parts_.clear();
    }
    return table_;
}

namespace {

// The terms' fields (UTF-8, made safe), each made once however often it stands,
// side by side in byte order: the order in which a text's rows of one count name
// them.
class TermFields {
  public:
    explicit TermFields(const TermCounts& table) : table_(table) {
        const auto termCount = static_cast<std::uint32_t>(table.termCount());
        std::vector<std::uint32_t> byRank(termCount);
        for (std::uint32_t term = 0; term < termCount; ++term) {
            byRank[table.termRank(term)] = term;
        }
        start_.reserve(termCount + 1);
        for (const auto term : byRank) {
            start_.push_back(fields_.size());
            fields_ += tableField(cp1251ToUtf8(table.term(term)));
        }
        start_.push_back(fields_.size());
    }

    std::string_view of(std::uint32_t term) const {
        const auto rank = table_.termRank(term);
        return std::string_view(fields_).substr(start_[rank], start_[rank + 1] - start_[rank]);
    }

  private:
    const TermCounts& table_;
    std::string fields_;
    std::vector<std::size_t> start_;  // by rank, one more than the terms
};

// The rows of some texts (given by their places in the table), in pieces of the
// size TableLines hands on.
std::vector<std::string> byTextRows(const TermCounts& table, const TermFields& fields,
                                    std::span<const std::uint32_t> texts) {
    std::vector<std::string> rows;
    const PieceSink intoRows = [&](std::string_view piece) { rows.emplace_back(piece); };
    {
        TableLines lines(intoRows);  // hands on its last piece when it goes
        std::vector<TermCounts::Count> counts;
        char digits[24];
        for (const auto text : texts) {
            table.sortedCounts(text, counts);
            const auto name = tableField(table.text(text).name);
            for (const auto& count : counts) {
                const auto end = std::to_chars(digits, digits + sizeof digits, count.count).ptr;
                lines.rowOfSafeFields({name, fields.of(count.term), std::string_view(digits, end)});
            }
        }
    }
    return rows;
}

}  // namespace

void TermSummary::produceByText(const PieceSink& sink) {
    auto& whole = table();
    whole.rankTerms();
    TableLines(sink).row({"text", termHeading_, "count"});
    const TermFields fields(whole);
    // The texts' rows are made in blocks on threads of their own, a few blocks
    // ahead of the one handed on, so that the table takes more than one core
    // while what waits to be handed on stays small.
    constexpr std::size_t kBlockCounts = 1 << 17;
    constexpr std::size_t kBlocksAhead = 2;
    const auto texts = whole.textsByIndex();
    std::size_t next = 0;
    std::deque<std::future<std::vector<std::string>>> made;
    const auto makeNextBlock = [&] {
        const auto first = next;
        std::size_t counts = 0;
        while (next < texts.size() && (next == first || counts < kBlockCounts)) {
            counts += whole.countsIn(texts[next++]);
        }
        made.push_back(std::async(std::launch::async, [&, first, last = next] {
            return byTextRows(whole, fields, std::span(texts).subspan(first, last - first));
        }));
    };
    while (next < texts.size() && made.size() < kBlocksAhead) {
        makeNextBlock();
    }
    while (!made.empty()) {
        const auto rows = made.front().get();
        made.pop_front();
        if (next < texts.size()) {
            makeNextBlock();
        }
        for (const auto& piece : rows) {
            sink(piece);
        }
    }
}

Status TermSummary::write(const std::filesystem::path& summary) {
    // Both tables are then only read, and are produced at once.
    table().rankTerms();
    return writeSummaryFiles(
        summary, [&](const PieceSink& sink) { produceSummary(sink); },
        [&](const PieceSink& sink) { produceByText(sink); });
}

}  // namespace undertext::corpus
