#include <filesystem>
#include <system_error>

#include <QApplication>
#include <QString>

#include "common/ui/qt_dialogs.h"
#include "echoscan/ui/echoscan_window.h"

int main(int argc, char* argv[]) {
    // StartFolder: the folder current at start, before anything can change it.
    std::error_code error;
    const std::filesystem::path startFolder = std::filesystem::current_path(error);

    QApplication app(argc, argv);
    const QString title = QString::fromUtf8(undertext::echoscan::kApplicationTitle);
    QApplication::setApplicationName(title);
    undertext::ui::QtDialogs dialogs(title);
    undertext::echoscan::EchoscanWindow form(dialogs, startFolder);
    form.show();
    return QApplication::exec();
}
