#include "tests/formats/ImportTable.h"
#include "tests/formats/OpenedFile.h"

#include "shell/Unit1.h"
#include "tests/support/FakePlatform.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

namespace {
class BlockImports : public ImportTable {};

TEST_P(BlockImports, BlockAndFrameCountFiles) {
    Check();
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Importers, BlockImports, ::testing::Values(
    ImportCase{"UleadFileRateWithComma", ImportUlead,
        "#Ulead subtitle format\n#FR:25,00\n#Subtitle text begin\n#1 00;00;01;00 00;00;03;00\nHello\nworld\n"
        "#2 00;00;04;00 00;00;04;00\nBye\n#Subtitle text end\n#Subtitle text attribute begin",
        "23,976", {"{1}{1}25,00", "{25}{75}Hello|world", "{100}{123}Bye"}, "25,00", "Ulead subtitle format", {}},
    ImportCase{"UleadFileRateWithDotAndNoEndLine", ImportUlead,
        "#FR:23.976\n#Subtitle text begin\n#1 00;00;01;15 00;00;02;00\nA\n\nB",
        "25,000", {"{1}{1}23.976", "{28}{48}A|B"}, "23,98", "Ulead subtitle format", {}},
    ImportCase{"UleadWithoutRateLine", ImportUlead,
        "#Ulead subtitle format\n#Subtitle text begin\n#1 00;00;01;00 00;00;02;00\nHi\n#Subtitle text end",
        "25,000", {"{25}{50}Hi"}, "25,000", "Ulead subtitle format", {}},
    ImportCase{"UleadRateOfFiveSignificantDigits", ImportUlead, "#FR:1234.567\n#Subtitle text begin",
        "25,000", {"{1}{1}1234.567"}, "1234,60", "Ulead subtitle format", {}},
    ImportCase{"UleadRateThatIsNoNumber", ImportUlead, "#FR:25 fps\n#Subtitle text begin",
        "25,000", {}, "25,000", "", {}, "25 fps"},
    ImportCase{"DVDSubtitleKeepsStartForInvalidTime", ImportDVDSubtitle,
        "{HEAD\nDISCID=\n}\n{T 00:00:01:00\nHello\n}\n{T 00:00:03:00\n\n}\n{T 00:00:xx:00\nA\nB\n}\n\n"
        "{T 00:00:05:00\n\n}\nnoise\n{T 00:00:06:00\nCut",
        "25.000", {"{1}{1}25,000", "{25}{75}Hello", "{25}{125}A|B", "{150}{173}Cut"}, "25,000", "DVDSubtitle",
        {48}},
    ImportCase{"AQTitleEndEqualToStartAndCutOffLast", ImportAQTitle,
        "-->> 10\nHello\n\nworld\n-->> 60\n\n-->> 60\nHi\n-->> 60\n-->> 70\nCut\noff",
        "25,000", {"{1}{1}25,000", "{10}{60}Hello|world", "{60}{83}Hi"}, "25,000", "AQTitle", {49}},
    ImportCase{"AQTitleFrameThatIsNoNumber", ImportAQTitle, "-->> 1O\nHi\n-->> 20",
        "25,000", {}, "25,000", "", {49}, "1O"},
    ImportCase{"MPlayer1SkipsLinesWithoutFrames", ImportMPlayer1,
        "10,60,0,Hello\n100,50,0,a, b\njunk\n\n70,80,no third",
        "25,000", {"{1}{1}25,000", "{10}{60}Hello", "{100}{123}a, b", "{70}{80}no third"}, "25,000", "MPlayer 1",
        {49}},
    ImportCase{"MPlayer1FrameThatIsNoNumber", ImportMPlayer1, "10,6O,0,x",
        "25,000", {}, "25,000", "", {49}, "6O"},
    ImportCase{"MPlayer1HandsBracketsToMPlayer2", ImportMPlayer1,
        "[10][35]Hello\n[5][7]Hi\n(1)(2)junk\n\n[-68][-28]Before",
        "25,000", {"{1}{1}25,000", "{25}{88}Hello", "{12}{18}Hi", "{-170}{-70}Before"}, "25,000", "MPlayer 2",
        {49}},
    ImportCase{"MPlayer2FrameOutside32Bits", ImportMPlayer2, "[1][9999999999]x",
        "25,000", {}, "25,000", "", {49}, "24999999998"}),
    ImportCaseName);
// clang-format on

// Each format through the opener with the alerts on.
class OpeningFormats : public OpeningFiles {};

TEST_P(OpeningFormats, ShowTheirNameAndRate) {
    OpenAndCheck();
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Files, OpeningFormats, ::testing::Values(
    OpenedFile{"ulead.txt", "#Ulead subtitle format\r\n#FR:23.976\r\n#Subtitle text begin\r\n"
             "#1 00;00;01;00 00;00;02;00\r\nHi\r\n#Subtitle text end\r\n", "",
             "Ulead subtitle format", "23,976", {"{24}{48}Hi"}, true, {}},
    OpenedFile{"dvd.sub", "{HEAD\n}\n{T 00:00:01:00\nHi\n}\n{T 00:00:02:00\n\n}\n", "",
             "DVDSubtitle", "25,000", {"{25}{50}Hi"}, true, {48}},
    OpenedFile{"frames.aqt", "-->> 10\nHi\n-->> 20\n", "", "AQTitle", "25,000", {"{10}{20}Hi"}, true, {49}},
    OpenedFile{"one.mpl", "10,20,0,Hi\n", "", "MPlayer 1", "25,000", {"{10}{20}Hi"}, true, {49}},
    OpenedFile{"two.MPL", "[10][20]Hi\n", "", "MPlayer 2", "25,000", {"{25}{50}Hi"}, true, {49}},
    OpenedFile{"script.ssa", "[Script Info]\n[Events]\n"
             "Dialogue: Marked=0,0:00:01.00,0:00:02.00,Default,,0000,0000,0000,,Hi\\Nthere\n", "",
             "SubStation Alpha", "25,000", {"{25}{50}Hi|there"}, true, {48}},
    OpenedFile{"cues.smi", "<SAMI>\n<BODY>\n<SYNC Start=1000><P>Hi\n<SYNC Start=2000><P>&nbsp;\n</BODY>\n", "",
             "SAMI Captioning", "25,000", {"{25}{50}Hi"}, true, {49}}),
    OpenedFileName);
// clang-format on
} // namespace
