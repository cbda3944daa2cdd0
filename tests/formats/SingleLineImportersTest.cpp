#include "tests/formats/ImportTable.h"
#include "tests/formats/OpenedFile.h"

#include "document/MessageTable.h"
#include "formats/SingleLineFormats.h"
#include "shell/Unit1.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

namespace {
using Lines = std::vector<std::string>;

// A Captions 32 line: the times, then two text fields padded to their width
// with "|" at character 62 between them.
std::string Captions32Line(const std::string &times, const std::string &first, const std::string &second) {
    return times + first + std::string(33 - first.size(), ' ') + "|" + second +
           std::string(33 - second.size(), ' ');
}

class SingleLineImport : public ImportTable {};

TEST_P(SingleLineImport, OneFrameLinePerSubtitleLine) {
    Check();
}

// The rate of every row is 25 frames per second unless the box says otherwise;
// a timecode's last field is a decimal fraction of the second (00:00:22:10 is
// 552.5 frames, 552 to the even neighbour). A box text with a dot is written
// back with the decimal comma.
// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Formats, SingleLineImport,
    ::testing::Values(
        ImportCase{"DVDJunior", ImportDVDJunior,
            "Subtitle File Mark:2:...\n00:00:01:00&00:00:02:00#Hello<world\n00:00:03:50&00:00:03:50#A<b<c",
            "25.000", {"{1}{1}25,000", "{25}{50}Hello|world", "{88}{111}A|b|c"}, "25,000", "DVDJunior"},
        // Lines without "&", or without "#" after it, hold no subtitle.
        ImportCase{"DVDJuniorSkips", ImportDVDJunior,
            "Subtitle File Mark\n\nno times\n00:00:01:00#x&y\n00:00:01:00&00:00:02:00#ok\n",
            "25,000", {"{1}{1}25,000", "{25}{50}ok"}, "25,000", "DVDJunior"},
        // The header line is never read as a subtitle, whatever it holds.
        ImportCase{"DVDJuniorHeaderOnly", ImportDVDJunior, "Subtitle File Mark&00:00:02:00#",
            "25,000", {"{1}{1}25,000"}, "25,000", "DVDJunior"},
        ImportCase{"PowerDivX", ImportPowerDivX,
            "{0:00:01}{0:00:03}Hi|there\n{bad line}\n\n{0:00:05}{0:00:04}",
            "23.976", {"{1}{1}23,976", "{24}{72}Hi|there", "{120}{143}"}, "23,976", "PowerDivX"},
        ImportCase{"SpruceDVDMaestro", ImportSpruceDVDMaestro,
            "st_format 2\nDisplay_Area (0 2 719 479)\n\n0001  00:00:19:13 00:00:22:10 - Hello - Hi\n"
            "not a subtitle\n0002  00:00:23:00 00:00:24:50 One-way\n\n0003  00:00:25:00 00:00:26:00 a  b",
            "25.000", {"{1}{1}25,000", "{478}{552}-Hello |Hi", "{575}{612}One|way", "{625}{650}a  b"},
            "25,000", "Spruce DVD Maestro"},
        // Reading starts at "0001" only; a file without it has no subtitle.
        ImportCase{"SpruceDVDMaestroWithoutFirstSubtitle", ImportSpruceDVDMaestro,
            "st_format 2\n0002  00:00:01:00 00:00:02:00 x",
            "25,000", {"{1}{1}25,000"}, "25,000", "Spruce DVD Maestro"},
        // No layout test: a line of anything else is a subtitle of invalid times.
        ImportCase{"MacDVDStudioPro", ImportMacDVDStudioPro, "00:00:03:00\t00:00:08:00\tText\nanything",
            "25.000", {"{1}{1}25,000", "{75}{200}Text", "{0}{23}"}, "25,000", "Mac DVD Studio Pro"},
        ImportCase{"Captions32", ImportCaptions32,
            Captions32Line("00:00:01:00 , 00:00:02:00 , ", "Hello", "World") + "\n" +
                Captions32Line("00:00:03:00 , 00:00:04:00 , ", "One", "") +
                "\n00:00:05:00 , 00:00:06:00 , No bar   ",
            "25.000", {"{1}{1}25,000", "{25}{50}Hello|World", "{75}{100}One", "{125}{150}No bar"},
            "25,000", "Captions32"},
        // Pinnacle converts at the rate the opener set (25), not at the box's.
        ImportCase{"Pinnacle", ImportPinnacle,
            "-----\n#INPOINT OUTPOINT PATH\n-----\n00:03:15:22 00:03:23:10 This is line one.\n"
            "This is line two.\n00:00:01:00 00:00:02:00 Never read",
            "30.5", {"{1}{1}30,5", "{4880}{5078}This is line one.", "{0}{23}"}, "30,5",
            "Pinnacle Impression"},
        ImportCase{"PinnacleHeaderOnly", ImportPinnacle, "-----\n#INPOINT OUTPOINT PATH\n-----",
            "25,000", {"{1}{1}25,000"}, "25,000", "Pinnacle Impression"}),
    ImportCaseName);
