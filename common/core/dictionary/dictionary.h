#pragma once

#include <cassert>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "common/core/result.h"
#include "common/core/text/text_encoding.h"

namespace undertext {

// DicWords: the words of the selected modules in load order, duplicates and all.
// Held as one byte buffer and a table of offsets, so a dictionary of a million
// forms costs little more than its file. Not thread-safe for writing; reading
// from several threads is safe once loading has finished.
class DicWords {
  public:
    DicWords() { offsets_.push_back(0); }

    std::size_t size() const { return offsets_.size() - 1; }
    bool empty() const { return size() == 0; }
    std::string_view operator[](std::size_t index) const {
        assert(index < size());
        return std::string_view(bytes_).substr(offsets_[index],
                                               offsets_[index + 1] - offsets_[index]);
    }

    void append(std::string_view word);
    // Appends a module's fields (see appendModuleFields). Into empty words the
    // module's bytes are taken over and the fields packed in place, without a copy.
    void appendModule(std::string&& module);
    void reserve(std::size_t words, std::size_t bytes);
    void shrinkToFit();
    std::size_t byteSize() const { return bytes_.size(); }
    // Bytes held by the words and the offset table.
    std::size_t memoryUsed() const {
        return bytes_.capacity() + offsets_.capacity() * sizeof(std::uint32_t);
    }

  private:
    std::string bytes_;
    std::vector<std::uint32_t> offsets_;
};

// Splits a module's bytes into its fields and appends them to words. The rules:
// - a field ends at a comma, at a line end or at the end of the file; a line end
//   is CR LF, a lone CR or a lone LF;
// - blanks and tabs in front of a field and behind an unquoted field are dropped;
// - a field that begins with a double quote runs to the next double quote (commas
//   and line ends included) and is taken without its quotes; what stands between
//   the closing quote and the field's end is dropped; a quote that is never
//   closed takes the rest of the file;
// - a field left empty (an empty or blank line, nothing between two commas, "")
//   is no word: a word could never be found of length zero;
// - every other byte, NUL included, belongs to the word.
// The caller keeps the words within 4 GiB, what the offset table addresses.
void appendModuleFields(std::string_view module, DicWords& words);

// The message for a module that did not fit in memory.
std::string moduleOutOfMemoryMessage(const std::string& name);

// Reads one module (its name looked up in startFolder without regard to letter
// case) and decodes it from its own encoding, detected as for texts.
Result<DecodedText> readModule(const std::filesystem::path& startFolder, const std::string& name);

// LoadDicWords: reads the modules named in selectedModules (names looked up in
// startFolder without regard to letter case), in list order, into one DicWords;
// each module is decoded from its own encoding.
// A module that cannot be opened or read (removed after it was chosen) fails the
// load with an error that names it; the caller decides what to do.
Result<DicWords> loadDicWords(const std::filesystem::path& startFolder,
                              const std::vector<std::string>& selectedModules);

}  // namespace undertext
