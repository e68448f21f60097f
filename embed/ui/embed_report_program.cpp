#include "embed/ui/embed_report_program.h"

#include <memory>

#include <QCoreApplication>

#include "embed/core/embed_reports.h"
#include "embed/core/significance/significance_table.h"
#include "embed/core/word_locator.h"

namespace undertext::embed {

ui::ReportProgram embedReportProgram(std::function<Language()> language) {
    return {
        QCoreApplication::translate("EmbedReportProgram", "Слово"),
        QCoreApplication::translate("EmbedReportProgram",
                                    "Это слово в тексте не найдено: строк нет."),
        {kByFrequencySuffix, kByLengthSuffix, kAlphabeticalSuffix},
        {kTextOrderSuffix, kSignificanceSuffix},
        std::move(language),
        [](std::string_view source, Language language) -> ui::OccurrenceFinder {
            auto locator = std::make_shared<WordLocator>(source, language);
            return [locator](std::string_view word) { return locator->find(word); };
        },
        {kByFrequencySuffix, kSignificanceSuffix},
        SummaryTerms::Words,
    };
}

}  // namespace undertext::embed
