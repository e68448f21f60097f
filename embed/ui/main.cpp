#include "common/ui/app/window_program.h"
#include "embed/ui/embed_window.h"

int main(int argc, char* argv[]) {
    const undertext::ui::ProgramAbout about{
        "undertext-embed",
        "Finds the dictionary words hidden inside the words of a text and across them.", true};
    return undertext::ui::runWindowProgram<undertext::embed::EmbedWindow>(
        argc, argv, about, "Embed", ":/icons/embed.svg");
}
