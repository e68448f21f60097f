#include <filesystem>

#include <QApplication>

#include "common/ui/qt_dialogs.h"
#include "create/ui/main_window.h"

int main(int argc, char* argv[]) {
    // Every module and memory file is found from the folder current at start.
    const auto startFolder = std::filesystem::current_path();
    QApplication app(argc, argv);
    undertext::ui::QtDialogs dialogs(QStringLiteral("Create"));
    undertext::create::CreateMainWindow window(startFolder, dialogs);
    QObject::connect(&window, &undertext::create::CreateMainWindow::ended, &app,
                     &QCoreApplication::quit, Qt::QueuedConnection);
    window.startUp();
    return app.exec();
}
