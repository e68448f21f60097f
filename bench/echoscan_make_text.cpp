// Writes a generated Russian text for measuring `undertext echoscan` from a shell:
//   echoscan_make_text OUT BYTES [SINGLE_LETTER_BYTES]
//   echoscan_make_text OUT BYTES --paragraph PARAGRAPH_BYTES
// The text begins with SINGLE_LETTER_BYTES of the letter «а», then prose; or it
// is one paragraph of prose repeated.
#include <cstdlib>
#include <iostream>
#include <string>

#include "bench/echoscan_text.h"
#include "common/core/files/file_io.h"

int main(int argc, char** argv) {
    if (argc < 3) {
        std::cerr << "usage: echoscan_make_text OUT BYTES [SINGLE_LETTER_BYTES]\n";
        return 2;
    }
    const std::size_t bytes = std::strtoull(argv[2], nullptr, 10);
    const bool paragraph = argc > 4 && std::string(argv[3]) == "--paragraph";
    const std::size_t single = argc > 3 && !paragraph ? std::strtoull(argv[3], nullptr, 10) : 0;
    const auto prose =
        paragraph ? undertext::bench::repeatedParagraph(bytes, std::strtoull(argv[4], nullptr, 10))
                  : undertext::bench::russianProse(bytes > single ? bytes - single : 0);
    if (!prose) {
        std::cerr << prose.error() << "\n";
        return 1;
    }
    const auto written =
        undertext::writeWholeFile(argv[1], std::string(single, '\xE0') + prose.value());
    if (!written) {
        std::cerr << written.error() << "\n";
        return 1;
    }
    return 0;
}
