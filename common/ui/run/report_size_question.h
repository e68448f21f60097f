#pragma once

#include <cstdint>

#include <QCoreApplication>
#include <QString>

#include "common/core/files/report_size_approval.h"

class QWidget;

namespace undertext::ui {

class Dialogs;
class JobRunner;

inline constexpr const char* kReportSizeTitle =
    QT_TRANSLATE_NOOP("ReportSizeQuestion", "Объём отчётов");

// «Отчёты займут 6,6 ГБ. Продолжить?»
QString reportSizeQuestionText(std::uint64_t bytes);

// The approval a window's job asks before writing its reports: a set above
// kLargeReportSetBytes is written only after Yes to the question, asked once on
// the GUI thread while the job waits. No, or a stop while the question is open,
// refuses the set without a message, so that nothing is written and the earlier
// reports stay. runner, dialogs and window must outlive the job.
ReportSizeApproval reportSizeQuestion(JobRunner& runner, Dialogs& dialogs, QWidget* window);

}  // namespace undertext::ui
