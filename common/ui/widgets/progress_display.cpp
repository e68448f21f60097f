#include "common/ui/widgets/progress_display.h"

#include <algorithm>
#include <cassert>

#include <QCoreApplication>
#include <QLabel>
#include <QProgressBar>

#include "common/core/report/number_text.h"
#include "common/ui/widgets/object_names.h"
#include "common/ui/widgets/steady_label.h"

namespace undertext::ui {

QString progressText(int percent) {
    return QCoreApplication::translate("ProgressDisplay", "Готово %1 %")
        .arg(QString::fromStdString(numberText(percent)));
}

QString stoppedText(int percent) {
    return QCoreApplication::translate("ProgressDisplay", "Остановлено на %1 %").arg(percent);
}

ProgressDisplay::ProgressDisplay(QWidget* parent)
    : bar_(new QProgressBar(parent)),
      label_(
          new QLabel(QCoreApplication::translate("ProgressDisplay", kProgressDesignText), parent)) {
    bar_->setObjectName(QString::fromLatin1(names::kProgressBar));
    bar_->setRange(0, 100);
    bar_->setValue(0);
    bar_->setTextVisible(false);
    label_->setObjectName(QString::fromLatin1(names::kProgressLabel));
    // A remark such as a count of replaced bytes goes on to a second line
    // rather than widening the window.
    keepLabelWidth(*label_, {progressText(100), stoppedText(100)});
}

void ProgressDisplay::show(int percent) {
    assert(percent >= 0 && percent <= 100);
    reached_ = std::max(reached_, percent);
    bar_->setValue(percent);
    label_->setText(progressText(percent));
    bar_->repaint();
    label_->repaint();
}

void ProgressDisplay::showNotRun() {
    bar_->setValue(0);
    label_->setText(QCoreApplication::translate("ProgressDisplay", kProgressDesignText));
}

void ProgressDisplay::showStopped() {
    bar_->setValue(0);
    label_->setText(stoppedText(reached_));
}

void ProgressDisplay::addRemark(const QString& remark) {
    label_->setText(label_->text() + remark);
}

}  // namespace undertext::ui
