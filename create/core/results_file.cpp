#include "create/core/results_file.h"

#include <algorithm>
#include <charconv>
#include <cstdlib>
#include <cstring>
#include <type_traits>

#include "common/core/files/file_io.h"
#include "common/core/files/memory_file.h"
#include "common/core/report/number_text.h"
#include "common/core/text/codepage.h"
#include "common/core/text/letters.h"

namespace undertext::create {
namespace {

// The section labels, in Windows-1251.
struct Labels {
    std::string left = utf8ToCp1251("--Левое слово  W1-----------");
    std::string leftTransition = utf8ToCp1251(" ПЕРЕХОД---------------- *");
    std::string right = utf8ToCp1251("--Правое слово W2-----------");
    std::string rightTransition = utf8ToCp1251(" ПЕРЕХОД----------------- ");
    std::string refrain = utf8ToCp1251("--Рефрен R--------------------------------------------");
    std::string embedded = utf8ToCp1251("--Вложенное слово E-----------------------------------");
    std::string wp2W1 = utf8ToCp1251("--Предыдущее правое и текущее левое слово Wp2W1-------");
    std::string rpW1 = utf8ToCp1251("--Предыдущий рефрен и текущее левое слово RpW1--------");
    std::string epW1 = utf8ToCp1251("--Предыдущее вложенное и текущее левое слово EpW1-----");
    std::string wp2R = utf8ToCp1251("--Предыдущее правое и текущий рефрен Wp2R-------------");
    std::string wp2E = utf8ToCp1251("--Предыдущее правое и текущее вложенное слово Wp2E----");
};

const Labels& labels() {
    static const Labels converted;
    return converted;
}

// Counts the bytes a report will take, so that the text is built in one block.
class CountingSink {
  public:
    void append(std::string_view text) { size_ += text.size(); }
    void append(std::size_t count, char) { size_ += count; }
    std::size_t size() const { return size_; }

  private:
    std::size_t size_ = 0;
};

class StringSink {
  public:
    explicit StringSink(std::size_t capacity) { text_.reserve(capacity); }
    void append(std::string_view text) { text_.append(text); }
    void append(std::size_t count, char c) { text_.append(count, c); }
    std::string release() { return std::move(text_); }

  private:
    std::string text_;
};

// Gathers the text in one reused buffer and hands it to the file in pieces. The
// report is made of millions of short pieces, so each is copied straight into
// the buffer's free room.
class FileSink {
  public:
    explicit FileSink(WholeFileWriter& file) : file_(file), buffer_(kPieceSize, '\0') {}
    void append(std::string_view text) {
        if (text.size() > kPieceSize - used_) {
            flush();
            if (text.size() > kPieceSize) {
                file_.append(text);
                return;
            }
        }
        std::memcpy(buffer_.data() + used_, text.data(), text.size());
        used_ += text.size();
    }
    void append(std::size_t count, char c) {
        while (count > 0) {
            if (used_ == kPieceSize) {
                flush();
            }
            const auto run = std::min(count, kPieceSize - used_);
            std::memset(buffer_.data() + used_, c, run);
            used_ += run;
            count -= run;
        }
    }
    void flush() {
        file_.append(std::string_view(buffer_.data(), used_));
        used_ = 0;
    }

  private:
    static constexpr std::size_t kPieceSize = 64 * 1024;

    WholeFileWriter& file_;
    std::string buffer_;
    std::size_t used_ = 0;
};

std::string upper(std::string_view text) {
    std::string result(text);
    for (auto& c : result) {
        c = static_cast<char>(upperAnyLetter(static_cast<unsigned char>(c)));
    }
    return result;
}

std::size_t distance(int a, std::size_t b) {
    return static_cast<std::size_t>(std::abs(a - static_cast<long long>(b)));
}

template <typename Sink>
class ReportWriter {
  public:
    ReportWriter(Sink& sink, const PhraseAnalysis& analysis)
        : sink_(sink), dic_(*analysis.dicWords), analysis_(analysis) {}

    void write(std::string_view phraseBox, std::string_view variantShown) {
        sink_.append(20, '=');
        quoted(upper(phraseBox));
        sink_.append(distance(53, phraseBox.size()), '=');
        emptyWrite();
        emptyWrite();
        sink_.append(15, '-');
        quoted(upper(variantShown));
        sink_.append(distance(58, variantShown.size()), '-');
        emptyWrite();
        for (std::size_t w = 0; w < analysis_.words.size(); ++w) {
            writeWord(w);
        }
    }

