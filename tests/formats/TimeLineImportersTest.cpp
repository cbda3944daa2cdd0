#include "tests/formats/ImportTable.h"
#include "tests/formats/OpenedFile.h"

#include "document/MessageTable.h"
#include "shell/Unit1.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <vector>

namespace fs = std::filesystem;

namespace {
class TimeLineImports : public ImportTable {};

TEST_P(TimeLineImports, HandOverTheirSubtitles) {
    Check();
}

// clang-format off
const ImportCase kTimeLineCases[] = {
    {"SubViewer1EndsAtEndDroppingWhatFollows", ImportSubViewer1,
     "[TITLE]\nx\n[BEGIN]\n******** START SCRIPT ********\n[00:00:01]\nHello|world\n[00:00:03]\n\n"
     "[00:00:05]\nSame\n[00:00:05]\n\n[end]\n[00:00:09]\nDropped\n[00:00:10]\n",
     "25,000", {"{1}{1}25,000", "{25}{75}Hello|world", "{125}{148}Same"}, "25,000", "SubViewer 1.0"},
    {"SubViewer1WithoutBegin", ImportSubViewer1, "[TITLE]\n[00:00:01]\nA\n[00:00:02]\n",
     "25,000", {"{1}{1}25,000"}, "25,000", "SubViewer 1.0"},
    {"SubViewer1EndingWithoutSeparatorOrEnd", ImportSubViewer1,
     "[TITLE]\n[BEGIN]\n[00:00:10]\nA\n[bad]\n\n[00:00:20]\nLast\n[00:00:21]",
     "29.97", {"{1}{1}29,97", "{300}{323}A", "{599}{629}Last"}, "29,97", "SubViewer 1.0"},
    {"SubViewer2ReadsRealFiles", ImportSubViewer2,
     "[INFORMATION]\n[TITLE]x\n[END INFORMATION]\n[SUBTITLE]\n[COLF]&HFFFFFF,[STYLE]bd\n\n"
     "00:00:01.00,00:00:03.00\nHi[br]there\n\nnot a time line\n00:00:04.50,00:00:04.00\nTwo\nlines\n\n"
     "00:00:10.00,00:00:12.00\nLast",
     "25,000", {"{1}{1}25,000", "{25}{75}Hi[br]there", "{112}{135}Two|lines", "{250}{300}Last"}, "25,000",
     "SubViewer 2.0"},
    {"SubViewer2EndsAtTwoEmptyLines", ImportSubViewer2,
     "[INFORMATION]\n[SUBTITLE]\n00:00:01.00,00:00:02.00\nA\n\n\n00:00:03.00,00:00:04.00\nB",
     "25,000", {"{1}{1}25,000", "{25}{50}A"}, "25,000", "SubViewer 2.0"},
    {"SubViewer2LastTimeLineWithoutText", ImportSubViewer2,
     "[INFORMATION]\n[SUBTITLE]\n00:00:01.00,00:00:02.00\nA\n\n00:00:03.00,00:00:04.00",
     "23.976", {"{1}{1}23,976", "{24}{48}A"}, "23,976", "SubViewer 2.0"},
    {"TMPlayerJoinsTwoLines", ImportTMPlayer,
     "00:00:01,1=Hello\n00:00:01,2=world\n00:00:04,1=\n00:00:04,2=\n"
     "00:00:05,1=Alone\n00:00:05,2=\n00:00:06,1=\n00:00:06,2=",
     "30", {"{1}{1}30", "{30}{120}Hello|world", "{150}{180}Alone"}, "30", "TMPlayer"},
    {"TMPlayerSkipsInvalidGroupsAndEndsAtAnEmptyLine", ImportTMPlayer,
     "xx:00:01,1=Bad\nxx:00:01,2=\nxx:00:02,1=\nxx:00:02,2=\n"
     "00:00:05,1=Next\n00:00:05,2=\n00:00:06,1=\n00:00:06,2=\n\n"
     "00:00:08,1=Hidden\n00:00:08,2=\n00:00:09,1=\n00:00:09,2=",
     "25,000", {"{1}{1}25,000", "{125}{150}Next"}, "25,000", "TMPlayer"},
    {"TMPlayerWritesThePlainBoxText", ImportTMPlayer, "00:00:01,1=Short\n00:00:01,2=\n00:00:02,1=",
     "29.97", {"{1}{1}29.97"}, "29.97", "TMPlayer"},
    // Each subtitle lasts until the next line's time; the last one the default duration.
    {"TMPlayerOneLineVariants", ImportTMPlayerOneLine,
     "00:00:01:Hello|world\n00:00:04:\n0:00:05=Same start\n0:00:05:Next\nnot a line\n\n"
     "00:00:07,1=four-line\n00:00:09=Last",
     "25,000", {"{1}{1}25,000", "{25}{100}Hello|world", "{125}{148}Same start", "{125}{225}Next",
                "{225}{248}Last"}, "25,000", "TMPlayer (one line)"},
    {"ViPlaySkipsInvalidTimesAndEndsAtAnEmptyLine", ImportViPlay,
     "{* VIPLAY SUBTITLE FILE *}\n00:00:01.000-00:00:02.000-One|line\n0x:00:01.000-00:00:02.000-Bad start\n"
     "00:00:01.000-00:00:0x.000-Bad end\n00:00:03.000-00:00:03.000-Same\n\n00:00:05.000-00:00:06.000-After",
     "25,000", {"{1}{1}25,000", "{25}{50}One|line", "{75}{98}Same"}, "25,000",
     "ViPlay Subtitle File"},
    {"TurboTitlerTestsNoTime", ImportTurboTitler,
     "0:00:01.00,0:00:02.50,NTP Hello|there\nx:00:01.00,0:00:0y.00,NTP Broken\n\n"
     "0:00:05.00,0:00:06.00,NTP After",
     "25,000", {"{1}{1}25,000", "{25}{62}Hello|there", "{0}{23}Broken"}, "25,000", "TurboTitler"},
    {"ZeroGTextAfterTheFirstNtp", ImportZeroG,
     "% Zero G 1.0\n\nE 1 0:00:01.00 0:00:02.00 Default NTP Die NTP Frage\n"
     "E 1 0:00:03.00 0:00:04.00 Default no marker\n\nE 1 0:00:05.00 0:00:06.00 Default NTP After",
     "25,000", {"{1}{1}25,000", "{25}{50}Die NTP Frage", "{75}{100} 0:00:03.00 0:00:04.00 Default no marker"},
     "25,000", "ZeroG 1.0"},
    {"SpruceReadsAfterSubtitlesLineSkippingLinesWithoutTwoCommas", ImportSpruceStl,
     "//Font\n00:00:09:00,00:00:10:00,Header line\n$FontName = Arial\n//Subtitles\n"
     "00:00:01:00 , 00:00:03:00 , Hi\n\nno commas, here\n00:00:01:12,bad,Fourth field|two lines",
     "25,000", {"{1}{1}25,000", "{25}{75} Hi", "{28}{51}Fourth field|two lines"}, "25,000",
     "Spruce Subtitle File"},
    {"SpruceWithoutSubtitlesLineStartsAtTheFirstSubtitle", ImportSpruceStl,
     "//Default Formatting\n$FontName = Arial, Bold, Big\n\n00:02:17:12 , 00:02:20:12 , Senator | approach\n"
     "01:02:20:12 , 01:02:22:12 , Very good, Lieutenant.",
     "25,000", {"{1}{1}25,000", "{3428}{3503} Senator | approach", "{93503}{93553} Very good, Lieutenant."},
     "25,000", "Spruce Subtitle File"},
    {"SpruceWithoutAnySubtitle", ImportSpruceStl, "$FontName = Arial\n//Comment, with, commas",
     "29.97", {"{1}{1}29,97"}, "29,97", "Spruce Subtitle File"},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Files, TimeLineImports, ::testing::ValuesIn(kTimeLineCases), ImportCaseName);

// Long inputs stay linear: a subtitle of a million text lines, and a file
// of a million lines that holds no subtitle for the header search to find.
TEST_F(ImportBench, TimeLineImportersAreLinear) {
    constexpr std::size_t kLines = 1'000'000;
    std::vector<std::string> lines{"[SUBTITLE]", "00:00:01.00,00:00:02.00"};
    lines.resize(kLines, "x");
    const auto started = std::chrono::steady_clock::now();
    work = TextList(std::move(lines));
    ImportSubViewer2(ctx, firstLine, secondLine, formatName);
    EXPECT_EQ(buffer.Item(1).size(), std::string("{25}{50}").size() + 2 * (kLines - 2) - 1);
    work = TextList(std::vector<std::string>(kLines, "no subtitle"));
    ImportSpruceStl(ctx, firstLine, secondLine, formatName);
    EXPECT_EQ(buffer, TextList{"{1}{1}25,000"});
    const auto seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    EXPECT_LT(seconds, 20.0) << seconds;
}

constexpr const char *kAssFile =
    "[Script Info]\r\nScriptType: v4.00+\r\n\r\n[Events]\r\n"
    "Format: Layer, Start, End, Style, Name, MarginL, MarginR, MarginV, Effect, Text\r\n"
    "Dialogue: 0,0:00:01.00,0:00:02.00,Default,,0,0,0,,{\\i1}A{\\i0}\r\n";

class TimeLineFiles : public OpeningFiles {};

// The opener chooses the importer; the format's name and the rate of its
// FpsHeaderLine reach the window.
TEST_P(TimeLineFiles, OpenThroughTheOpener) {
    OpenAndCheck();
}

INSTANTIATE_TEST_SUITE_P(
    Formats, TimeLineFiles,
    ::testing::Values(
        OpenedFile{"sv1.sub",
                   "[TITLE]\r\n[BEGIN]\r\n[00:00:01]\r\nA\r\n[00:00:02]\r\n\r\n[end]\r\n",
                   "24",
                   "SubViewer 1.0",
                   "24,000",
                   {"{24}{48}A"}},
        OpenedFile{"sv2.sub",
                   "[INFORMATION]\n[SUBTITLE]\n00:00:01.00,00:00:02.00\nA\n",
                   "24",
                   "SubViewer 2.0",
                   "24,000",
                   {"{24}{48}A"}},
        OpenedFile{"tmp.txt",
                   "00:00:01,1=A\n00:00:01,2=\n00:00:02,1=\n00:00:02,2=\n",
                   "24",
                   "TMPlayer",
                   "24,000",
                   {"{24}{48}A"}},
        OpenedFile{
            "tmp1.txt", "00:00:01:A\n00:00:02:\n", "24", "TMPlayer (one line)", "24,000", {"{24}{48}A"}},
        OpenedFile{"tmp2.txt", "0:00:01=A\n0:00:02=\n", "24", "TMPlayer (one line)", "24,000", {"{24}{48}A"}},
        OpenedFile{"mpl2.txt", "[10][20]A\n", "24", "MPlayer 2", "24,000", {"{24}{48}A"}},
        OpenedFile{"sami.txt",
                   "\xEF\xBB\xBF\n \n<sami><head><title>x</title></head>\n<body>"
                   "<sync start=1000><p>A<sync start=2000><p>&nbsp;</body></sami>",
                   "24",
                   "SAMI Captioning",
                   "24,000",
                   {"{24}{48}A"}},
        OpenedFile{"script.ass", kAssFile, "24", "Advanced SubStation Alpha", "24,000", {"{24}{48}A"}},
        OpenedFile{"plus.ssa", kAssFile, "24", "Advanced SubStation Alpha", "24,000", {"{24}{48}A"}},
        OpenedFile{"vp.vsf",
                   "{* VIPLAY SUBTITLE FILE *}\n00:00:01.000 00:00:02.000 A\n",
                   "24",
                   "ViPlay Subtitle File",
                   "24,000",
                   {"{24}{48}A"}},
        OpenedFile{"tt.tts", "0:00:01.00,0:00:02.00,NTP A\n", "24", "TurboTitler", "24,000", {"{24}{48}A"}},
        OpenedFile{"zg.zeg",
                   "% Zero G 1.0\n\nE 1 0:00:01.00 0:00:02.00 Default NTP A\n",
                   "24",
                   "ZeroG 1.0",
                   "24,000",
                   {"{24}{48}A"}},
        OpenedFile{"sp.STL",
                   "$FontName = Arial\n00:00:01:00,00:00:02:00,A\n",
                   "24",
                   "Spruce Subtitle File",
                   "24,000",
                   {"{24}{48}A"}}));
} // namespace
