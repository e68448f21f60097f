#include "viewer/core/report_encoding.h"

#include <gtest/gtest.h>

#include "common/core/text/codepage.h"
#include "testing/support/source_encodings.h"

namespace undertext {
namespace {

using namespace testing;

// A short sorted report, mostly blanks and numbers, and the text it was made of.
const std::string kReport = utf8ToCp1251(
    "  ВЛОЖЕННЫЕ СЛОВА. СОРТИРОВКА ПО ВСТРЕЧАЕМОСТИ В ТЕКСТЕ \r\n\r\nСловоКол.Повт. Длина\r\n\r\n"
    "кот   2       3 \r\nел    2       2 \r\nпёс   3       3 \r\n\r\n"
    "Найдено вложенных слов:  3\r\n");
const std::string kSource = utf8ToCp1251(
    "Кот ел котлету, а котёл стоял на плите. Тело кота тёплое; котел ел тело котла, "
    "и мама мыла раму, пока за окном шёл снег.");

std::string in(SourceEncoding encoding, std::string_view cp1251) {
    return TextEncoder(encoding).encodeFile(cp1251);
}

TEST(ReportEncoding, TheSourceTellsTheEightBitEncodingsApart) {
    const struct {
        SourceEncoding report;
        std::optional<SourceEncoding> source;
        SourceEncoding expected;
    } cases[] = {
        {kKoi8, kKoi8, kKoi8},
        {kCp866, kCp866, kCp866},
        {kWin, kWin, kWin},
        {kKoi8, std::nullopt, kWin},  // the report alone misleads the detector
        {kUtf8, kWin, kUtf8},         // UTF-8 and marks decide on their own
        {kUtf16Be, std::nullopt, kUtf16Be},
        {kCp866, kUtf8, detectEncoding(in(kCp866, kReport))},  // a forced 8-bit encoding
    };
    for (const auto& c : cases) {
        std::optional<std::string> source;
        if (c.source) {
            source = in(*c.source, kSource);
        }
        EXPECT_EQ(reportEncoding(in(c.report, kReport), source), c.expected)
            << describeEncoding(c.report) << " from "
            << (c.source ? describeEncoding(*c.source) : "none");
    }
}

}  // namespace
}  // namespace undertext
