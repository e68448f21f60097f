#include "echoscan/ui/echoscan_report_program.h"

#include <memory>

#include <QCoreApplication>

#include "echoscan/core/fragment_locator.h"
#include "echoscan/core/fragment_reports.h"
#include "echoscan/core/fragment_text.h"

namespace undertext::echoscan {

ui::ReportProgram echoscanReportProgram(std::function<Language()> language) {
    return {
        QCoreApplication::translate("EchoscanReportProgram", "Фрагмент"),
        QCoreApplication::translate("EchoscanReportProgram",
                                    "Этот фрагмент в тексте не найден: строк нет."),
        {fragmentReportSuffix(FragmentReport::ByLength),
         fragmentReportSuffix(FragmentReport::Alphabetical),
         fragmentReportSuffix(FragmentReport::ByFrequency)},
        {kFragmentTextSuffix},
        std::move(language),
        [](std::string_view source, Language language) -> ui::OccurrenceFinder {
            auto locator = std::make_shared<FragmentLocator>(source, language);
            return [locator](std::string_view fragment) { return locator->find(fragment); };
        },
        {},
        SummaryTerms::Fragments,
    };
}

}  // namespace undertext::echoscan
