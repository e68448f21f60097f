#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "common/core/dictionary/dictionary.h"
#include "fuzz/fuzz_check.h"

namespace undertext::fuzz {
namespace {

std::vector<std::string> fieldsOf(std::string_view module) {
    DicWords words;
    appendModuleFields(module, words);
    std::vector<std::string> fields;
    std::size_t bytes = 0;
    for (std::size_t i = 0; i < words.size(); ++i) {
        fields.emplace_back(words[i]);
        bytes += words[i].size();
    }
    check(bytes == words.byteSize(), "the word table addresses every byte once");
    return fields;
}

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

// Writes the words back as a module: a word without a double quote quoted, with
// blanks in front and something after its closing quote; a word with one as it is
// (it came from an unquoted field), between blanks. The separators and decorations
// are picked by the bytes of the original input, so every kind of line end is used.
std::string moduleOf(const std::vector<std::string>& fields, std::string_view picks) {
    static constexpr std::string_view kSeparators[] = {",", "\r\n", "\r", "\n"};
    static constexpr std::string_view kAfterQuote[] = {"", " ", "\tx\"y", "\""};
    std::string module;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const auto pick = static_cast<unsigned char>(picks[i % picks.size()]);
        const auto& field = fields[i];
        if (field.find('"') == std::string::npos) {
            module += std::string(pick % 3, ' ') + "\"" + field + "\"" +
                      std::string(kAfterQuote[(pick / 4) % 4]);
        } else {
            check(field.find_first_of(",\r\n") == std::string::npos,
                  "an unquoted field holds no comma or line end");
            check(field.front() != '"', "an unquoted field does not begin with a quote");
            check(!isBlank(field.front()) && !isBlank(field.back()),
                  "an unquoted field is trimmed of blanks");
            module += " \t" + field + "\t ";
        }
        module += kSeparators[(pick / 16) % 4];
    }
    return module;
}

}  // namespace
}  // namespace undertext::fuzz

// Splits the input as a module and checks what the field rules promise: each word
// stands in the input, in order and apart from the one before; and the words,
// written back as a module in another form, split into the same words again.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace undertext::fuzz;
    const std::string_view module(reinterpret_cast<const char*>(data), size);
    const auto fields = fieldsOf(module);
    std::size_t from = 0;
    for (const auto& field : fields) {
        check(!field.empty(), "an empty field is no word");
        const auto at = module.find(field, from);
        check(at != std::string_view::npos, "each word stands in the module after the one before");
        from = at + field.size() + 1;
    }
    if (!fields.empty()) {
        check(fieldsOf(moduleOf(fields, module)) == fields,
              "the words written back as a module split into the same words");
    }
    return 0;
}
