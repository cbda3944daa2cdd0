#include "document/TextEncoding.h"
#include "document/EncodingChoice.h"
#include "document/Errors.h"
#include "document/LetterCase.h"
#include "document/TextFile.h"
#include "tests/document/EncodingSamples.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Strings = std::vector<std::string>;

TextEncoding Named(std::string_view name) {
    const std::optional<TextEncoding> encoding = FindEncoding(name);
    EXPECT_TRUE(encoding) << name;
    return encoding.value_or(Utf8Encoding());
}

std::string Encoded(std::string_view utf8, std::string_view encoding) {
    std::string out;
    EXPECT_FALSE(AppendEncoded(out, utf8, Named(encoding))) << encoding;
    return out;
}

struct DecodeCase {
    const char *encoding;
    std::string_view bytes;
    const char *utf8;
    std::size_t invalid;
};

TEST(TextEncoding, Decodes) {
    const DecodeCase cases[] = {
        {"windows-1252", "Ol\xE1 \x80\x9F", "Olá €Ÿ", 0},
        // The five bytes Windows leaves undefined keep a character each, so they come back as they were.
        {"cp1252", "\x81\x8D", "\u0081\u008D", 0},
        {"windows-1250", "Za\xBF\xF3\xB3\xE6 g\xEA\x9C", "Zażółć gęś", 0},
        {"windows-1251", "\xCF\xF0\xE8\xE2\xE5\xF2", "Привет", 0},
        {"koi8-r", "\xF0\xD2\xC9\xD7\xC5\xD4", "Привет", 0},
        {"iso-8859-7", "\xE1\xE2\xE3", "αβγ", 0},
        {"windows-1256", "\xE3\xD1\xCD\xC8\xC7", "مرحبا", 0},
        {"utf-8", "caf\xC3\xA9 \xE2\x82", "café \uFFFD", 1},
        {"utf-8", "\xED\xA0\x80!", "\uFFFD\uFFFD\uFFFD!", 3},
        {"utf-16le", std::string_view("A\0\x1F\x04\x00\xDC", 6), "AП\uFFFD", 1},
        {"utf-16be", std::string_view("\xD8\x3D\xDE\x00\0A", 6), "😀A", 0},
        {"utf-16le", std::string_view("A\0B", 3), "A\uFFFD", 1},
        // Second bytes of Big5 and Shift-JIS are often "|", "{" or "\"; they stay inside their character.
        {"big5", "\xA5\x7C\xA6\x7B", "四州", 0},
        {"shift_jis", "\x83\x7C\x95\x5C", "ポ表", 0},
        {"gbk", "\xC4\xE3\xBA\xC3", "你好", 0},
        {"euc-kr", "\xC7\xD1\xB1\xDB", "한글", 0},
        {"euc-jp", "\xC6\xFC\xCB\xDC", "日本", 0},
    };
    for (const DecodeCase &c : cases) {
        const DecodedText decoded = DecodeText(c.bytes, Named(c.encoding));
        EXPECT_EQ(decoded.utf8, c.utf8) << c.encoding;
        EXPECT_EQ(decoded.invalid, c.invalid) << c.encoding;
    }
}

struct EncodeCase {
    const char *encoding;
    const char *utf8;
    std::string_view bytes; // when it fits
    char32_t lacking = 0;   // the first character that does not
    std::size_t lackingOffset = 0;
};

TEST(TextEncoding, EncodesOrNamesTheFirstCharacterItLacks) {
    const EncodeCase cases[] = {
        {"windows-1252", "Olá €\u0081", "Ol\xE1 \x80\x81"},
        {"windows-1252", "ab П", "", U'П', 3},
        {"windows-1251", "Всё", "\xC2\xF1\xB8"},
        {"windows-1250", "żółw ₽", "", U'₽', 8},
        {"big5", "四州", "\xA5\x7C\xA6\x7B"},
        {"shift_jis", "ポ表", "\x83\x7C\x95\x5C"},
        {"gbk", "你好😀", "", U'😀', 6},
        {"utf-16le", "AП😀", std::string_view("A\0\x1F\x04\x3D\xD8\x00\xDE", 8)},
        {"utf-16be", "A", std::string_view("\0A", 2)},
        {"utf-8", "Привет", "Привет"},
        // A look-alike is no round trip: full-width A is not written as A.
        {"windows-1252", "\uFF21", "", U'\uFF21', 0},
    };
    for (const EncodeCase &c : cases) {
        std::string out;
        const std::optional<UnencodableCharacter> lacking = AppendEncoded(out, c.utf8, Named(c.encoding));
        if (c.lacking == 0) {
            EXPECT_FALSE(lacking) << c.encoding << " " << c.utf8;
            EXPECT_EQ(out, c.bytes) << c.encoding;
        } else {
            ASSERT_TRUE(lacking) << c.encoding << " " << c.utf8;
            EXPECT_EQ(lacking->character, c.lacking);
            EXPECT_EQ(lacking->offset, c.lackingOffset);
        }
    }
}

