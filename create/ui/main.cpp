#include <filesystem>

#include <QApplication>

#include "common/ui/qt_dialogs.h"
#include "create/ui/create_window.h"

int main(int argc, char* argv[]) {
    // Every module and memory file is found from the folder current at start.
    const auto startFolder = std::filesystem::current_path();
    QApplication app(argc, argv);
    undertext::ui::QtDialogs dialogs(QStringLiteral("Create"));
    undertext::create::CreateWindow window(startFolder, dialogs);
    QObject::connect(&window, &undertext::create::CreateWindow::ended, &app,
                     &QCoreApplication::quit, Qt::QueuedConnection);
    window.startUp();
    return app.exec();
}
