#include "common/ui/run/report_size_question.h"

#include <QCoreApplication>

#include "common/core/files/disk_space.h"
#include "common/ui/app/dialogs.h"
#include "common/ui/app/shown_message.h"
#include "common/ui/run/job_runner.h"

namespace undertext::ui {

QString reportSizeQuestionText(std::uint64_t bytes) {
    return QCoreApplication::translate("ReportSizeQuestion", "Отчёты займут %1. Продолжить?")
        .arg(shownMessage(sizeText(bytes)));
}

ReportSizeApproval reportSizeQuestion(JobRunner& runner, Dialogs& dialogs, QWidget* window) {
    return [&runner, &dialogs, window](std::uint64_t bytes) {
        if (bytes <= kLargeReportSetBytes) {
            return Status::success();
        }
        const auto answer = runner.askFromJob([&dialogs, window, bytes] {
            return dialogs.ask(window,
                               QCoreApplication::translate("ReportSizeQuestion", kReportSizeTitle),
                               reportSizeQuestionText(bytes));
        });
        return answer.value_or(false) ? Status::success() : Status::failure({});
    };
}

}  // namespace undertext::ui