TEST(TextEncoding, EveryByteOfTheWindowsCodePagesComesBackUnchanged) {
    for (const char *name : {"windows-1250", "windows-1251", "windows-1252"}) {
        std::string all;
        for (int byte = 0; byte < 256; ++byte)
            all += static_cast<char>(byte);
        const DecodedText decoded = DecodeText(all, Named(name));
        ASSERT_EQ(decoded.invalid, 0u) << name;
        EXPECT_EQ(Encoded(decoded.utf8, name), all) << name;
    }
}

TEST(TextEncoding, NamesAndAliases) {
    const std::pair<const char *, const char *> names[] = {
        {"UTF-8", "UTF-8"},         {"utf8", "UTF-8"},
        {"CP1251", "Windows-1251"}, {"windows-1258", "Windows-1258"},
        {"Latin1", "ISO-8859-1"},   {"latin-9", "ISO-8859-15"},
        {"KOI8-U", "KOI8-U"},       {"SJIS", "Shift_JIS"},
        {"big5", "Big5"},           {"gb18030", "GB18030"},
        {"EUC-KR", "EUC-KR"},       {"windows-874", "Windows-874"},
        {"utf-16", "UTF-16LE"},
    };
    for (const auto &[typed, name] : names)
        EXPECT_EQ(Named(typed).name, name) << typed;
    EXPECT_TRUE(Named("utf-8-bom").byteOrderMark);
    EXPECT_TRUE(Named("utf-16be").byteOrderMark);
    EXPECT_FALSE(FindEncoding("klingon"));
    EXPECT_FALSE(FindEncoding(""));
    EXPECT_EQ(EncodingLabel(Named("cp1250")), "Windows-1250 (Central European)");
    EXPECT_EQ(LegacyEncodingForLanguage("pl_PL.UTF-8").name, "Windows-1250");
    EXPECT_EQ(LegacyEncodingForLanguage("ru").name, "Windows-1251");
    EXPECT_EQ(LegacyEncodingForLanguage("zh_TW").name, "Big5");
    EXPECT_EQ(LegacyEncodingForLanguage("zh_CN").name, "GBK");
    EXPECT_EQ(LegacyEncodingForLanguage("pt_BR").name, "Windows-1252");
    EXPECT_EQ(LegacyEncodingForLanguage("").name, "Windows-1252");
}

// A SubRip file of the lines, one subtitle each.
std::string SubRipOf(const std::array<std::string_view, 12> &lines, std::size_t count) {
    std::string file;
    for (std::size_t i = 0; i < count; ++i)
        file += std::to_string(i + 1) + "\r\n00:00:0" + std::to_string(i % 10) + ",000 --> 00:00:0" +
                std::to_string(i % 10) + ",500\r\n" + std::string(lines[i]) + "\r\n\r\n";
    return file;
}

// What matters is the text read back: ISO-8859-7 and Windows-1253 hold these Greek letters alike.
TEST(EncodingChoice, ReadsADozenSubtitlesOfEachLanguageInItsCodePage) {
    for (const LanguageSample &sample : kLanguageSamples) {
        const std::string utf8 = SubRipOf(sample.lines, sample.lines.size());
        const std::string file = Encoded(utf8, sample.encoding);
        const LoadedText loaded = DecodeTextLines(file);
        EXPECT_EQ(loaded.encoding.source, EncodingSource::Detected) << sample.language;
        EXPECT_EQ(loaded.lines.Count(), 48u) << sample.language;
        for (std::size_t i = 0; i < sample.lines.size() && loaded.lines.Count() == 48; ++i)
            EXPECT_EQ(loaded.lines.Item(4 * i + 2), sample.lines[i])
                << sample.language << " read as " << loaded.encoding.encoding.name;
        EXPECT_EQ(loaded.invalidCharacters, 0u) << sample.language;

        // Three subtitles are enough where the fallback is the desktop language's own code page.
        const LoadedText few = DecodeTextLines(Encoded(SubRipOf(sample.lines, 3), sample.encoding),
                                               {std::nullopt, Named(sample.encoding)});
        EXPECT_EQ(few.lines.Item(10), sample.lines[2])
            << sample.language << " read as " << few.encoding.encoding.name;
    }
}

