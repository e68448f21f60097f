#include "common/ui/app/window_program.h"
#include "echoscan/ui/echoscan_window.h"

int main(int argc, char* argv[]) {
    return undertext::ui::runWindowProgram<undertext::echoscan::EchoscanWindow>(
        argc, argv, undertext::echoscan::kApplicationTitle, ":/icons/echoscan.svg");
}
