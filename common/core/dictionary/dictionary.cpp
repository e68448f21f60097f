#include "common/core/dictionary/dictionary.h"

#include <algorithm>
#include <bit>
#include <cassert>
#include <cstring>
#include <limits>
#include <new>
#include <system_error>

#include "common/core/files/file_io.h"
#include "common/core/files/file_names.h"
#include "common/core/messages/message_pattern.h"
#include "common/core/messages/translatable.h"

namespace undertext {
namespace {

constexpr std::size_t kMaxBytes = std::numeric_limits<std::uint32_t>::max();

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}
bool isLineEnd(char c) {
    return c == '\r' || c == '\n';
}

// Moves pos past the terminator at pos (a comma, CR LF, CR or LF), if any.
void skipTerminator(std::string_view text, std::size_t& pos) {
    if (pos >= text.size()) {
        return;
    }
    if (text[pos] == '\r' && pos + 1 < text.size() && text[pos + 1] == '\n') {
        pos += 2;
    } else {
        pos += 1;
    }
}

std::string unreadableModuleMessage(const std::string& name) {
    return fillIn(
        UNDERTEXT_TRANSLATABLE("CoreMessage", "Не удалось прочитать модуль словаря \"%1\"."),
        {name});
}

// The bytes of word that equal the byte in every byte of pattern, as their high
// bits; exact for the lowest such byte, which is all that is read of it.
std::uint64_t bytesEqual(std::uint64_t word, std::uint64_t pattern) {
    constexpr std::uint64_t kLowBits = 0x0101010101010101ULL;
    const std::uint64_t zeroWhereEqual = word ^ pattern;
    return (zeroWhereEqual - kLowBits) & ~zeroWhereEqual & (kLowBits << 7);
}

std::size_t findTerminator(std::string_view text, std::size_t pos) {
    // Eight bytes at a time where memory holds the first byte lowest: a module is
    // millions of short fields, and this is most of the reading.
    if constexpr (std::endian::native == std::endian::little) {
        constexpr std::uint64_t kLowBits = 0x0101010101010101ULL;
        while (pos + 8 <= text.size()) {
            std::uint64_t word = 0;
            std::memcpy(&word, text.data() + pos, 8);
            const auto found = bytesEqual(word, kLowBits * ',') |
                               bytesEqual(word, kLowBits * '\r') |
                               bytesEqual(word, kLowBits * '\n');
            if (found != 0) {
                return pos + static_cast<std::size_t>(std::countr_zero(found)) / 8;
            }
            pos += 8;
        }
    }
    while (pos < text.size() && text[pos] != ',' && !isLineEnd(text[pos])) {
        ++pos;
    }
    return pos;
}

// Calls field(bytes) for each field of a module that is not empty, in order; see
// appendModuleFields.
template <typename Field>
void forEachField(std::string_view module, Field nonEmptyField) {
    const auto field = [&](std::string_view bytes) {
        if (!bytes.empty()) {
            nonEmptyField(bytes);
        }
    };
    std::size_t pos = 0;
    while (pos < module.size()) {
        while (pos < module.size() && isBlank(module[pos])) {
            ++pos;
        }
        if (pos < module.size() && module[pos] == '"') {
            const auto close = module.find('"', pos + 1);
            if (close == std::string_view::npos) {
                field(module.substr(pos + 1));
                return;
            }
            field(module.substr(pos + 1, close - pos - 1));
            pos = findTerminator(module, close + 1);
        } else {
            const auto end = findTerminator(module, pos);
            auto unquoted = module.substr(pos, end - pos);
            while (!unquoted.empty() && isBlank(unquoted.back())) {
                unquoted.remove_suffix(1);
            }
            field(unquoted);
            pos = end;
        }
        skipTerminator(module, pos);
    }
}

}  // namespace

void DicWords::append(std::string_view word) {
    assert(bytes_.size() + word.size() <= std::numeric_limits<std::uint32_t>::max());
    bytes_.append(word);
    offsets_.push_back(static_cast<std::uint32_t>(bytes_.size()));
}

void DicWords::reserve(std::size_t words, std::size_t bytes) {
    offsets_.reserve(words + 1);
    bytes_.reserve(bytes);
}

