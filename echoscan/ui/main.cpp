#include <filesystem>
#include <iostream>
#include <system_error>

#include <QApplication>
#include <QString>

#include "common/ui/app/application_setup.h"
#include "common/ui/app/launch_options.h"
#include "common/ui/app/qt_dialogs.h"
#include "echoscan/ui/echoscan_window.h"

int main(int argc, char* argv[]) {
    // StartFolder: the folder current at start, before anything can change it.
    std::error_code error;
    const std::filesystem::path startFolder = std::filesystem::current_path(error);

    QApplication app(argc, argv);
    const QString title = QString::fromUtf8(undertext::echoscan::kApplicationTitle);
    undertext::ui::prepareApplication(app, title, QStringLiteral(":/icons/echoscan.svg"));
    undertext::ui::QtDialogs dialogs(title);
    if (const auto status = undertext::ui::applyLaunchOptions(
            QApplication::arguments(), startFolder, dialogs, std::cout, std::cerr)) {
        return *status;
    }
    undertext::echoscan::EchoscanWindow form(dialogs, startFolder);
    form.show();
    return QApplication::exec();
}
