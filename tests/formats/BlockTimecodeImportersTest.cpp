#include "tests/formats/ImportTable.h"

namespace {
class BlockTimecodeImports : public ImportTable {};

TEST_P(BlockTimecodeImports, TurnBlocksIntoFrameLines) {
    Check();
}

constexpr const char *kHeader = "{1}{1}30,000";

// clang-format off
INSTANTIATE_TEST_SUITE_P(Formats, BlockTimecodeImports, ::testing::Values(
    ImportCase{"FabBlocks", ImportFabSubtitler,
        "00:00:01:00  00:00:03:00\nHello\nworld\n\n00:00:04:00  00:00:04:00\nBye\n", "30.000",
        {kHeader, "{30}{90}Hello|world", "{120}{143}Bye"}, "30,000", "FAB Subtitler"},
    ImportCase{"FabEmptyLinesBetweenBlocksAndAtTheEnd", ImportFabSubtitler,
        "00:00:01:00  00:00:02:00\nA\n\n\n00:00:03:00  00:00:04:00\nB\n\n", "30.000",
        {kHeader, "{30}{60}A", "{90}{120}B"}, "30,000", "FAB Subtitler"},
    ImportCase{"DssBreaksAndContinuation", ImportDVDSubtitleSystem,
        "00:00:01:00 00:00:02:00 Hello//world\nagain\n00:00:03:00 00:00:04:00 a///b", "30.000",
        {kHeader, "{30}{60}Hello|world|again", "{90}{120}a|/b"}, "30,000", "DVD Subtitle System"},
    // A line with ":" at 3 or 6 that is no time line neither loops nor
    // repeats the subtitle before it; the lines it would continue go with it.
    ImportCase{"DssOddLineIsDropped", ImportDVDSubtitleSystem,
        "00:00:01:00 00:00:02:00 A//B\n12:34 odd\nlost\n00:00:03:00 00:00:04:00 C", "30.000",
        {kHeader, "{30}{60}A|B", "{90}{120}C"}, "30,000", "DVD Subtitle System"},
    ImportCase{"DssWithoutBreaksIsEncore", ImportDVDSubtitleSystem,
        "00:00:01:00 00:00:02:00 One\ntwo\n00:00:03:00 00:00:04:00 Three", "30.000",
        {kHeader, "{30}{60}One|two", "{90}{120}Three"}, "30,000", "Adobe Encore DVD"},
    ImportCase{"EncoreEmptyLinesInsideABlock", ImportAdobeEncore,
        "00:00:01:00 00:00:02:00 One\n\ntwo\n00:00:03:00 00:00:03:00 Three\n", "30.000",
        {kHeader, "{30}{60}One||two", "{90}{113}Three|"}, "30,000", "Adobe Encore DVD"},
    ImportCase{"SonicBlocksWithoutAFinalEmptyLine", ImportSonicDVDCreator,
        "0001  00:00:01:00  00:00:02:00  Hi\nthere\n\n\n0002  00:00:03:00  00:00:04:00  Bye", "30.000",
        {kHeader, "{30}{60}Hi|there", "{90}{120}Bye"}, "30,000", "Sonic DVD Creator"},
    // Text outside a block is left out; a time line right after a block's
    // text completes that block.
    ImportCase{"SonicLinesOutsideBlocks", ImportSonicDVDCreator,
        "before\n0001  00:00:01:00  00:00:02:00  Hi\n\nstray\n"
        "0002  00:00:03:00  00:00:04:00  Bye\n0003  00:00:05:00  00:00:06:00  End\n", "30.000",
        {kHeader, "{30}{60}Hi", "{90}{120}Bye", "{150}{180}End"}, "30,000", "Sonic DVD Creator"},
    ImportCase{"SonicBitmapListHasNoTimeLine", ImportSonicDVDCreator,
        "0001       00:49:26:22  00:49:27:13  t01_v001c001_22_0001.bmp", "30.000", {kHeader}, "30,000", "Sonic DVD Creator"}),
    ImportCaseName);
// clang-format on
} // namespace