// clang-format on

// The text rules of the formats, Spruce DVD Maestro's dashes and Captions 32's padded fields.
struct TextCase {
    std::string (*rule)(std::string_view);
    const char *in, *out;
};

class SingleLineTexts : public ::testing::TestWithParam<TextCase> {};

TEST_P(SingleLineTexts, BecomeFrameLineTexts) {
    EXPECT_EQ(GetParam().rule(GetParam().in), GetParam().out);
}

// Beyond the rows of the import table: the edges of the dash steps, a bar of
// the file's own, and fields missing on either side of the bar.
// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Rules, SingleLineTexts,
    ::testing::Values(TextCase{SpruceMaestroText, "", ""}, TextCase{SpruceMaestroText, "-", "-"},
                      TextCase{SpruceMaestroText, "  x -   y", "x |y"},
                      TextCase{SpruceMaestroText, "a |  b", "a |b"},
                      TextCase{SpruceMaestroText, "-  - x", "-|x"}, TextCase{SpruceMaestroText, "x-", "x|"},
                      TextCase{Captions32Text, "   |B", "|B"}, TextCase{Captions32Text, "A |B|C  ", "A|B|C"},
                      TextCase{Captions32Text, "", ""}));
// clang-format on

TEST(SingleLineTexts, ALongLineOfDashesStaysLinear) {
    std::string dashes;
    for (int i = 0; i < 1'000'000; ++i)
        dashes += "-  ";
    const auto started = std::chrono::steady_clock::now();
    const std::string text = SpruceMaestroText(dashes);
    const auto seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    EXPECT_EQ(text, "-" + std::string(999'999, '|'));
    EXPECT_LT(seconds, 2.0) << seconds;
}

// The formats through the opener: chosen by extension or by their first
// lines, they show their name and keep the frame-rate box.
class SingleLineOpening : public OpeningFiles {};

TEST_P(SingleLineOpening, ShowsTheFormatAndKeepsTheRate) {
    OpenAndCheck();
}

INSTANTIATE_TEST_SUITE_P(
    Files, SingleLineOpening,
    ::testing::Values(OpenedFile{"junior.txt",
                                 "Subtitle File Mark:2\r\n00:00:01:00&00:00:02:00#A<B\r\n",
                                 "23,976",
                                 "DVDJunior",
                                 "23,976",
                                 {"{24}{48}A|B"}},
                      OpenedFile{"divx.psb",
                                 "{0:00:01}{0:00:02}A\r\n{0:00:03}{0:00:04}B\r\n",
                                 "23,976",
                                 "PowerDivX",
                                 "23,976",
                                 {"{24}{48}A", "{72}{96}B"}},
                      OpenedFile{"maestro.son",
                                 "st_format 2\r\n0001  00:00:19:13 00:00:22:10 a_0001.tif\r\n",
                                 "23,976",
                                 "Spruce DVD Maestro",
                                 "23,976",
                                 {"{459}{530}a_0001.tif"}},
                      OpenedFile{"mac.txt",
                                 "00:00:03:00\t00:00:08:00\tText\r\n00:00:09:00\t00:00:10:00\tMore\r\n",
                                 "23,976",
                                 "Mac DVD Studio Pro",
                                 "23,976",
                                 {"{72}{192}Text", "{216}{240}More"}},
                      OpenedFile{"captions.txt",
                                 Captions32Line("00:00:01:00 , 00:00:02:00 , ", "A", "B") + "\r\n",
                                 "23,976",
                                 "Captions32",
                                 "23,976",
                                 {"{24}{48}A|B"}},
                      OpenedFile{
                          "pinnacle.txt",
                          "----\r\n#INPOINT OUTPOINT PATH\r\n----\r\n00:00:01:00 00:00:02:00 A\r\n----\r\n",
                          "23,976",
                          "Pinnacle Impression",
                          "23,976",
                          {"{24}{48}A"}}),
    OpenedFileName);
} // namespace
