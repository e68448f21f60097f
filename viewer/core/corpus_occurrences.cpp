#include "viewer/core/corpus_occurrences.h"

namespace undertext {

CorpusOccurrences findInTexts(std::vector<TextToSearch> texts, std::string_view fragment,
                              const OccurrenceFinderMaker& makeFinder, std::size_t keep,
                              const std::atomic<bool>& stop) {
    CorpusOccurrences found;
    for (auto& text : texts) {
        if (stop) {
            break;
        }
        auto prepared = std::move(text.prepared);
        if (!prepared) {
            const auto& measured = text.measured;
            prepared = std::make_shared<const PreparedSource>(
                prepareSource(measured.path, measured.encoding, measured.language, makeFinder));
        }
        if (prepared->finder) {
            for (const auto& span : prepared->finder(fragment)) {
                found.lines.push_back(
                    {text.text, kwicLine(prepared->text, span, kDefaultKwicWidth)});
            }
        }
        found.prepared.emplace_back(text.text, std::move(prepared));
        if (found.prepared.size() > keep) {
            found.prepared.erase(found.prepared.begin());
        }
    }
    return found;
}

}  // namespace undertext
