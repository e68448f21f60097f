// Writes generated Russian text for timing `undertext` by hand:
//   embed_text_gen DICT_DIR OUT_FILE BYTES         one text
//   embed_text_gen DICT_DIR OUT_FOLDER BYTES COUNT  COUNT texts text0001.txt, ...
//                                                   each from its own seed
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>

#include "bench/embed_text_generator.h"

int main(int argc, char** argv) {
    if (argc != 4 && argc != 5) {
        std::cerr << "usage: embed_text_gen DICT_DIR OUT_FILE BYTES\n"
                     "       embed_text_gen DICT_DIR OUT_FOLDER BYTES COUNT\n";
        return 2;
    }
    const auto words = undertext::loadDicWords(argv[1], {"COMMON.DIC"});
    if (!words) {
        std::cerr << words.error() << '\n';
        return 1;
    }
    const auto bytes = static_cast<std::size_t>(std::strtoull(argv[3], nullptr, 10));
    if (argc == 4) {
        std::ofstream(argv[2], std::ios::binary)
            << undertext::bench::generateRussianText(words.value(), bytes);
        return 0;
    }
    const std::filesystem::path folder(argv[2]);
    std::filesystem::create_directories(folder);
    const auto count = static_cast<std::uint32_t>(std::strtoul(argv[4], nullptr, 10));
    for (std::uint32_t i = 1; i <= count; ++i) {
        char name[32];
        std::snprintf(name, sizeof name, "text%04u.txt", i);
        std::ofstream(folder / name, std::ios::binary)
            << undertext::bench::generateRussianText(words.value(), bytes, i);
    }
    return 0;
}
