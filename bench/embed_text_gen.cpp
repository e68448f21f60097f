// Writes a generated Russian text for timing `undertext embed` by hand:
//   embed_text_gen DICT_DIR OUT_FILE BYTES
#include <cstdlib>
#include <fstream>
#include <iostream>

#include "bench/embed_text_generator.h"

int main(int argc, char** argv) {
    if (argc != 4) {
        std::cerr << "usage: embed_text_gen DICT_DIR OUT_FILE BYTES\n";
        return 2;
    }
    const auto words = undertext::loadDicWords(argv[1], {"COMMON.DIC"});
    if (!words) {
        std::cerr << words.error() << '\n';
        return 1;
    }
    const auto text = undertext::bench::generateRussianText(
        words.value(), static_cast<std::size_t>(std::strtoull(argv[3], nullptr, 10)));
    std::ofstream(argv[2], std::ios::binary) << text;
    return 0;
}
