#pragma once

#include <functional>

#include "common/core/text/letters.h"
#include "viewer/ui/report_viewer.h"

namespace undertext::embed {

// What the report viewer needs of Embed: its reports (three sorted, one in text
// order, the significance file), words located as the search counts them, in the
// language language() gives when a source is first searched, and the significance
// file's columns in the frequency report's table.
ui::ReportProgram embedReportProgram(std::function<Language()> language);

}  // namespace undertext::embed
