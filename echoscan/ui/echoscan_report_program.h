#pragma once

#include <functional>

#include "common/core/text/letters.h"
#include "viewer/ui/report_viewer.h"

namespace undertext::echoscan {

// What the report viewer needs of Echoscan: its reports (three sorted, and the
// prepared text), and fragments located as the reports count them, in the
// language language() gives when a source is first searched.
ui::ReportProgram echoscanReportProgram(std::function<Language()> language);

}  // namespace undertext::echoscan
