#include "tests/formats/AcceptedImport.h"

namespace {
class BlockTimecodeImports : public AcceptedImports {};

TEST_P(BlockTimecodeImports, TurnBlocksIntoFrameLines) {
    ImportAndCheck();
}

constexpr const char *kHeader = "{1}{1}30,000";

// clang-format off
INSTANTIATE_TEST_SUITE_P(Formats, BlockTimecodeImports, ::testing::Values(
    AcceptedImport{"FabBlocks", ImportFabSubtitler,
        "00:00:01:00  00:00:03:00\nHello\nworld\n\n00:00:04:00  00:00:04:00\nBye\n",
        {kHeader, "{30}{90}Hello|world", "{120}{143}Bye"}, "FAB Subtitler"},
    AcceptedImport{"FabEmptyLinesBetweenBlocksAndAtTheEnd", ImportFabSubtitler,
        "00:00:01:00  00:00:02:00\nA\n\n\n00:00:03:00  00:00:04:00\nB\n\n",
        {kHeader, "{30}{60}A", "{90}{120}B"}, "FAB Subtitler"},
    AcceptedImport{"DssBreaksAndContinuation", ImportDVDSubtitleSystem,
        "00:00:01:00 00:00:02:00 Hello//world\nagain\n00:00:03:00 00:00:04:00 a///b",
        {kHeader, "{30}{60}Hello|world|again", "{90}{120}a|/b"}, "DVD Subtitle System"},
    // A line with ":" at 3 or 6 that is no time line neither loops nor
    // repeats the subtitle before it; the lines it would continue go with it.
    AcceptedImport{"DssOddLineIsDropped", ImportDVDSubtitleSystem,
        "00:00:01:00 00:00:02:00 A//B\n12:34 odd\nlost\n00:00:03:00 00:00:04:00 C",
        {kHeader, "{30}{60}A|B", "{90}{120}C"}, "DVD Subtitle System"},
    AcceptedImport{"DssWithoutBreaksIsEncore", ImportDVDSubtitleSystem,
        "00:00:01:00 00:00:02:00 One\ntwo\n00:00:03:00 00:00:04:00 Three",
        {kHeader, "{30}{60}One|two", "{90}{120}Three"}, "Adobe Encore DVD"},
    AcceptedImport{"EncoreEmptyLinesInsideABlock", ImportAdobeEncore,
        "00:00:01:00 00:00:02:00 One\n\ntwo\n00:00:03:00 00:00:03:00 Three\n",
        {kHeader, "{30}{60}One||two", "{90}{113}Three|"}, "Adobe Encore DVD"},
    AcceptedImport{"SonicBlocksWithoutAFinalEmptyLine", ImportSonicDVDCreator,
        "0001  00:00:01:00  00:00:02:00  Hi\nthere\n\n\n0002  00:00:03:00  00:00:04:00  Bye",
        {kHeader, "{30}{60}Hi|there", "{90}{120}Bye"}, "Sonic DVD Creator"},
    // Text outside a block is left out; a time line right after a block's
    // text completes that block.
    AcceptedImport{"SonicLinesOutsideBlocks", ImportSonicDVDCreator,
        "before\n0001  00:00:01:00  00:00:02:00  Hi\n\nstray\n"
        "0002  00:00:03:00  00:00:04:00  Bye\n0003  00:00:05:00  00:00:06:00  End\n",
        {kHeader, "{30}{60}Hi", "{90}{120}Bye", "{150}{180}End"}, "Sonic DVD Creator"},
    AcceptedImport{"SonicBitmapListHasNoTimeLine", ImportSonicDVDCreator,
        "0001       00:49:26:22  00:49:27:13  t01_v001c001_22_0001.bmp", {kHeader}, "Sonic DVD Creator"}),
    AcceptedImportName);
// clang-format on
} // namespace
