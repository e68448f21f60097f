#include "common/core/report/report_text.h"

namespace undertext {

ReportText& ReportText::padToNextZone() {
    const auto written = text_.size() - lineStart_;
    text_.append(kZoneWidth - written % kZoneWidth, ' ');
    return *this;
}

ReportText& ReportText::padToColumn(int column) {
    const int next = nextColumn();
    if (next > column) {
        endLine();
        text_.append(static_cast<std::size_t>(column - 1), ' ');
    } else {
        text_.append(static_cast<std::size_t>(column - next), ' ');
    }
    return *this;
}

ReportText& ReportText::endLine() {
    text_.append("\r\n");
    lineStart_ = text_.size();
    return *this;
}

}  // namespace undertext
