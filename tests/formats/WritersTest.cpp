#include "convert/OpenSubtitles.h"
#include "convert/SubRipConversion.h"
#include "document/Errors.h"
#include "document/FrameLine.h"
#include "document/Legendas.h"
#include "document/NumText.h"
#include "document/TextEncoding.h"
#include "formats/OutputFormats.h"
#include "formats/PieceWriting.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <random>
#include <string>
#include <vector>

namespace {

using Lines = std::vector<std::string>;

// Answers every question Yes and keeps nothing.
class AnswerYes : public Questions {
public:
    void ShowMessage(const std::string &) override {}
    bool AskYesNo(const std::string &, QuestionKind) override { return true; }
};

Lines Written(std::string_view key, const TextList &entries, const WriteOptions &options) {
    return WrittenLines(*FindOutputFormat(key), entries, options).ToVector();
}

std::string FileBytes(const TextList &lines) {
    std::string bytes = "\xEF\xBB\xBF";
    for (const std::string_view line : lines)
        bytes.append(line).append("\r\n");
    return bytes;
}

// The lines after a writer's fixed header.
Lines After(const Lines &lines, std::size_t header) {
    return Lines(lines.begin() + static_cast<std::ptrdiff_t>(std::min(header, lines.size())), lines.end());
}

// The clock texts share the SubRip conversion's rounding and delay rule;
// coarser styles round the milliseconds ties to even and carry.
TEST(WrittenTimes, MillisecondsFollowTheSubRipClockAndEachStyleRoundsThem) {
    struct Case {
        const char *frames;
        Extended delay;
        Extended fps;
        long long milliseconds;
    };
    for (const Case &c :
         {Case{"1000", 0, 23.976L, 41708}, Case{"100", 2, 25, 2000}, Case{"100", -1.5L, 25, 5500},
          Case{"10", 5, 25, 0}, Case{"89999", 0, 25, 3599960}}) {
        EXPECT_EQ(FramesToMilliseconds(c.frames, c.delay, c.fps), c.milliseconds) << c.frames;
        EXPECT_EQ(FramesToTime(c.frames, c.delay, c.fps), ClockText(c.milliseconds, {2, ',', 3}));
    }
    EXPECT_THROW(FramesToMilliseconds("x", 0, 25), ConvertError);
    EXPECT_THROW(FramesToMilliseconds("2000000000", 0, 1e-10L), ConvertError);
    EXPECT_EQ(ClockText(3599995, kAssClock), "1:00:00.00");
    EXPECT_EQ(ClockText(3599985, kSubViewerClock), "00:59:59.98");
    EXPECT_EQ(ClockText(360000000000, kWebVttClock), "100000:00:00.000");
    EXPECT_EQ(RoundToUnit(2450, 100), 24);
    EXPECT_EQ(RoundToUnit(2550, 100), 26);
}

const TextList kTwo{"{25}{62}Hello|world", "{75}{100}Second"};

// Each writer's lines for a small list at 25 frames per second, delay 0.
TEST(Writers, EachFormatWritesItsLines) {
    struct Case {
        const char *key;
        std::size_t header; // lines before the first subtitle, left out below
        Lines lines;
    };
    const Case cases[] = {
        {"sub", 0, {"{25}{62}Hello|world", "{75}{100}Second"}},
        {"srt",
         0,
         {"1", "00:00:01,000 --> 00:00:02,480", "Hello", "world", "", "2", "00:00:03,000 --> 00:00:04,000",
          "Second", ""}},
        {"vtt",
         0,
         {"WEBVTT", "", "00:00:01.000 --> 00:00:02.480", "Hello", "world", "",
          "00:00:03.000 --> 00:00:04.000", "Second", ""}},
        {"ass",
         13,
         {"Dialogue: 0,0:00:01.00,0:00:02.48,Default,,0,0,0,,Hello\\Nworld",
          "Dialogue: 0,0:00:03.00,0:00:04.00,Default,,0,0,0,,Second"}},
        {"ssa",
         13,
         {"Dialogue: Marked=0,0:00:01.00,0:00:02.48,Default,,0,0,0,,Hello\\Nworld",
          "Dialogue: Marked=0,0:00:03.00,0:00:04.00,Default,,0,0,0,,Second"}},
        {"smi",
         10,
         {"<SYNC Start=1000><P Class=ENUSCC>Hello<br>world", "<SYNC Start=2480><P Class=ENUSCC>&nbsp;",
          "<SYNC Start=3000><P Class=ENUSCC>Second", "<SYNC Start=4000><P Class=ENUSCC>&nbsp;", "</BODY>",
          "</SAMI>"}},
        {"ttml",
         0,
         {"<?xml version=\"1.0\" encoding=\"UTF-8\"?>",
          "<tt xmlns=\"http://www.w3.org/ns/ttml\" xml:lang=\"en\">", "<body>", "<div>",
          "<p begin=\"00:00:01.000\" end=\"00:00:02.480\">Hello<br/>world</p>",
          "<p begin=\"00:00:03.000\" end=\"00:00:04.000\">Second</p>", "</div>", "</body>", "</tt>"}},
        {"subviewer",
         12,
         {"00:00:01.00,00:00:02.48", "Hello[br]world", "", "00:00:03.00,00:00:04.00", "Second", ""}},
        {"mpl2", 0, {"[10][25]Hello|world", "[30][40]Second"}},
    };
    ASSERT_EQ(std::size(cases), OutputFormats().size());
    for (const Case &c : cases) {
        SCOPED_TRACE(c.key);
        EXPECT_EQ(After(Written(c.key, kTwo, {25, 0, 2}), c.header), c.lines);
    }
    // SAMI clears a subtitle only when the next does not start as it ends.
    EXPECT_EQ(After(Written("smi", TextList{"{25}{50}A", "{50}{75}B"}, {25, 0, 2}), 10).front(),
              "<SYNC Start=1000><P Class=ENUSCC>A");
    EXPECT_EQ(After(Written("smi", TextList{"{25}{50}A", "{50}{75}B"}, {25, 0, 2}), 10)[1],
              "<SYNC Start=2000><P Class=ENUSCC>B");
}

// One row for every writer: "<", "&" and ">" in the text, "|" between its
// lines, and a character the output encoding lacks.
TEST(Writers, EscapeMarkupAndRefuseWhatTheEncodingLacks) {
    struct Case {
        const char *key;
        std::string line; // the written line that holds the text
    };
    const Case cases[] = {
        {"sub", "{25}{50}a<b>&c|{x}"},
        {"srt", "a<b>&c"},
        {"vtt", "a&lt;b&gt;&amp;c"},
        {"ass", "Dialogue: 0,0:00:01.00,0:00:02.00,Default,,0,0,0,,a<b>&c\\N\\{x\\}"},
        {"ssa", "Dialogue: Marked=0,0:00:01.00,0:00:02.00,Default,,0,0,0,,a<b>&c\\N\\{x\\}"},
        {"smi", "<SYNC Start=1000><P Class=PTPTCC>a&lt;b&gt;&amp;c<br>{x}"},
        {"ttml", "<p begin=\"00:00:01.000\" end=\"00:00:02.000\">a&lt;b&gt;&amp;c<br/>{x}</p>"},
        {"subviewer", "a<b>&c[br]{x}"},
        {"mpl2", "[10][20]a<b>&c|{x}"},
    };
    const TextList entries{"{25}{50}a<b>&c|{x}", "{50}{75}\xD0\x96"}; // U+0416, not in Windows-1252
    const TextEncoding windows1252 = *FindEncoding("windows-1252");
    TempFolder folder("writers");
    for (const Case &c : cases) {
        SCOPED_TRACE(c.key);
        const OutputFormat &format = *FindOutputFormat(c.key);
        const Lines lines = Written(c.key, entries, {25, 0, 1});
        EXPECT_NE(std::find(lines.begin(), lines.end(), c.line), lines.end());

        TextList list = entries;
        const std::string file = folder.Path("out" + std::string(format.extension));
        AnswerYes questions;
        const auto save = [&] {
            SaveListAs(format, list, SubRipRequest{"25", "0", false, 1, {}}, questions, file,
                       OutputEncodingOf(format, windows1252));
        };
        if (format.alwaysUtf8) {
            EXPECT_NO_THROW(save());
            continue;
        }
        try {
            save();
            ADD_FAILURE() << "written in Windows-1252";
        } catch (const UnencodableSubtitle &error) {
            EXPECT_EQ(error.subtitle, 2u);
            EXPECT_EQ(error.character, U'\u0416');
        }
    }
}

// Script text that a renderer would read as markup shows as typed: braces
// escaped, which the reader takes back, and a word joiner between a
// backslash and the letter of a break or a hard space.
TEST(Writers, ScriptTextThatLooksLikeMarkupShowsAsTyped) {
    const TextList entries{"{25}{50}{\\i1}|a\\N\\n\\h\\x\\"};
    const std::string joiner = "\xE2\x81\xA0";
    const Lines lines = Written("ass", entries, {25, 0, 2});
    EXPECT_EQ(lines.back(), "Dialogue: 0,0:00:01.00,0:00:02.00,Default,,0,0,0,,\\{\\i1\\}\\Na\\" + joiner +
                                "N\\" + joiner + "n\\" + joiner + "h\\x\\");
    AnswerYes questions;
    const std::string bytes = FileBytes(TextList(lines));
    const OpenedSubtitles opened = OpenSubtitles(
        OpenRequest{"back.ass", std::string_view(bytes), "25", ReadingOptions{}, false, 2}, questions);
    ASSERT_EQ(opened.lines.Count(), 1u);
    EXPECT_EQ(opened.lines[0], "{25}{50}{\\i1}|a\\" + joiner + "N\\" + joiner + "n\\" + joiner + "h\\x\\");
}

// A random list of subtitles with the text people type: accents, markup
// characters, several lines.
TextList RandomList(std::mt19937 &random, std::size_t count) {
    const char *const words[] = {"Ol\xC3\xA1",        "mundo", "a<b",        "x & y", "100%",  "why?",
                                 "\xC3\xA9t\xC3\xA9", "--",    "\"quoted\"", "it's",  "R$5,00"};
    std::uniform_int_distribution<int> word(0, static_cast<int>(std::size(words)) - 1);
    std::uniform_int_distribution<int> small(1, 3);
    std::uniform_int_distribution<int> length(10, 120);
    TextList list;
    int frame = 0;
    for (std::size_t i = 0; i < count; ++i) {
        const int start = frame + small(random);
        const int end = start + length(random);
        frame = end;
        std::string text;
        for (int line = small(random); line > 0; --line) {
            if (!text.empty())
                text += '|';
            for (int w = small(random); w > 0; --w) {
                text += words[word(random)];
                if (w > 1)
                    text += ' ';
            }
        }
        list.Add("{" + std::to_string(start) + "}{" + std::to_string(end) + "}" + text);
    }
    return list;
}

// What Lumavert writes in a format it also reads comes back with the same
// text, each time within one frame.
TEST(Writers, WhatIsWrittenInAFormatLumavertReadsComesBack) {
    std::mt19937 random(34);
    for (const char *fps : {"25", "23,976"}) {
        const TextList list = RandomList(random, 60);
        for (const OutputFormat &format : OutputFormats()) {
            SCOPED_TRACE(std::string(format.key) + " at " + fps);
            const TextList written = WrittenLines(format, list, {StrToFloat(fps), 0, 2});
            AnswerYes questions;
            const std::string bytes = FileBytes(written);
            const OpenRequest request{"back" + std::string(format.extension),
                                      std::string_view(bytes),
                                      fps,
                                      ReadingOptions{},
                                      false,
                                      2};
            const OpenedSubtitles opened = OpenSubtitles(request, questions);
            ASSERT_EQ(opened.lines.Count(), list.Count());
            for (std::size_t i = 0; i < list.Count(); ++i) {
                const FrameLineViews was = CutFrameLine(list[i]);
                const FrameLineViews back = CutFrameLine(opened.lines[i]);
                EXPECT_EQ(back.text, was.text) << i;
                EXPECT_LE(std::abs(StrToInt(back.startText) - StrToInt(was.startText)), 1) << list[i];
                EXPECT_LE(std::abs(StrToInt(back.endText) - StrToInt(was.endText)), 1) << list[i];
            }
        }
    }
}

// Lines and the entries they belong to ("#3"), in the order they come.
class Recorder final : public EntryLineOut {
public:
    void Entry(std::size_t index) override { got.push_back("#" + std::to_string(index)); }
    void Add(std::string_view line) override { got.emplace_back(line); }
    Lines got;
    bool failed = false;
};

// A long list is written a piece at a time on two threads; whichever piece
// holds the head, the tail or an entry that does not convert, what comes
// out, up to that entry, is what one call writes.
TEST(Writers, LongListsWrittenInPiecesComeOutAsInOneCall) {
    for (const std::size_t count : {10000, 20000}) {
        for (const bool broken : {false, true}) {
            TextList entries;
            for (std::size_t i = 0; i < count; ++i)
                entries.Add("{" + std::to_string(10 * i) + "}{" + std::to_string(10 * i + 5) + "}<line " +
                            std::to_string(i) + ">|&");
            if (broken)
                entries.Set(9000, "{x}{1}bad");
            for (const OutputFormat &format : OutputFormats()) {
                const auto write = [&](EntryRange range, EntryLineOut &out) {
                    format.write(entries, range, {25, 0, 2}, out);
                };
                Recorder whole;
                Recorder pieces;
                try {
                    write({0, count}, whole);
                } catch (const ConvertError &) {
                    whole.failed = true;
                }
                try {
                    WriteInPieces(count, write, pieces);
                } catch (const ConvertError &) {
                    pieces.failed = true;
                }
                EXPECT_EQ(pieces.failed, whole.failed) << format.key << " " << count;
                EXPECT_TRUE(pieces.got == whole.got) << format.key << " " << count << " " << broken;
            }
        }
    }
}

// The lines another program prints, run through the shell; nothing when it fails.
std::optional<std::string> Output(const std::string &command) {
    FILE *pipe = popen(command.c_str(), "r");
    if (!pipe)
        return std::nullopt;
    std::string out;
    char buffer[4096];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
        out.append(buffer, n);
    return pclose(pipe) == 0 ? std::optional<std::string>(out) : std::nullopt;
}

// ffmpeg reads each file back to the SubRip text Lumavert writes for the
// same list; the TTML document is well-formed XML.
TEST(Writers, OtherProgramsReadTheFilesBack) {
    if (std::system("ffmpeg -version >/dev/null 2>&1") != 0 ||
        std::system("xmllint --version >/dev/null 2>&1") != 0)
        GTEST_SKIP() << "ffmpeg or xmllint is not installed";
    // Times on tenths of a second, so that every format holds them exactly.
    const TextList list{"{25}{50}Ol\xC3\xA1, mundo!|Second line", "{75}{100}It's 100% \"quoted\"",
                        "{1500}{1625}\xC3\xA9t\xC3\xA9 -- why?"};
    const WriteOptions options{25, 0, 2};
    std::string expected;
    for (const std::string_view line : WrittenLines(SubRipOutput(), list, options))
        expected.append(line).append("\n");
    TempFolder folder("ffmpeg");
    for (const char *key : {"vtt", "ass", "ssa", "smi", "subviewer", "mpl2", "ttml"}) {
        SCOPED_TRACE(key);
        const OutputFormat &format = *FindOutputFormat(key);
        const std::string file = folder.Path("out" + std::string(format.extension));
        std::ofstream(file, std::ios::binary) << FileBytes(WrittenLines(format, list, options)).substr(3);
        if (std::string_view(key) == "ttml") {
            EXPECT_TRUE(Output("xmllint --noout '" + file + "' 2>&1"));
            continue;
        }
        // ffmpeg recognises MPL2 by its content only, never in a .txt file.
        const std::string demuxer = std::string_view(key) == "mpl2" ? "-f mpl2 " : "";
        const std::optional<std::string> srt =
            Output("ffmpeg -nostdin -v quiet " + demuxer + "-i '" + file + "' -f srt - 2>/dev/null");
        ASSERT_TRUE(srt);
        // ffmpeg ends the lines inside a cue with CR LF, the others with LF.
        std::string lines = *srt;
        lines.erase(std::remove(lines.begin(), lines.end(), '\r'), lines.end());
        EXPECT_EQ(lines, expected);
    }
}

} // namespace
