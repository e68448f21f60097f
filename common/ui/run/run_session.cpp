#include "common/ui/run/run_session.h"

#include <QCoreApplication>
#include <QWidget>

#include "common/ui/app/dialogs.h"
#include "common/ui/app/shown_message.h"
#include "common/ui/run/report_size_question.h"

namespace undertext::ui {

RunSession::RunSession(QWidget& window, JobEvents& events,
                       std::function<void(bool)> enableRunButtons, Dialogs& dialogs, RunTexts texts)
    : window_(window),
      events_(events),
      enableRunButtons_(std::move(enableRunButtons)),
      dialogs_(dialogs),
      texts_(texts),
      runner_(events, &window),
      guard_(dialogs, runner_, &window,
             QCoreApplication::translate("RunGuard", texts.stopQuestion)) {}

bool RunSession::begin() {
    if (underWay_) {
        return false;
    }
    underWay_ = true;
    guard_.beginRun();
    enableRunButtons_(false);
    return true;
}

RunGuard::StopAnswer RunSession::askStop() {
    const auto answer = guard_.askStop();
    if (answer == RunGuard::StopAnswer::Yes) {
        underWay_ = false;
        enableRunButtons_(true);
        events_.progress(0);
    }
    return answer;
}

ReportSizeApproval RunSession::reportSizeQuestion() {
    return ui::reportSizeQuestion(runner_, dialogs_, &window_);
}

void RunSession::showEnd(JobEnding ending, const std::string& message) {
    underWay_ = false;
    if (!message.empty()) {
        dialogs_.inform(&window_, shownMessage(message));
    }
    enableRunButtons_(true);
    if (ending == JobEnding::Completed) {
        guard_.setBusy(false);
    }
}

std::string RunSession::failureText(const QString& error) const {
    QString text = QCoreApplication::translate("RunSession", texts_.failureLead);
    if (!error.isEmpty()) {
        text += QString::fromUtf8(texts_.failureSeparator) + error;
    }
    return text.toStdString();
}

}  // namespace undertext::ui
