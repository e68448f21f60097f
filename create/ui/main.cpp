#include <QCoreApplication>

#include "common/ui/app/window_program.h"
#include "create/ui/create_window.h"

int main(int argc, char* argv[]) {
    using undertext::create::CreateWindow;
    // Create's windows end together, whichever of them ends the program.
    return undertext::ui::runWindowProgram<CreateWindow>(
        argc, argv, "Create", ":/icons/create.svg", [](CreateWindow& window) {
            QObject::connect(&window, &CreateWindow::ended, QCoreApplication::instance(),
                             &QCoreApplication::quit, Qt::QueuedConnection);
        });
}
