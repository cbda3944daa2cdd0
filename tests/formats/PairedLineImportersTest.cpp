#include "tests/formats/ImportTable.h"
#include "tests/formats/OpenedFile.h"

#include "shell/Unit1.h"

#include <filesystem>
#include <fstream>
#include <string>

namespace {
class PairedLineImports : public ImportTable {};

TEST_P(PairedLineImports, TurnLineGroupsIntoFrameLines) {
    Check();
}

// The eight header lines of an Inscriber CG file, then its body.
std::string Inscriber(const std::string &body) {
    return "@@9 Title\n@@9 2\n@@9 3\n@@9 4\n@@9 5\n@@9 6\n@@9 7\n@@9 8\n" + body;
}

constexpr const char *kHeader = "{1}{1}30,000";

// clang-format off
INSTANTIATE_TEST_SUITE_P(Formats, PairedLineImports, ::testing::Values(
    ImportCase{"SubCreatorPairs", ImportSubCreator, "00:00:41.2:Hello|world\n00:00:44.8:", "30.000",
        {kHeader, "{1236}{1344}Hello|world"}, "30,000", "SubCreator"},
    // A text line without its clear line lasts the default duration.
    ImportCase{"SubCreatorOddLineCount", ImportSubCreator, "00:00:01.0:A\n00:00:02.0:\n00:00:03.0:B", "30.000",
        {kHeader, "{30}{60}A", "{90}{113}B"}, "30,000", "SubCreator"},
    ImportCase{"SbtRecords", ImportSBT,
        "00:00:01,000\n00:00:02,000\nHello\nworld\n00:00:03,000\n00:00:04,000\nOnly\n\n"
        "00:00:05,000\n00:00:06,000\n\nSecond\n00:00:07,000\n00:00:06,000\nShort", "30.000",
        {kHeader, "{30}{60}Hello|world", "{90}{120}Only", "{150}{180}Second", "{210}{233}Short"}, "30,000", "SBT"},
    ImportCase{"SbtRecordWithoutItsEnd", ImportSBT, "00:00:01,000", "30.000", {kHeader, "{30}{53}"}, "30,000", "SBT"},
    // No header line and CurrentFps; of the lines before a time line only
    // the last counts; a time line may have no text of its own.
    ImportCase{"InscriberLines", ImportInscriberCG,
        Inscriber("@@9 First line\n@@9 Second line 00:00:01:00  00:00:02:00>\n\n"
                  "@@9 dropped\n@@9 kept\n@@9 own 00:00:03:00  00:00:04:00>\n"
                  "@@9 00:00:05:00  00:00:06:00>\n@@9  00:00:07:00  00:00:08:00>\n@@9 pending at the end"), "30.000",
        {"{25}{50}First line|Second line", "{75}{100}kept|own", "{125}{150}", "{175}{200}"}, "30.000", "Inscriber CG"},
    ImportCase{"InscriberOnlyHeaderLines", ImportInscriberCG,
        "@@9 Title\n@@9 Text 00:00:01:00  00:00:02:00>", "30.000", {}, "30.000", "Inscriber CG"}),
    ImportCaseName);
// clang-format on

// A file of each format through the opener, with "29,7" in the frame-rate box.
class PairedLineOpening : public OpeningFiles {};

TEST_P(PairedLineOpening, ShowsTheFormatTheRateAndTheSubtitles) {
    OpenAndCheck();
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Formats, PairedLineOpening, ::testing::Values(
    OpenedFile{"fab.txt", "00:00:10:00  00:00:20:00\r\nHi\r\n", "29,7", "FAB Subtitler", "29,700", {"{297}{594}Hi"}},
    OpenedFile{"dss.txt", "00:00:10:00 00:00:20:00 Hi//there\r\n", "29,7", "DVD Subtitle System", "29,700",
               {"{297}{594}Hi|there"}},
    OpenedFile{"encore.txt", "00:00:10:00 00:00:20:00 Hi\r\nthere\r\n", "29,7", "Adobe Encore DVD", "29,700",
               {"{297}{594}Hi|there"}},
    OpenedFile{"sonic.txt", "0001  00:00:10:00  00:00:20:00  Hi\r\n", "29,7", "Sonic DVD Creator", "29,700",
               {"{297}{594}Hi"}},
    OpenedFile{"subcreator.txt", "00:00:10.0:Hi\r\n00:00:20.0:\r\n", "29,7", "SubCreator", "29,700", {"{297}{594}Hi"}},
    OpenedFile{"film.sbt", "00:00:10,000\r\n00:00:20,000\r\nHi\r\n\r\n", "29,7", "SBT", "29,700", {"{297}{594}Hi"}},
    // No header line: the box keeps its text and the first subtitle stays first.
    OpenedFile{"inscriber.txt",
               Inscriber("@@9 Hi 00:00:10:00  00:00:20:00>\r\n@@9 Bye 00:00:30:00  00:00:40:00>\r\n"), "29,7",
               "Inscriber CG", "29,7", {"{297}{594}Hi", "{891}{1188}Bye"}},
    OpenedFile{"script.txt", "BMPFILE: a.bmp\r\n\r\nSTARTTIME: 10\r\nTIME: 20 DISABLE_OGT\r\n", "29,7",
               "I-Author Script", "29,700", {"{297}{594}a.bmp"}}),
    OpenedFileName);
// clang-format on
} // namespace