struct ChoiceCase {
    const char *what;
    std::string_view bytes;
    ReadingOptions options;
    const char *encoding;
    EncodingSource source;
};

TEST(EncodingChoice, MarkThenUtf8ThenDetectorThenFallback) {
    const TextEncoding polish = Named("windows-1250");
    const ChoiceCase cases[] = {
        {"UTF-8 mark",
         "\xEF\xBB\xBF"
         "abc",
         {},
         "UTF-8",
         EncodingSource::Mark},
        {"UTF-16 LE mark",
         "\xFF\xFE"
         "a\0",
         {},
         "UTF-16LE",
         EncodingSource::Mark},
        {"UTF-32 LE mark", std::string_view("\xFF\xFE\0\0a\0\0\0", 8), {}, "UTF-32LE", EncodingSource::Mark},
        {"UTF-16 BE mark", "\xFE\xFF\0a", {}, "UTF-16BE", EncodingSource::Mark},
        {"valid UTF-8", "Ol\xC3\xA1", {}, "UTF-8", EncodingSource::Utf8},
        {"ASCII only", "plain text", {std::nullopt, polish, true}, "Windows-1250", EncodingSource::Fallback},
        {"too little to judge", "Ol\xE1", {}, "Windows-1252", EncodingSource::Fallback},
        {"detection off",
         "\xCF\xF0\xE8\xE2\xE5\xF2 \xEC\xE8\xF0 \xE4\xF0\xF3\xE7\xFC\xFF",
         {std::nullopt, Named("windows-1252"), false},
         "Windows-1252",
         EncodingSource::Fallback},
        {"named over the mark",
         "\xEF\xBB\xBF"
         "abc",
         {Named("windows-1251")},
         "Windows-1251",
         EncodingSource::Named},
    };
    for (const ChoiceCase &c : cases) {
        const ChosenEncoding chosen = ChooseEncoding(c.bytes, c.options);
        EXPECT_EQ(chosen.encoding.name, c.encoding) << c.what;
        EXPECT_EQ(chosen.source, c.source) << c.what;
    }
}

TEST(TextFileEncoding, ANamedEncodingThatDoesNotFitIsRefused) {
    EXPECT_THROW(DecodeTextLines("caf\xE9", {Named("utf-8")}), FileError);
    EXPECT_EQ(DecodeTextLines("caf\xE9", {Named("windows-1252")}).lines.Item(0), "café");
}

TEST(TextFileEncoding, LinesEndTheSameInEveryEncoding) {
    // UTF-16 files with LF line ends, as some tools write them, split like any other.
    const std::string file = Encoded("1\n00:00:01,000 --> 00:00:02,000\nПривет\n", "utf-16le");
    const LoadedText loaded = DecodeTextLines("\xFF\xFE" + file);
    EXPECT_EQ(loaded.lines.ToVector(), (Strings{"1", "00:00:01,000 --> 00:00:02,000", "Привет"}));
}

struct CaseCase {
    const char *text;
    LetterCase to;
    const char *changed;
};

TEST(LetterCase, UnicodeLettersChangeAndWindowsTextAsBefore) {
    const CaseCase cases[] = {
        {"Привет, мир", LetterCase::AnsiUpper, "ПРИВЕТ, МИР"},
        {"ΚΑΛΗΜΈΡΑ", LetterCase::AnsiLower, "καλημέρα"},
        {"ısık İz", LetterCase::AnsiUpper, "ISIK İZ"},
        {"ÀÉÎ Œ Š Ÿ", LetterCase::AnsiLower, "àéî œ š ÿ"},
        // Sharp s, micro and f with hook have no capital of their own in Windows text.
        {"straße µ ƒ", LetterCase::AnsiUpper, "STRAßE µ ƒ"},
        // The plain buttons change a to z only.
        {"ação", LetterCase::Upper, "AçãO"},
        {"ÁRVORE", LetterCase::Lower, "Árvore"},
    };
    for (const CaseCase &c : cases) {
        std::string text = c.text;
        ChangeCase(text, c.to);
        EXPECT_EQ(text, c.changed) << c.text;
    }
}

} // namespace
