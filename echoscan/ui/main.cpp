#include "common/ui/app/window_program.h"
#include "echoscan/ui/echoscan_window.h"

int main(int argc, char* argv[]) {
    const undertext::ui::ProgramAbout about{
        "undertext-echoscan",
        "Finds the fragments of a text that recur, inside words and across them.", true};
    return undertext::ui::runWindowProgram<undertext::echoscan::EchoscanWindow>(
        argc, argv, about, undertext::echoscan::kApplicationTitle, ":/icons/echoscan.svg");
}
