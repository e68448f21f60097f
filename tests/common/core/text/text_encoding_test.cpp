#include "common/core/text/text_encoding.h"

#include <gtest/gtest.h>

#include <random>

#include "common/core/text/codepage.h"
#include "testing/support/source_encodings.h"

namespace undertext {
namespace {

const std::string kRussian = utf8ToCp1251(
    "Утром над рекой поднялся густой туман, и старый паромщик долго стоял на берегу, "
    "прислушиваясь к тишине. Где-то за лесом кричали птицы, а вода у самых ног была тёмной и "
    "неподвижной. Он думал о том, что осень в этом году пришла слишком рано: листья на берёзах "
    "пожелтели ещё в августе, и по ночам уже случались заморозки. Когда туман наконец "
    "рассеялся, на другом берегу показалась телега с двумя путниками. Паромщик вздохнул, "
    "отвязал лодку и взялся за вёсла. Работа была привычной, но сегодня каждое движение "
    "давалось ему с трудом, словно сама река не хотела отпускать его от берега.");
const std::string kEnglish =
    "In the morning a thick fog rose over the river, and the old ferryman stood on the bank for "
    "a long time, listening to the silence. Somewhere beyond the forest birds were calling, and "
    "the water at his feet was dark and still. He thought that autumn had come too early this "
    "year: the leaves on the birches had turned yellow in August.";

std::string allBytes() {
    std::string all;
    for (int b = 0; b < 256; ++b) {
        all.push_back(static_cast<char>(b));
    }
    return all;
}

std::string fileIn(SourceEncoding encoding, std::string_view cp1251) {
    return TextEncoder(encoding).encodeFile(cp1251);
}

using namespace testing;
constexpr SourceEncoding kIso{TextEncoding::Iso8859_5, false};

TEST(TextEncoding, EightBitTablesMatchTheirCodePages) {
    const std::string mama = utf8ToCp1251("Мама");
    EXPECT_EQ(TextEncoder(kKoi8).encode(mama), "\xED\xC1\xCD\xC1");
    EXPECT_EQ(TextEncoder(kCp866).encode(mama), "\x8C\xA0\xAC\xA0");
    EXPECT_EQ(TextEncoder(kIso).encode(mama), "\xBC\xD0\xDC\xD0");
    EXPECT_EQ(TextEncoder(kUtf8).encode(mama), "Мама");
    EXPECT_EQ(TextEncoder(kUtf16Be).encode(mama),
              std::string("\x04\x1C\x04\x30\x04\x3C\x04\x30", 8));
    EXPECT_EQ(fileIn(kUtf16Le, "a"), std::string("\xFF\xFE\x61\x00", 4));
    // The euro sign has no KOI8-R form.
    EXPECT_EQ(TextEncoder(kKoi8).encode("\x88"), "?");
    EXPECT_TRUE(TextEncoder(kWin).passesThrough());
    EXPECT_TRUE(TextEncoder(kWin).preamble().empty());
    EXPECT_EQ(TextEncoder(kUtf8Bom).preamble(), "\xEF\xBB\xBF");
    EXPECT_TRUE(TextEncoder(kUtf8).preamble().empty());
}

// Detection on real passages and on short pieces of them, in every encoding. The
// detector gets the Cyrillic 8-bit encodings right from about a dozen bytes of
// running text on.
TEST(TextEncoding, DetectsRealPassagesInEveryEncoding) {
    for (const std::size_t length :
         {std::string::npos, std::size_t{300}, std::size_t{60}, std::size_t{12}}) {
        const auto russian = kRussian.substr(0, length);
        const auto english = kEnglish.substr(0, length);
        for (const auto encoding :
             {kWin, kUtf8, kUtf8Bom, kUtf16Le, kUtf16Be, kUtf32Le, kUtf32Be, kKoi8, kCp866, kIso}) {
            const auto decoded = decodeText(fileIn(encoding, russian));
            EXPECT_EQ(decoded.encoding, encoding) << describeEncoding(encoding) << " " << length;
            EXPECT_EQ(decoded.cp1251, russian) << describeEncoding(encoding) << " " << length;
            EXPECT_EQ(decoded.invalidBytes, 0U);
        }
        // English is ASCII, the same bytes in Windows-1251 and in UTF-8 without a mark.
        EXPECT_EQ(decodeText(english).encoding, kWin) << length;
    }
    // Latin text with a few 8-bit signs stays Windows-1251, as it always was.
    const std::string quoted = utf8ToCp1251("He said «yes» — and left.");
    EXPECT_EQ(decodeText(quoted).encoding, kWin);
    EXPECT_EQ(decodeText(quoted).cp1251, quoted);
}

TEST(TextEncoding, EveryWindows1251ByteRoundTrips) {
    const auto all = allBytes();
    for (const auto encoding : {kUtf8, kUtf8Bom, kUtf16Le, kUtf16Be, kUtf32Le, kUtf32Be}) {
        const auto file = fileIn(encoding, all);
        EXPECT_EQ(decodeText(file).encoding, encoding) << describeEncoding(encoding);
        EXPECT_EQ(decodeText(file).cp1251, all) << describeEncoding(encoding);
        EXPECT_EQ(decodeText(file, encoding.encoding).cp1251, all) << describeEncoding(encoding);
    }
    EXPECT_EQ(decodeText(all, TextEncoding::Windows1251).cp1251, all);
    EXPECT_EQ(TextEncoder(kWin).encode(all), all);
    // The 8-bit encodings hold every Russian letter and ё; the bytes they hold
    // come back, the others come back as the separator.
    for (const auto encoding : {kKoi8, kCp866, kIso}) {
        const auto file = TextEncoder(encoding).encode(all);
        const auto decoded = decodeText(file, encoding.encoding);
        ASSERT_EQ(decoded.cp1251.size(), all.size());
        EXPECT_EQ(decoded.invalidBytes, 0U);
        for (int b = 0; b < 256; ++b) {
            const bool held = file[b] != '?' || b == '?';
            EXPECT_EQ(decoded.cp1251[b], held ? all[b] : '?') << describeEncoding(encoding) << b;
            EXPECT_TRUE(held || (b >= 0x80 && b < 0xC0 && b != 0xA8 && b != 0xB8))
                << describeEncoding(encoding) << b;
        }
    }
}

TEST(TextEncoding, UnmappableCharactersBecomeOneSeparatorAndDecomposedLettersCompose) {
    struct Case {
        const char* utf8;
        const char* cp1251Utf8;  // the expected Windows-1251 form, written in UTF-8
    };
    for (const auto& [utf8, expected] : std::initializer_list<Case>{
             {"я😀z中", "я?z?"},
             {"е\u0308ж и\u0306од", "ёж йод"},      // decomposed ё and й
             {"Е\u0308 И\u0306 у\u0306", "Ё Й ў"},  // capitals and ў compose too
             {"уда\u0301р", "уда?р"},               // a stress mark composes to nothing
             {"е\u0323\u0308", "ё?"},               // NFC puts the lower mark after
             {"\u212A\u037E", "K;"},                // canonical singletons
             {"a\u00A0b\u2116", "a\u00A0b\u2116"},
         }) {
        const auto decoded = decodeText(std::string("\xEF\xBB\xBF") + utf8);
        EXPECT_EQ(decoded.cp1251, utf8ToCp1251(expected)) << utf8;
        EXPECT_EQ(decoded.invalidBytes, 0U) << utf8;
    }
    // The same through UTF-16.
    const std::string decomposed("\xFF\xFE\x35\x04\x08\x03\x3D\x00\x3D\xD8\x00\xDE", 12);
    EXPECT_EQ(decodeText(decomposed).cp1251, utf8ToCp1251("ё=?"));
}

TEST(TextEncoding, BadInputIsCountedAndReplacedByteForByte) {
    struct Case {
        std::string bytes;
        std::optional<TextEncoding> forced;
        SourceEncoding encoding;
        std::string cp1251;
        std::size_t invalid;
    };
    const auto w = [](const char* utf8) { return utf8ToCp1251(utf8); };
    const auto start = kRussian.substr(0, 100);
    // One stray byte to four characters is still UTF-8, even where the stray byte
    // is followed by a character cut by an eight-byte boundary.
    std::string stray;
    std::string strayCp1251;
    for (int i = 0; i < 20; ++i) {
        stray += std::string(1, '\xE0') + "abcdefgжжжж";
        strayCp1251 += w("?abcdefgжжжж");
    }
    for (const auto& [bytes, forced, encoding, expected, invalid] : std::initializer_list<Case>{
             // Stray bytes inside UTF-8 text keep the file UTF-8: a lone 0xFF, an
             // overlong form, an encoded surrogate, a cut-off last character.
             {"мир\xFFдом", {}, kUtf8, w("мир?дом"), 1},
             {fileIn(kUtf8, start) + "\xC0\xAF\xED\xA0\x80\xD0", {}, kUtf8, start + "??????", 6},
             {stray, {}, kUtf8, strayCp1251, 20},
             // UTF-16: an odd last byte, lone surrogates, a mark and nothing else.
             {std::string("\xFF\xFE\x61\x00\x62", 5), {}, kUtf16Le, "a?", 1},
             {std::string("\xFE\xFF\xD8\x00\x00\x61", 6), {}, kUtf16Be, "??a", 2},
             {std::string("\xFF\xFE\x00\xDC", 4), {}, kUtf16Le, "??", 2},
             {"\xFF\xFE", {}, kUtf16Le, "", 0},
             {"\xEF\xBB\xBF", {}, kUtf8Bom, "", 0},
             {"", {}, kWin, "", 0},
             {"\x98\xFF", TextEncoding::Windows1251, kWin, "\x98\xFF", 0},
             // UTF-8 forced on Windows-1251 bytes: every byte replaced and counted.
             {w("Мама"), TextEncoding::Utf8, kUtf8, "????", 4},
             // UTF-16 forced without a mark reads little-endian; a mark decides.
             {"\x3F\x04", TextEncoding::Utf16Le, {TextEncoding::Utf16Le, false}, w("п"), 0},
             {std::string("\xFE\xFF\x04\x3F", 4), TextEncoding::Utf16Le, kUtf16Be, w("п"), 0},
         }) {
        // Bytes handed over decode as the same bytes read in place.
        for (const auto& decoded :
             {decodeText(bytes, forced), decodeText(std::string(bytes), forced)}) {
            EXPECT_EQ(decoded.encoding, encoding) << cp1251ToUtf8(expected);
            EXPECT_EQ(decoded.cp1251, expected) << cp1251ToUtf8(expected);
            EXPECT_EQ(decoded.invalidBytes, invalid) << cp1251ToUtf8(expected);
        }
    }
    // The limit: one stray byte to four characters is UTF-8, to three it is not.
    EXPECT_EQ(detectEncoding("жжжж\xFF").encoding, TextEncoding::Utf8);
    EXPECT_NE(detectEncoding("жжж\xFF").encoding, TextEncoding::Utf8);
}

TEST(TextEncoding, Utf32IsReadAndWrittenInBothByteOrders) {
    const std::string mama = utf8ToCp1251("Мама");
    EXPECT_EQ(fileIn(kUtf32Le, mama), std::string("\xFF\xFE\0\0\x1C\x04\0\0\x30\x04\0\0"
                                                  "\x3C\x04\0\0\x30\x04\0\0",
                                                  20));
    EXPECT_EQ(fileIn(kUtf32Be, "a"), std::string("\0\0\xFE\xFF\0\0\0a", 8));
    const auto w = [](const char* utf8) { return utf8ToCp1251(utf8); };
    const struct {
        std::string bytes;
        SourceEncoding encoding;
        std::string cp1251;
        std::size_t invalid;
    } cases[] = {
        // A surrogate, a value past U+10FFFF and a cut last unit, byte for byte.
        {std::string("\0\0\xFE\xFF\0\0\x04\x3F\0\0\xD8\0\0\x11\0\0\0a", 18), kUtf32Be,
         w("п????????") + "??", 10},
        {std::string("\xFF\xFE\0\0\x3F\x04\0\0\x61", 9), kUtf32Le, w("п?"), 1},
        {std::string("\0\0\xFE\xFF", 4), kUtf32Be, "", 0},
        // UTF-16LE that starts with NUL starts with the UTF-32LE mark; its units
        // read in fours are no code points.
        {std::string("\xFF\xFE\0\0\x3F\x04\x30\x04", 8), kUtf16Le, std::string(1, '\0') + w("па"),
         0},
    };
    for (const auto& c : cases) {
        const auto decoded = decodeText(c.bytes);
        EXPECT_EQ(decoded.encoding, c.encoding) << describeEncoding(c.encoding);
        EXPECT_EQ(decoded.cp1251, c.cp1251) << describeEncoding(c.encoding);
        EXPECT_EQ(decoded.invalidBytes, c.invalid) << describeEncoding(c.encoding);
    }
    EXPECT_EQ(describeEncoding(kUtf32Be), "UTF-32BE BOM");
}

// A file is told from the one a text makes without making it: over several of
// the encoder's pieces, a difference in the last byte, a byte too many or too
// few and a missing byte-order mark each found.
TEST(TextEncoding, AFileIsCheckedAgainstTheTextThatMakesIt) {
    std::string text;
    while (text.size() < 10000) {
        text += kRussian + "\r\n" + allBytes();
    }
    for (const auto encoding : kEveryEncoding) {
        const TextEncoder encoder(encoding);
        const auto file = encoder.encodeFile(text);
        const auto name = describeEncoding(encoding);
        EXPECT_TRUE(encoder.makesFile(text, file)) << name;
        EXPECT_TRUE(encoder.makesFile("", encoder.encodeFile(""))) << name;
        auto changed = file;
        changed.back() = static_cast<char>(changed.back() ^ 1);
        EXPECT_FALSE(encoder.makesFile(text, changed)) << name;
        EXPECT_FALSE(encoder.makesFile(text, file + "a")) << name;
        EXPECT_FALSE(encoder.makesFile(text, file.substr(0, file.size() - 1))) << name;
        EXPECT_FALSE(encoder.makesFile(text + "a", file)) << name;
        if (!encoder.preamble().empty()) {
            EXPECT_FALSE(encoder.makesFile(text, file.substr(encoder.preamble().size()))) << name;
        }
    }
}

TEST(TextEncoding, Utf8DecodesCharacterByCharacter) {
    // Random mixes of ASCII, letters, characters of two and three bytes, invalid or
    // cut-off sequences and, every other round, characters without a Windows-1251
    // form: each character becomes its byte or one separator, each invalid byte one
    // separator.
    const std::string_view pieces[] = {" ",        "a", "\r\n", "ж",    "Ё",    "ў",    "\u00A0",
                                       "—",        "№", "€",    "\xFF", "\x80", "\xC0", "\xE2\x80",
                                       "\xD0\x20", "é", "ß",    "中",   "😀"};
    const std::size_t withForms = std::size(pieces) - 4;
    std::mt19937 random(3);
    for (int round = 0; round < 300; ++round) {
        std::string utf8;
        for (int i = 0; i < 40; ++i) {
            utf8 += pieces[random() % (round % 2 == 0 ? withForms : std::size(pieces))];
        }
        EXPECT_EQ(decodeText(utf8, TextEncoding::Utf8).cp1251, utf8ToCp1251(utf8)) << utf8;
    }
}

TEST(TextEncoding, DetectionAndDecodingAgreeWhereTheStartMisleads) {
    // Long UTF-8 starts followed by Windows-1251 text, by a character without a
    // Windows-1251 form, by stray bytes: decoding with detection gives what decoding
    // in the detected encoding gives.
    std::string utf8Start;
    while (utf8Start.size() < (100 << 10)) {
        utf8Start += fileIn(kUtf8, kRussian);
    }
    std::string cp1251Tail;
    while (cp1251Tail.size() < (200 << 10)) {
        cp1251Tail += kRussian;
    }
    for (const auto& bytes :
         {utf8Start + cp1251Tail, utf8Start + "😀", utf8Start + "\xFF\xC0 ", utf8Start.substr(1)}) {
        const auto detected = decodeText(bytes);
        const auto forced = decodeText(bytes, detectEncoding(bytes).encoding);
        EXPECT_EQ(detected.encoding, detectEncoding(bytes));
        EXPECT_EQ(detected.cp1251, forced.cp1251);
        EXPECT_EQ(detected.invalidBytes, forced.invalidBytes);
    }
}

}  // namespace
}  // namespace undertext
