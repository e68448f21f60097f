#include "common/ui/app/application_setup.h"

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "common/ui/app/stop_signal_exit.h"

// The icons are linked in with this library, which must say so to the program.
static void loadIconResources() {
    Q_INIT_RESOURCE(icons);
}

namespace undertext::ui {

void prepareApplication(QApplication& application, const QString& name, const QString& iconPath) {
    QApplication::setApplicationName(name);
    loadIconResources();
    QApplication::setWindowIcon(QIcon(iconPath));
    // The windows speak Russian whatever the desktop's language.
    QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
    auto* translator = new QTranslator(&application);
    if (translator->load(QLocale(QLocale::Russian), QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QApplication::installTranslator(translator);
    }
    new StopSignalExit(application);  // owned by the application
}

}  // namespace undertext::ui
