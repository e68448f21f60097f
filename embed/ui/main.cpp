#include <filesystem>
#include <iostream>
#include <system_error>

#include <QApplication>

#include "common/ui/app/application_setup.h"
#include "common/ui/app/launch_options.h"
#include "common/ui/app/qt_dialogs.h"
#include "embed/ui/embed_window.h"

int main(int argc, char* argv[]) {
    // StartFolder is the folder current at start, taken before anything else runs.
    std::error_code error;
    const std::filesystem::path startFolder = std::filesystem::current_path(error);

    QApplication application(argc, argv);
    undertext::ui::prepareApplication(application, QStringLiteral("Embed"),
                                      QStringLiteral(":/icons/embed.svg"));
    undertext::ui::QtDialogs dialogs(QStringLiteral("Embed"));
    if (const auto status = undertext::ui::applyLaunchOptions(
            QApplication::arguments(), startFolder, dialogs, std::cout, std::cerr)) {
        return *status;
    }
    undertext::embed::EmbedWindow window(startFolder, dialogs);
    window.startUp();
    return QApplication::exec();
}