  private:
    void emptyWrite() { sink_.append("\r\n"); }
    void quoted(std::string_view text) {
        sink_.append("\" ");
        sink_.append(text);
        sink_.append(" \"");
    }
    void item(DicIndex index) {
        sink_.append(dic_[static_cast<std::size_t>(index)]);
        sink_.append(1, ' ');
    }
    void number(int value) {
        char digits[16];
        const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
        sink_.append(std::string_view(digits, static_cast<std::size_t>(end - digits)));
    }
    void sectionHeader(const std::string& label, std::string_view word) {
        emptyWrite();
        emptyWrite();
        sink_.append(label);
        quoted(word);
        sink_.append(distance(20, word.size()), '-');
        emptyWrite();
    }
    template <typename Entry>
    void crossEntries(const std::vector<Entry>& list) {
        for (const auto& entry : list) {
            sink_.append(dic_[static_cast<std::size_t>(entry.index)]);
            sink_.append(" (");
            if constexpr (std::is_same_v<Entry, Wp2W1Entry>) {
                number(entry.previous);
                sink_.append(1, ',');
                number(entry.current);
            } else {
                number(entry.transition);
            }
            sink_.append(")  ");
        }
    }
    void stretch(const std::vector<TransitionEntry>& list, ListStretch range) {
        for (auto at = range.begin; at < range.end; ++at) {
            item(list[static_cast<std::size_t>(at)].index);
        }
    }

    void writeWord(std::size_t w) {
        const auto word = upper(analysis_.words[w]);
        const auto& a = analysis_.wordAnalyses[w];
        const auto n = word.size();
        const auto& text = labels();
        emptyWrite();
        emptyWrite();
        sink_.append(54, '=');
        quoted(word);
        sink_.append(distance(19, n), '=');
        emptyWrite();
        for (std::size_t t = 1; t < n; ++t) {
            emptyWrite();
            emptyWrite();
            sink_.append(text.left);
            sink_.append(numberText(static_cast<std::int64_t>(t)));
            sink_.append(text.leftTransition);
            sink_.append(std::string_view(word).substr(0, t));
            sink_.append(" - ");
            sink_.append(std::string_view(word).substr(t));
            sink_.append(distance(18, n), '-');
            emptyWrite();
            stretch(a.w1List, a.w1Range[t]);
        }
        for (std::size_t t = 1; t < n; ++t) {
            emptyWrite();
            emptyWrite();
            sink_.append(text.right);
            sink_.append(numberText(static_cast<std::int64_t>(t)));
            sink_.append(text.rightTransition);
            sink_.append(std::string_view(word).substr(0, t));
            sink_.append(" - ");
            sink_.append(std::string_view(word).substr(t));
            sink_.append("* ");
            sink_.append(distance(16, n), '-');
            emptyWrite();
            stretch(a.w2List, a.w2Range[t]);
        }
        sectionHeader(text.refrain, word);
        for (const auto index : a.rList) {
            item(index);
        }
        sectionHeader(text.embedded, word);
        for (const auto index : a.eList) {
            item(index);
        }
        sectionHeader(text.wp2W1, word);
        crossEntries(a.wp2W1List);
        sectionHeader(text.rpW1, word);
        crossEntries(a.rpW1List);
        sectionHeader(text.epW1, word);
        crossEntries(a.epW1List);
        sectionHeader(text.wp2R, word);
        crossEntries(a.wp2RList);
        sectionHeader(text.wp2E, word);
        crossEntries(a.wp2EList);
    }

    Sink& sink_;
    const DicWords& dic_;
    const PhraseAnalysis& analysis_;
};

}  // namespace

std::string resultsFileText(std::string_view phraseBox, std::string_view variantShown,
                            const PhraseAnalysis& analysis) {
    CountingSink counter;
    ReportWriter<CountingSink>(counter, analysis).write(phraseBox, variantShown);
    StringSink text(counter.size());
    ReportWriter<StringSink>(text, analysis).write(phraseBox, variantShown);
    return text.release();
}

Status saveRez(const std::filesystem::path& file, std::string_view phraseBox,
               std::string_view variantShown, const PhraseAnalysis& analysis,
               SourceEncoding fileEncoding) {
    WholeFileWriter writer(file, TextEncoder(fileEncoding));
    FileSink sink(writer);
    ReportWriter<FileSink>(sink, analysis).write(phraseBox, variantShown);
    sink.flush();
    return writer.commit();
}

std::filesystem::path saveDialogFolder(CreateSession& session,
                                       const std::filesystem::path& startFolder) {
    if (auto remembered = readRememberedFolder(startFolder, kLastPathSynthFile, false)) {
        session.lastSaveFolder = std::move(*remembered);
    }
    return session.lastSaveFolder;
}

Status saveResults(CreateSession& session, const std::filesystem::path& startFolder,
                   const std::filesystem::path& file, std::string_view phraseBox,
                   std::string_view variantShown, SourceEncoding fileEncoding) {
    if (auto written = saveRez(file, phraseBox, variantShown, session.analysis, fileEncoding);
        !written) {
        return written;
    }
    std::error_code error;
    auto absolute = std::filesystem::absolute(file, error);
    session.lastSaveFolder = (error ? file : absolute).parent_path();
    return writeRememberedFolder(startFolder, kLastPathSynthFile, session.lastSaveFolder);
}

}  // namespace undertext::create
