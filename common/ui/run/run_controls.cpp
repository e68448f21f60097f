#include "common/ui/run/run_controls.h"

#include <utility>

#include <QPushButton>
#include <QWidget>

#include "common/ui/widgets/result_file_list.h"
#include "common/ui/widgets/window_parts.h"

namespace undertext::ui {
namespace {

OpenFileTargets withPrimaryButton(OpenFileTargets targets, QPushButton* button) {
    targets.primaryButton = button;
    return targets;
}

}  // namespace

RunControls::RunControls(QWidget& window, JobEvents& events, Dialogs& dialogs,
                         const std::filesystem::path& startFolder, const char* reportPattern,
                         OpenFileTargets targets,
                         std::function<void(const std::filesystem::path&)> openReport)
    : startButton(makeButton(&window, QStringLiteral("Command1"), QStringLiteral("Начать поиск"),
                             ButtonIcon::Start)),
      stopButton(makeButton(&window, QStringLiteral("Command2"), QStringLiteral("Остановить"),
                            ButtonIcon::Stop)),
      exitButton(makeButton(&window, QStringLiteral("Command3"), QStringLiteral("Выйти"),
                            ButtonIcon::Exit)),
      runner(events, &window),
      guard(dialogs, runner, &window, QString::fromUtf8(kStopWorkQuestion)),
      openFile(dialogs, startFolder, QString::fromLatin1(reportPattern),
               withPrimaryButton(targets, startButton), &window) {
    targets.results->setOpener(std::move(openReport));
    QObject::connect(exitButton, &QPushButton::clicked, &window, &QWidget::close);
}

}  // namespace undertext::ui
