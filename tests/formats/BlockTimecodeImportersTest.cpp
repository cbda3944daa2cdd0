#include "tests/formats/AcceptedImport.h"

namespace {
class BlockTimecodeImports : public AcceptedImports {};

TEST_P(BlockTimecodeImports, TurnBlocksIntoFrameLines) {
    ImportAndCheck();
}

constexpr const char *kFab = "FAB Subtitler";
constexpr const char *kDss = "DVD Subtitle System";
constexpr const char *kEncore = "Adobe Encore DVD";
constexpr const char *kSonic = "Sonic DVD Creator";

INSTANTIATE_TEST_SUITE_P(
    Formats, BlockTimecodeImports,
    ::testing::Values(
        AcceptedImport{"FabBlocks",
                       ImportFabSubtitler,
                       "00:00:01:00  00:00:03:00\nHello\nworld\n\n00:00:04:00  00:00:04:00\nBye\n",
                       "25,000",
                       {"{1}{1}25,000", "{25}{75}Hello|world", "{100}{123}Bye"},
                       "25,000",
                       kFab},
        // The rate is the box text, its point read as a comma.
        AcceptedImport{"FabEmptyLinesBetweenBlocksAndAtTheEnd",
                       ImportFabSubtitler,
                       "00:00:01:00  00:00:02:00\nA\n\n\n00:00:03:00  00:00:04:00\nB\n\n",
                       "30.000",
                       {"{1}{1}30,000", "{30}{60}A", "{90}{120}B"},
                       "30,000",
                       kFab},
        AcceptedImport{"DssBreaksAndContinuation",
                       ImportDVDSubtitleSystem,
                       "00:00:01:00 00:00:02:00 Hello//world\nagain\n00:00:03:00 00:00:04:00 a///b",
                       "25,000",
                       {"{1}{1}25,000", "{25}{50}Hello|world|again", "{75}{100}a|/b"},
                       "25,000",
                       kDss},
        // A line with ":" at 3 or 6 that is no time line neither loops nor
        // repeats the subtitle before it; the lines it would continue go with it.
        AcceptedImport{"DssOddLineIsDropped",
                       ImportDVDSubtitleSystem,
                       "00:00:01:00 00:00:02:00 A//B\n12:34 odd\nlost\n00:00:03:00 00:00:04:00 C",
                       "25,000",
                       {"{1}{1}25,000", "{25}{50}A|B", "{75}{100}C"},
                       "25,000",
                       kDss},
        AcceptedImport{"DssWithoutBreaksIsEncore",
                       ImportDVDSubtitleSystem,
                       "00:00:01:00 00:00:02:00 One\ntwo\n00:00:03:00 00:00:04:00 Three",
                       "25,000",
                       {"{1}{1}25,000", "{25}{50}One|two", "{75}{100}Three"},
                       "25,000",
                       kEncore},
        AcceptedImport{"EncoreEmptyLineInsideABlock",
                       ImportAdobeEncore,
                       "00:00:01:00 00:00:02:00 One\n\ntwo\n00:00:03:00 00:00:03:00 Three\n",
                       "25,000",
                       {"{1}{1}25,000", "{25}{50}One||two", "{75}{98}Three|"},
                       "25,000",
                       kEncore},
        AcceptedImport{"SonicBlocksWithoutAFinalEmptyLine",
                       ImportSonicDVDCreator,
                       "0001  00:00:01:00  00:00:02:00  Hi\nthere\n\n\n0002  00:00:03:00  00:00:04:00  Bye",
                       "25,000",
                       {"{1}{1}25,000", "{25}{50}Hi|there", "{75}{100}Bye"},
                       "25,000",
                       kSonic},
        // Text outside a block is left out; a time line right after a
        // block's text completes that block.
        AcceptedImport{"SonicLinesOutsideBlocks",
                       ImportSonicDVDCreator,
                       "before\n0001  00:00:01:00  00:00:02:00  Hi\n\nstray\n"
                       "0002  00:00:03:00  00:00:04:00  Bye\n0003  00:00:05:00  00:00:06:00  End\n",
                       "25,000",
                       {"{1}{1}25,000", "{25}{50}Hi", "{75}{100}Bye", "{125}{150}End"},
                       "25,000",
                       kSonic},
        AcceptedImport{"SonicBitmapListHasNoTimeLine",
                       ImportSonicDVDCreator,
                       "0001       00:49:26:22  00:49:27:13  t01_v001c001_22_0001.bmp",
                       "25,000",
                       {"{1}{1}25,000"},
                       "25,000",
                       kSonic}),
    AcceptedImportName);
} // namespace
