#include "common/ui/app/application_setup.h"

#include <QApplication>
#include <QIcon>

#include "common/ui/app/stop_signal_exit.h"

// The icons are linked in with this library, which must say so to the program.
static void loadIconResources() {
    Q_INIT_RESOURCE(icons);
}

namespace undertext::ui {

void prepareApplication(QApplication& application, const QString& name, const QString& iconPath,
                        InterfaceLanguage language) {
    QApplication::setApplicationName(name);
    loadIconResources();
    QApplication::setWindowIcon(QIcon(iconPath));
    installInterfaceLanguage(application, language);
    new StopSignalExit(application);  // owned by the application
}

}  // namespace undertext::ui
