#include "viewer/core/summary_by_text.h"

#include <charconv>

namespace undertext {
namespace {

constexpr std::string_view kWordsHeader = "text\tword\tcount";
constexpr std::string_view kFragmentsHeader = "text\tfragment\tcount";
constexpr std::string_view kAcrossHeader = "text\tfragment\tcount\tfirst_position";
enum Field { Text, Term, Count, FirstPosition };

std::optional<std::uint64_t> positiveNumber(std::string_view text) {
    std::uint64_t value = 0;
    if (!isWholeNumber(text)) {
        return std::nullopt;
    }
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value > 0 ? std::optional(value) : std::nullopt;
}

// Reads the lines after the header into table.
class ByTextLines {
  public:
    explicit ByTextLines(SummaryByText& table) : table_(table) {}

    bool take(std::string_view line) {
        const auto fields = tabFields(line);
        if (fields.size() != (table_.acrossTexts ? 4u : 3u) || fields[Text].empty() ||
            fields[Term].empty()) {
            return false;
        }
        const auto count = positiveNumber(fields[Count]);
        const auto first =
            table_.acrossTexts ? positiveNumber(fields[FirstPosition]) : std::nullopt;
        if (!count || (table_.acrossTexts && !first)) {
            return false;
        }
        table_.counts[std::string(fields[Term])].push_back(
            {textIndex(fields[Text]), *count, first});
        return true;
    }

  private:
    std::size_t textIndex(std::string_view text) {
        const auto [place, added] = indices_.try_emplace(std::string(text), table_.texts.size());
        if (added) {
            table_.texts.emplace_back(text);
        }
        return place->second;
    }

    SummaryByText& table_;
    std::unordered_map<std::string, std::size_t> indices_;
};

}  // namespace

std::filesystem::path summaryByTextPath(const std::filesystem::path& summary) {
    auto byText = summary;
    if (summary.has_extension()) {
        byText.replace_extension(".by-text" + summary.extension().string());
    } else {
        byText += ".by-text";
    }
    return byText;
}

SummaryByTextReading readSummaryByText(std::string_view utf8, SummaryTerms terms) {
    SummaryByText table;
    ByTextLines lines(table);
    const auto badLine = forEachLine(utf8, [&](std::string_view line, std::size_t number) {
        if (number > 1) {
            return lines.take(line);
        }
        table.acrossTexts = line == kAcrossHeader;
        return line == (terms == SummaryTerms::Words ? kWordsHeader : kFragmentsHeader) ||
               (terms == SummaryTerms::Fragments && table.acrossTexts);
    });
    if (utf8.empty() || badLine != 0) {
        return {std::nullopt, utf8.empty() ? 1 : badLine};
    }
    return {std::move(table), 0};
}

}  // namespace undertext
