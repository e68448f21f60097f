#include "common/ui/app/window_program.h"
#include "viewer/app/viewer_program.h"

int main(int argc, char* argv[]) {
    const undertext::ui::ProgramAbout about{
        "undertext-view",
        "Shows a report of Embed or Echoscan, or a corpus summary (.tsv), in the report viewer.",
        true, "the report or corpus summary to show"};
    return undertext::ui::runWindowProgram<undertext::ui::ViewerProgram>(
        argc, argv, about, "Viewer", ":/icons/viewer.svg");
}
