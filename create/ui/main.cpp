#include <QCoreApplication>

#include "common/ui/app/window_program.h"
#include "create/ui/create_window.h"

int main(int argc, char* argv[]) {
    using undertext::create::CreateWindow;
    const undertext::ui::ProgramAbout about{
        "undertext-create",
        "Composes texts of dictionary words in which a typed phrase lies hidden.", false};
    // Create's windows end together, whichever of them ends the program.
    return undertext::ui::runWindowProgram<CreateWindow>(
        argc, argv, about, "Create", ":/icons/create.svg", [](CreateWindow& window) {
            QObject::connect(&window, &CreateWindow::ended, QCoreApplication::instance(),
                             &QCoreApplication::quit, Qt::QueuedConnection);
        });
}
