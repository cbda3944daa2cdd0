#include "tests/formats/ImportBench.h"

#include "document/OwnMessages.h"
#include "formats/TtmlReader.h"
#include "formats/TtmlTimes.h"

#include <gtest/gtest.h>

#include <chrono>

namespace {

// A file going in; the ImportBuffer and the messages coming out. No
// buffer means the importer declines the file.
struct TimedTextCase {
    const char *name;
    Importer *importer;
    std::string text;
    std::vector<std::string> buffer;
    std::vector<std::string> messages = {};
};

class TimedTextImports : public ImportBench, public ::testing::WithParamInterface<TimedTextCase> {};

TEST_P(TimedTextImports, ReadWhatPlayersShow) {
    const TimedTextCase &c = GetParam();
    Import(*c.importer, c.text);
    if (c.buffer.empty()) {
        EXPECT_EQ(formatName, "");
        EXPECT_EQ(firstLine, "OK");
        EXPECT_EQ(work, Lines(c.text));
        EXPECT_EQ(subtitles, TextList{"{1}{2}before"});
    } else {
        EXPECT_EQ(buffer.ToVector(), c.buffer);
        EXPECT_EQ(work, buffer);
        EXPECT_EQ(firstLine + secondLine, "");
    }
    EXPECT_EQ(dialogs.Messages(), c.messages);
}

const std::string kLeftOutOne = LeftOutText(1, kEnglish);

constexpr const char *kTtmlRoot = "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\n"
                                  "<tt xmlns=\"http://www.w3.org/ns/ttml\" "
                                  "xmlns:ttp=\"http://www.w3.org/ns/ttml#parameter\" ";

// clang-format off
INSTANTIATE_TEST_SUITE_P(Importers, TimedTextImports, ::testing::Values(
    TimedTextCase{"WebVttWithEverythingAFileHolds", ImportWebVtt,
        "\xEF\xBB\xBFWEBVTT - A title\nKind: captions\nLanguage: en\n\n"
        "NOTE a note that\nruns over two lines\n\nSTYLE\n::cue { color: yellow }\n\n"
        "REGION\nid:fred width:40%\n\n"
        "1\n00:01.000 --> 00:04.000 align:start position:10%\n<v Roger Bingham>We are in New York City</v>\n\n"
        "intro-2\n00:00:05.500 --> 00:00:07.250\n<c.loud>Tom &amp; Jerry</c> &lt;3 &#x263A;&nbsp;&gt;\n"
        "<ruby>\xE6\xBC\xA2<rt>kan</rt>\xE5\xAD\x97<rt>ji</rt></ruby> <i>i</i><b>b</b><u>u</u> <lang en>x</lang>\n\n"
        "bad timing\n00:00:09.x00 --> 00:00:10.000\nlost\n\n"
        "01:00:00.000 --> 01:00:02.000\n&lrm;Hi\n",
        {"{1}{1}25", "{25}{100}We are in New York City",
         "{138}{181}Tom & Jerry <3 \xE2\x98\xBA >|\xE6\xBC\xA2\xE5\xAD\x97 ibu x",
         "{90000}{90050}\xE2\x80\x8EHi"},
        {kLeftOutOne}},
    // Cues without the empty line between them, SubRip's comma, a block that is no cue.
    TimedTextCase{"WebVttAsCarelessWritersLeaveIt", ImportWebVtt,
        "WEBVTT\n00:00:01,000 --> 00:00:02,000\nA\n00:00:03.000 --> 00:00:04.000\nB\n\nstray text\n\n"
        "00:00:05.000 --> 00:00:04.000\n",
        {"{1}{1}25", "{25}{50}A", "{75}{100}B", "{125}{148}"}, {kLeftOutOne}},
    // Auto-generated captions repeat the line before and time each word.
    TimedTextCase{"WebVttRollingCaptions", ImportWebVtt,
        "WEBVTT\nKind: captions\n\n"
        "00:00:00.160 --> 00:00:02.000 align:start position:0%\n \nhello<00:00:00.500><c> world</c>\n\n"
        "00:00:02.000 --> 00:00:02.010 align:start position:0%\nhello world\n \n",
        {"{1}{1}25", "{4}{50}hello world", "{50}{73}hello world"}},
    TimedTextCase{"WebVttSignatureMustStandAlone", ImportWebVtt,
        "WEBVTTX\n\n00:01.000 --> 00:02.000\nA", {}},
    TimedTextCase{"TtmlWithTicksFramesAndNestedContainers", ImportTtml, std::string(kTtmlRoot) +
        "ttp:tickRate=\"10000000\" ttp:frameRate=\"24\" ttp:frameRateMultiplier=\"1000 1001\">\n"
        "<head><metadata><ttm:title xmlns:ttm=\"http://www.w3.org/ns/ttml#metadata\">Title</ttm:title></metadata>"
        "</head>\n<body begin=\"1s\">\n <div begin=\"9s\">\n"
        "  <p begin=\"10000000t\" end=\"20000000t\">First \xC3\xA9\n    line<br/>second   <span>line</span></p>\n"
        "  <p begin=\"00:00:03:12\" dur=\"2s\">Frames</p>\n"
        "  <div begin=\"1m\" timeContainer=\"seq\"><p dur=\"1.5s\">Seq one</p><p dur=\"500ms\">Seq two</p></div>\n"
        "  <p begin=\"bogus\">Bad</p>\n"
        "  <p xml:space=\"preserve\" begin=\"0.5m\" end=\"0.25h\">Kept  as\nwritten<metadata>not shown</metadata></p>\n"
        "  <p><span begin=\"1h\" end=\"3602s\">Only</span> <span begin=\"3601s\" end=\"3603s\">spans</span></p>\n"
        " </div>\n</body>\n</tt>\n",
        {"{1}{1}25", "{275}{300}First \xC3\xA9 line|second line", "{338}{388}Frames", "{1750}{1788}Seq one",
         "{1788}{1800}Seq two", "{1000}{22750}Kept  as|written", "{90250}{90325}Only spans"},
        {kLeftOutOne}},
    TimedTextCase{"DfxpOfTheDraftNamespace", ImportTtml,
        "<tt xmlns=\"http://www.w3.org/2006/10/ttaf1\"><body><div>"
        "<p begin=\"00:00:01.20\" end=\"00:00:02.00\">Old<br></br>style</p></div></body></tt>",
        {"{1}{1}25", "{30}{50}Old|style"}},
    // The file breaks off inside its second paragraph.
    TimedTextCase{"TtmlCutShort", ImportTtml, std::string(kTtmlRoot) + ">" + std::string(600, ' ') +
        "<body><p begin=\"1s\" end=\"2s\">Kept</p>\n" + std::string(600, ' ') + "\n<p begin=\"3s\">Cut",
        {"{1}{1}25", "{25}{50}Kept"}, {kLeftOutOne, BrokenOffText(4, kEnglish)}},
    TimedTextCase{"XmlOfAnotherKind", ImportTtml,
        "<?xml version=\"1.0\"?>\n<root><p begin=\"1s\" end=\"2s\">x</p></root>", {}},
    TimedTextCase{"TtWithoutItsNamespace", ImportTtml, "<tt><body><p begin=\"1s\">x</p></body></tt>", {}},
    TimedTextCase{"NotXmlAtAll", ImportTtml, "1\n00:00:01,000 --> 00:00:02,000\nHello", {}}),
    [](const auto &info) { return std::string(info.param.name); });
// clang-format on

// A long file is read in two halves at once: every cue comes in order, and
// blocks that are no cue are counted on both sides of the middle.
TEST_F(ImportBench, WebVttLongFilesAreReadWhole) {
    std::string text = "WEBVTT\n\n";
    std::vector<std::string> expected{"{1}{1}25"};
    for (int cue = 0; cue < 40'000; ++cue) {
        if (cue == 10'000 || cue == 30'000)
            text += "stray text\n\n";
        if (cue == 20'000)
            text += "NOTE near the middle\n\n";
        text += "00:00:01.000 --> 00:00:02.000\nC" + std::to_string(cue) + "\n\n";
        expected.push_back("{25}{50}C" + std::to_string(cue));
    }
    Import(ImportWebVtt, text);
    EXPECT_EQ(buffer.ToVector(), expected);
    EXPECT_EQ(dialogs.Messages(), std::vector<std::string>{LeftOutText(2, kEnglish)});
}

TEST(TtmlTimes, ClockAndOffsetTimesAtTheDocumentsRates) {
    const TtmlRates ntsc = ReadTtmlRates("30", "1000 1001", "2", "");
    const TtmlRates plain = ReadTtmlRates("", "", "", "");
    const TtmlRates ticks = ReadTtmlRates("0", "x", "", "10000000");
    const struct {
        const char *text;
        const TtmlRates &rates;
        std::optional<Extended> seconds;
    } cases[] = {
        {"01:02:03", plain, 3723},
        {" 00:00:01.250 ", plain, 1.25L},
        {"00:00:01:15", plain, 1.5L},
        {"00:00:00:15.1", ntsc, 15.5L * 1.001L / 30},
        {"1.5h", plain, 5400},
        {"2m", plain, 120},
        {"40ms", plain, 0.04L},
        {"30f", ntsc, 1.001L},
        {"5000000t", ticks, 0.5L},
        {"3t", plain, 3},
        {"01:02", plain, std::nullopt},
        {"1:2:3:4:5", plain, std::nullopt},
        {"00:00:01.5:10", plain, std::nullopt},
        {"1.5", plain, std::nullopt},
        {"-1s", plain, std::nullopt},
        {"1x", plain, std::nullopt},
        {".5s", plain, std::nullopt},
    };
    for (const auto &c : cases) {
        const auto seconds = TtmlSeconds(c.text, c.rates);
        ASSERT_EQ(seconds.has_value(), c.seconds.has_value()) << c.text;
        if (seconds) {
            EXPECT_NEAR(static_cast<double>(*seconds), static_cast<double>(*c.seconds), 1e-9) << c.text;
        }
    }
    EXPECT_EQ(ticks.frameRate, 30);
}

// Hostile XML: entities that would grow into gigabytes, an entity naming a
// local file, a document nested deeper than any subtitle file, a text
// larger than libxml2 keeps. None may be expanded, loaded, crash or take long.
TEST(TtmlHostileInput, IsReadWithoutExpandingOrLoadingAnything) {
    std::string laughs = "<?xml version=\"1.0\"?>\n<!DOCTYPE tt [\n <!ENTITY l0 \"lol\">\n";
    for (int i = 1; i <= 9; ++i)
        laughs += " <!ENTITY l" + std::to_string(i) + " \"" + [&] {
            std::string refs;
            for (int j = 0; j < 10; ++j)
                refs += "&l" + std::to_string(i - 1) + ";";
            return refs;
        }() + "\">\n";
    laughs += " <!ENTITY file SYSTEM \"file:///etc/passwd\">\n]>\n"
              "<tt xmlns=\"http://www.w3.org/ns/ttml\"><body><p begin=\"1s\" end=\"2s\">A &file; B</p>"
              "<p begin=\"3s\" end=\"4s\">C &l9; D</p></body></tt>";
    std::string deep = "<tt xmlns=\"http://www.w3.org/ns/ttml\"><body>";
    for (int i = 0; i < 100000; ++i)
        deep += "<div>";
    std::string huge = "<tt xmlns=\"http://www.w3.org/ns/ttml\"><body><p begin=\"1s\" end=\"2s\" x=\"" +
                       std::string(20'000'000, 'x') + "\">Huge</p></body></tt>";

    const auto started = std::chrono::steady_clock::now();
    for (const std::string *text : {&laughs, &deep, &huge}) {
        const auto document = ReadTtml(*text);
        if (!document)
            continue;
        for (const TtmlCue &cue : document->cues)
            EXPECT_EQ(cue.text.find("lollol"), std::string::npos);
        EXPECT_TRUE(document->brokenAtLine.has_value());
    }
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(5));
    const auto fileEntity = ReadTtml(laughs.substr(0, laughs.find("<p begin=\"3s\"")) + "</body></tt>");
    ASSERT_TRUE(fileEntity);
    ASSERT_EQ(fileEntity->cues.size(), 1u);
    EXPECT_EQ(fileEntity->cues[0].text, "A B");
}

} // namespace
