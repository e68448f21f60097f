#include "common/ui/app/window_program.h"
#include "embed/ui/embed_window.h"

int main(int argc, char* argv[]) {
    return undertext::ui::runWindowProgram<undertext::embed::EmbedWindow>(argc, argv, "Embed",
                                                                          ":/icons/embed.svg");
}
