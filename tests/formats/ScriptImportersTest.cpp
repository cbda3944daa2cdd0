#include "tests/formats/ImportTable.h"

#include "formats/SamiCues.h"

#include <gtest/gtest.h>

#include <chrono>
#include <utility>

namespace {
class ScriptImports : public ImportTable {};

TEST_P(ScriptImports, ScriptAndMarkupFiles) {
    Check();
}

constexpr const char *kSsaHeader =
    "[Script Info]\nTitle: x\n\n[Events]\n"
    "Format: Marked, Start, End, Style, Name, MarginL, MarginR, MarginV, Effect, Text\n";

constexpr const char *kAssHeader =
    "[Script Info]\nScriptType: v4.00+\n\n[V4+ Styles]\nFormat: Name, Fontname\nStyle: Default,Arial\n\n"
    "[Events]\nFormat: Layer, Start, End, Style, Name, MarginL, MarginR, MarginV, Effect, Text\n";

// clang-format off
INSTANTIATE_TEST_SUITE_P(Importers, ScriptImports, ::testing::Values(
    ImportCase{"SsaWithEffectMark", ImportSubStationAlpha, std::string(kSsaHeader) +
        "Dialogue: Marked=0,0:00:01.00,0:00:03.00,Default,NTP,0000,0000,0000,!Effect,Hello\\Nworld\n"
        "Comment: Marked=0,0:00:09.00,0:00:10.00,Default,NTP,0000,0000,0000,!Effect,Hidden\n\n"
        "Dialogue: Marked=0,0:00:04.00,0:00:04.00,Default,NTP,0000,0000,0000,,Empty, effect",
        "25,000", {"{1}{1}25,000", "{25}{75}Hello\\Nworld", "{100}{123}Default,NTP,0000,0000,0000,,Empty, effect"},
        "25,000", "SubStation Alpha", {48}},
    ImportCase{"SsaWithoutEffectMark", ImportSubStationAlpha, std::string(kSsaHeader) +
        "Dialogue: Marked=0,0:00:01.00,0:00:04.00,*Default,NTP,0000,0000,0000,,Hello, World!\n"
        "Dialogue: 0:00:06.00\n"
        "Dialogue: Marked=0,0:00:0x.00,0:00:01.00,Default,,0,0,0,,Bad time",
        "25.000", {"{1}{1}25,000", "{25}{100}Hello, World!"}, "25,000", "SubStation Alpha", {48}, "", 2},
    ImportCase{"SsaWithoutEvents", ImportSubStationAlpha, "[Script Info]\n Dialogue: indented",
        "25,000", {"{1}{1}25,000"}, "25,000", "SubStation Alpha", {48}},
    // Sorted by start; overrides, drawings and comments gone; an unclosed brace is text.
    ImportCase{"AssAsPlayersShowIt", ImportAdvancedSubStationAlpha, std::string(kAssHeader) +
        "Dialogue: 0,0:00:05.00,0:00:06.50,Default,,0,0,0,,{\\an8}Second\\Nline\n"
        "Dialogue: 1,0:00:01.00,0:00:03.00,Default,Me,0,0,0,,{\\i1}Hello{\\i0}\\hthere, "
        "{\\pos(10,20)\\fad(200,200)}friend\\nagain\n"
        "Comment: 0,0:00:02.00,0:00:03.00,Default,,0,0,0,,Hidden\n"
        "Dialogue: 0,0:00:07.00,0:00:08.00,Default,,0,0,0,,{\\p1}m 0 0 l 100 0 100 100{\\p0}\n"
        "Dialogue: 0,0:00:07.00,0:00:08.00,Default,,0,0,0,,{\\p2\\pos(1,2)}m 0 0{\\p0}Sign{\\p1}m 1 1\n"
        "Dialogue: 0,0:00:09.00,0:00:09.00,Default,,0,0,0,,Text {with brace\n"
        "Dialogue: 0,0:00:10.00\n",
        "25.000", {"{1}{1}25,000", "{25}{75}Hello there, friend|again", "{125}{162}Second|line", "{175}{200}Sign",
                   "{225}{248}Text {with brace"},
        "25,000", "Advanced SubStation Alpha", {48}},
    // Events that start together keep their order; a backslash before no escape letter is text.
    ImportCase{"AssEqualStartsAndStrayBackslashes", ImportAdvancedSubStationAlpha, std::string(kAssHeader) +
        "Dialogue: 0,0:00:03.00,0:00:04.00,Default,,0,0,0,,C\n"
        "Dialogue: 0,0:00:01.00,0:00:02.00,Default,,0,0,0,,A1 ends in \\\n"
        "Dialogue: 0,0:00:01.00,0:00:02.00,Default,,0,0,0,,A2 \\x{\\p1}m {0 0}after\n",
        "25,000", {"{1}{1}25,000", "{25}{50}A1 ends in \\", "{25}{50}A2 \\x", "{75}{100}C"}, "25,000",
        "Advanced SubStation Alpha", {48}},
    ImportCase{"SsaHandsAdvancedScriptsOn", ImportSubStationAlpha, std::string(kAssHeader) +
        "Dialogue: 0,0:00:01.00,0:00:02.00,Default,,0,0,0,,Hi, there",
        "25,000", {"{1}{1}25,000", "{25}{50}Hi, there"}, "25,000", "Advanced SubStation Alpha", {48}},
    ImportCase{"SamiExactMarkers", ImportSami,
        "<SAMI>\n<HEAD>\n<BODY>\n   <SYNC START=1000>\n      <P CLASS=SUBTTL>Hello<br>world\n"
        "   <SYNC START=3000>\n      <P CLASS=SUBTTL>&nbsp;\n</BODY>\n</SAMI>",
        "25,000", {"{1}{1}25,000", "{25}{75}Hello<br>world"}, "25,000", "SAMI Captioning", {49}},
    ImportCase{"SamiExactTiesAndTwoBlankIndent", ImportSami,
        "<BODY>\n   <SYNC START=1020>\n      <P CLASS=SUBTTL>A\n   <SYNC START=1060>\n      <P CLASS=SUBTTL>&nbsp;\n"
        "  <SYNC START=5000>\n      <P CLASS=SUBTTL>B\n   <SYNC START=6000>\n      <P CLASS=SUBTTL>&nbsp;",
        "25,000", {"{1}{1}25,000", "{26}{49}A", "{26}{49}  <SYNC START=5000>", "{26}{150}B"}, "25,000",
        "SAMI Captioning", {49}},
    ImportCase{"SamiExactTimeThatIsNoNumber", ImportSami, "<BODY>\n   <SYNC START=1s>\n      <P CLASS=SUBTTL>A",
        "25,000", {}, "25,000", "", {49}, "1s"},
    ImportCase{"SamiTolerant", ImportSami,
        "<SAMI>\n<Body>\n<!-- <SYNC Start=500> -->\n    <SYNC Start=1000>\n        <P Class=CC>\n"
        "            Hello<br>\n            world\n    <sync start=\"2000\"><p class=cc>&nbsp;</p>\n"
        "<SYNC Start='3000'><P>Fish &amp; chips &lt;3&gt; &#8364;5 &#x263A; &bogus;<P>second\t<I>para</I><BR/>\n"
        "</BODY>\n<SYNC Start=9000>after",
        "25,000", {"{1}{1}25,000", "{25}{50}Hello|world", "{75}{98}Fish & chips <3> €5 ☺ &bogus;|second para"},
        "25,000", "SAMI Captioning", {49}},
    ImportCase{"SamiTolerantWithoutBody", ImportSami, "<SAMI>\n<SYNC Start=1000>Hi",
        "25,000", {"{1}{1}25,000"}, "25,000", "SAMI Captioning", {49}},
    ImportCase{"SamiTolerantFrameOutside32Bits", ImportSami, "<SAMI>\n<BODY><SYNC Start=99999999999>Hi",
        "25,000", {}, "25,000", "", {49}, "2500000000"},
    ImportCase{"SamiTolerantStartThatIsNoNumber", ImportSami, "<SAMI>\n<BODY><SYNC Start=\"1 s\">Hi",
        "25,000", {}, "25,000", "", {49}, "1 s"}),
    ImportCaseName);
// clang-format on

using Cues = std::vector<std::pair<std::string, std::string>>;

class SamiCueTexts : public ::testing::TestWithParam<std::pair<const char *, Cues>> {};

TEST_P(SamiCueTexts, ReadAsABrowserShowsThem) {
    Cues cues;
    for (const SamiCue &cue : ReadSamiCues(GetParam().first))
        cues.emplace_back(cue.startText, cue.text);
    EXPECT_EQ(cues, GetParam().second);
}

INSTANTIATE_TEST_SUITE_P(
    Bodies, SamiCueTexts,
    ::testing::Values(
        std::pair{"<BODY><SYNC START=1><P>a<SYNC Start=2>b</BODY><SYNC Start=3>c",
                  Cues{{"1", "a"}, {"2", "b"}}},
        std::pair{"<body>before<sync id=x start = 5 >  a  \n  b <br><br> c &amp", Cues{{"5", "a b|c &"}}},
        std::pair{"<BODY><SYNC Start=1>&#10;&#160;&#x41 &#65536;&#0", Cues{{"1", "&#10; A \U00010000&#0"}}},
        std::pair{"<BODY><SYNC Start=1>a < b <!-- never closed", Cues{{"1", "a < b"}}},
        std::pair{"<BODY><SYNC>x<b", Cues{{"", "x"}}}));

TEST_F(ImportBench, SamiIsLinearInTheNumberOfCues) {
    constexpr int kCues = 1'000'000;
    std::vector<std::string> lines{"<SAMI>", "<BODY>"};
    lines.reserve(kCues + 2);
    for (int i = 1; i <= kCues; ++i)
        lines.push_back("<SYNC Start=" + std::to_string(i * 40) + "><P Class=CC>Text");
    work = TextList(std::move(lines));
    const auto started = std::chrono::steady_clock::now();
    ImportSami(ctx, firstLine, secondLine, formatName);
    const auto seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    EXPECT_EQ(buffer.Count(), kCues + 1u);
    EXPECT_EQ(buffer.Item(kCues), "{1000000}{1000023}Text");
    EXPECT_LT(seconds, 20.0) << seconds;
}
} // namespace
