#include <filesystem>
#include <system_error>

#include <QApplication>

#include "common/ui/qt_dialogs.h"
#include "embed/ui/embed_window.h"

int main(int argc, char* argv[]) {
    // StartFolder is the folder current at start, taken before anything else runs.
    std::error_code error;
    const std::filesystem::path startFolder = std::filesystem::current_path(error);

    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Embed"));
    undertext::ui::QtDialogs dialogs(QStringLiteral("Embed"));
    undertext::embed::EmbedWindow window(startFolder, dialogs);
    window.startUp();
    return QApplication::exec();
}