void DicWords::shrinkToFit() {
    // Room never written takes no memory, and giving it back would copy everything,
    // so it is given back only when it outgrows what is used.
    if (bytes_.capacity() > 2 * bytes_.size()) {
        bytes_.shrink_to_fit();
    }
    if (offsets_.capacity() > 2 * offsets_.size()) {
        offsets_.shrink_to_fit();
    }
}

void appendModuleFields(std::string_view module, DicWords& words) {
    forEachField(module, [&](std::string_view field) { words.append(field); });
}

void DicWords::appendModule(std::string&& module) {
    if (!empty()) {
        appendModuleFields(module, *this);
        return;
    }
    // Each field is moved down to the end of the one before: the words never take
    // more room than the fields they come from, so the module's own bytes hold them.
    char* out = module.data();
    const char* end = module.data() + module.size();
    forEachField(module, [&](std::string_view field) {
        // A short field is moved as sixteen bytes at once once it lies far enough
        // behind: what lands past its end falls on bytes already read.
        constexpr std::ptrdiff_t kBlock = 16;
        if (field.size() <= kBlock && field.data() - out >= kBlock &&
            end - field.data() >= kBlock) {
            char block[kBlock];
            std::memcpy(block, field.data(), kBlock);
            std::memcpy(out, block, kBlock);
        } else {
            std::memmove(out, field.data(), field.size());
        }
        out += field.size();
        offsets_.push_back(static_cast<std::uint32_t>(out - module.data()));
    });
    module.resize(static_cast<std::size_t>(out - module.data()));
    bytes_ = std::move(module);
}

std::string moduleOutOfMemoryMessage(const std::string& name) {
    return fillIn(UNDERTEXT_TRANSLATABLE("CoreMessage",
                                         "Недостаточно памяти для загрузки модуля словаря \"%1\"."),
                  {name});
}

Result<DecodedText> readModule(const std::filesystem::path& startFolder, const std::string& name) {
    const auto path = findNameIgnoringCase(startFolder, name);
    auto content = path ? readWholeFile(*path) : Result<std::string>::failure({});
    if (!content) {
        return Result<DecodedText>::failure(unreadableModuleMessage(name));
    }
    return Result<DecodedText>::success(decodeText(std::move(content).value()));
}

Result<DicWords> loadDicWords(const std::filesystem::path& startFolder,
                              const std::vector<std::string>& selectedModules) {
    const auto unreadable = [](const std::string& name) {
        return Result<DicWords>::failure(unreadableModuleMessage(name));
    };
    std::vector<std::filesystem::path> paths;
    std::uintmax_t totalBytes = 0;
    for (const auto& name : selectedModules) {
        const auto path = findNameIgnoringCase(startFolder, name);
        std::error_code error;
        const auto size = path ? std::filesystem::file_size(*path, error) : 0;
        if (!path || error) {
            return unreadable(name);
        }
        totalBytes += size;
        paths.push_back(*path);
    }
    if (totalBytes > kMaxBytes) {
        return Result<DicWords>::failure(
            UNDERTEXT_TRANSLATABLE("CoreMessage", "Модули словаря слишком велики."));
    }
    if (paths.empty()) {
        return Result<DicWords>::success(DicWords());
    }
    // Running out of memory names the module being loaded (the first one while
    // room is made for all of them).
    std::size_t loading = 0;
    try {
        DicWords words;
        // A module of one word per CR LF line holds about one word per ten bytes.
        // The first module's bytes become the words' own; room for the others is
        // made once it is in.
        words.reserve(static_cast<std::size_t>(totalBytes / 8 + 1), 0);
        // One module in memory at a time, so loading needs little beyond the words.
        for (; loading < paths.size(); ++loading) {
            auto content = readWholeFile(paths[loading]);
            if (!content) {
                return unreadable(selectedModules[loading]);
            }
            auto decoded = decodeText(std::move(content).value());
            if (words.byteSize() + decoded.cp1251.size() > kMaxBytes) {
                return unreadable(selectedModules[loading]);
            }
            words.appendModule(std::move(decoded.cp1251));
            if (loading == 0 && paths.size() > 1) {
                words.reserve(0, static_cast<std::size_t>(totalBytes));
            }
        }
        words.shrinkToFit();
        return Result<DicWords>::success(std::move(words));
    } catch (const std::bad_alloc&) {
        return Result<DicWords>::failure(
            moduleOutOfMemoryMessage(selectedModules[std::min(loading, paths.size() - 1)]));
    }
}

}  // namespace undertext
