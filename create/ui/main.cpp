#include <filesystem>
#include <iostream>

#include <QApplication>

#include "common/ui/app/application_setup.h"
#include "common/ui/app/launch_options.h"
#include "common/ui/app/qt_dialogs.h"
#include "create/ui/create_window.h"

int main(int argc, char* argv[]) {
    // Every module and memory file is found from the folder current at start.
    const auto startFolder = std::filesystem::current_path();
    QApplication app(argc, argv);
    undertext::ui::prepareApplication(app, QStringLiteral("Create"),
                                      QStringLiteral(":/icons/create.svg"));
    undertext::ui::QtDialogs dialogs(QStringLiteral("Create"));
    if (const auto status = undertext::ui::applyLaunchOptions(
            QApplication::arguments(), startFolder, dialogs, std::cout, std::cerr)) {
        return *status;
    }
    undertext::create::CreateWindow window(startFolder, dialogs);
    QObject::connect(&window, &undertext::create::CreateWindow::ended, &app,
                     &QCoreApplication::quit, Qt::QueuedConnection);
    window.startUp();
    return app.exec();
}
