#include "tests/formats/ImportTable.h"

#include <gtest/gtest.h>

// Script fields found by the names of their Format line, and SubRip time
// lines in the shapes players read; lines whose times do not read are left
// out and counted, never joined to the subtitle before.

namespace {
class LooseTimes : public ImportTable {};

TEST_P(LooseTimes, ReadAsPlayersReadThem) {
    Check();
}

constexpr const char *kScript =
    "[Script Info]\nScriptType: v4.00+\n\n[V4+ Styles]\nFormat: Name, Start, Text\n\n";
constexpr const char *kSixFields = "[Events]\nFormat: Layer, Start, End, Style, Name, Text\n";

// clang-format off
INSTANTIATE_TEST_SUITE_P(Formats, LooseTimes, ::testing::Values(
    ImportCase{"AssSixFieldsWithCommasInTheText", ImportAdvancedSubStationAlpha,
        std::string(kScript) + kSixFields +
        "Dialogue: 0,0:00:01.00,0:00:02.00,Default,,Hello, world, again\n"
        "Dialogue: 0,0:00:03.00,0:00:04.00,Default,Me,One,two",
        "25,000", {"{1}{1}25,000", "{25}{50}Hello, world, again", "{75}{100}One,two"}, "25,000",
        "Advanced SubStation Alpha"},
    ImportCase{"AssFieldsInAnyOrderAndCase", ImportAdvancedSubStationAlpha,
        std::string(kScript) + "[events]\nformat:  END ,start, Layer, Text\n"
        "Dialogue: 0:00:02.00,0:00:01.00,0,Hi, there",
        "25,000", {"{1}{1}25,000", "{25}{50}Hi, there"}, "25,000", "Advanced SubStation Alpha"},
    ImportCase{"AssUnreadableTimesLeftOut", ImportAdvancedSubStationAlpha,
        std::string(kScript) + kSixFields +
        "Dialogue: 0,Invalid,0:00:02.00,Default,,Gone\n"
        "Dialogue: 0,0:00:03.00,,Default,,Gone too\n"
        "Dialogue: 0,0:00:05.00,0:00:06.00,Default,,Kept",
        "25,000", {"{1}{1}25,000", "{125}{150}Kept"}, "25,000", "Advanced SubStation Alpha", {48}, "", 2},
    ImportCase{"AssWithoutFormatLine", ImportAdvancedSubStationAlpha,
        "[Script Info]\nScriptType: v4.00+\n[Events]\nDialogue: 0,0:00:01.00,0:00:02.00,Default,,0,0,0,,A, b",
        "25,000", {"{1}{1}25,000", "{25}{50}A, b"}, "25,000", "Advanced SubStation Alpha"},
    ImportCase{"SsaSixFields", ImportSubStationAlpha,
        "[Script Info]\n[Events]\nFormat: Marked, Start, End, Style, Name, Text\n"
        "Dialogue: Marked=0,0:00:01.00,0:00:02.00,Default,,Hi, you\n"
        "Dialogue: Marked=0,bad,0:00:02.00,Default,,Gone",
        "25,000", {"{1}{1}25,000", "{25}{50}Hi, you"}, "25,000", "SubStation Alpha", {48}, "", 1},
    ImportCase{"SubRipShortTimes", ImportSubRip,
        "1\n00:01:39 --> 00:01:41,04\nA\n\n2\n0:00:03,250 --> 0:00:04,000\nB\n\n"
        "3\n01:10,5 --> 01:12\nC",
        "25,000", {"{1}{1}25", "{2475}{2526}A", "{81}{100}B", "{1762}{1800}C"}, "25,000", "SubRip"},
    ImportCase{"SubRipTimesAnywhereInTheLine", ImportSubRip,
        "1\n00:00:01,5-->00:00:02.25 X1:40 X2:600 Y1:20 Y2:50\nA\n\n"
        "2\n 0: 0:26, 26 --> 0: 0:28, 17\nB\n\n3\nat 00:00:30:500  -->  00:00:31:000\nC",
        "25,000", {"{1}{1}25", "{38}{56}A", "{656}{704}B", "{762}{775}C"}, "25,000", "SubRip"},
    ImportCase{"SubRipBlocksThatDoNotReadAreLeftOut", ImportSubRip,
        "1\n00:00:01,000 --> 00:00:02,000\nA\n\n2\n             --> 00:00:10,000\nB\n\n"
        "3\n00:00:12,000 -->\nC\n\n4\nD without a time\nD2\n\n5\n-0:00:01,000 --> 00:00:02,000\nE\n\n"
        "6\n00:00:20,000 --> 00:00:21,0001\nF\n\n7\n00:00:30,000 --> 00:00:31,000\nG",
        "25,000", {"{1}{1}25", "{25}{50}A", "{750}{775}G"}, "25,000", "SubRip", {48}, "", 5}),
    ImportCaseName);
// clang-format on
} // namespace
