#pragma once

#include <string>
#include <string_view>

namespace undertext {

// Builds the text of a report line by line, with the two paddings the reports
// use. Columns count from 1 within a line; every line ends with CR LF.
class ReportText {
  public:
    static constexpr int kZoneWidth = 14;

    ReportText& append(std::string_view bytes) {
        text_.append(bytes);
        return *this;
    }
    // Blanks up to the start of the next 14-column zone (zones start at columns
    // 1, 15, 29, ...); always moves at least one column.
    ReportText& padToNextZone();
    // Blanks until the next character falls in column k; none if it already does.
    // A line that has passed column k is ended, and the next one gets k - 1 blanks.
    ReportText& padToColumn(int column);
    ReportText& endLine();

    // The column the next character falls in.
    int nextColumn() const { return static_cast<int>(text_.size() - lineStart_) + 1; }
    const std::string& text() const { return text_; }
    std::string release() { return std::move(text_); }
    // Starts again with no text, keeping the room taken so far (for a report that
    // is handed out in pieces of whole lines).
    void clear() {
        text_.clear();
        lineStart_ = 0;
    }

  private:
    std::string text_;
    std::size_t lineStart_ = 0;
};

}  // namespace undertext
