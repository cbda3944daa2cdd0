#include "document/Errors.h"
#include "formats/ExtensionRules.h"
#include "formats/OpenFilter.h"
#include "formats/RecognitionRules.h"

#include "document/MessageTable.h"
#include "tests/support/FakePlatform.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <set>

namespace {
// A Captions 32 line: ":" at 3, 6, 9, 17, 20 and 23, "," at 13 and 27, "|" at 62.
std::string Captions32Line(char at62) {
    std::string line = "00:00:01:00 , 00:00:03:00 , ";
    line.resize(61, 'x');
    return line + at62 + "second line";
}

struct RuleCase {
    int number;
    std::string l1, l2;         // lines the rule takes, and no rule before it
    std::string nearL1, nearL2; // lines it must not take
    Importer *importer;
};

class ContentRules : public ::testing::TestWithParam<RuleCase> {};

TEST_P(ContentRules, TakeTheirLinesAndNoNearMiss) {
    const RuleCase &c = GetParam();
    const auto rules = RecognitionOrder();
    const RecognitionRule &rule = rules[static_cast<std::size_t>(c.number - 1)];
    EXPECT_EQ(rule.number, c.number);
    EXPECT_EQ(rule.importer, c.importer);
    EXPECT_TRUE(rule.holds(c.l1, c.l2));
    EXPECT_FALSE(rule.holds(c.nearL1, c.nearL2));
    const auto first =
        std::ranges::find_if(rules, [&](const RecognitionRule &r) { return r.holds(c.l1, c.l2); });
    EXPECT_EQ(first->number, c.number) << "an earlier rule takes the lines";
}

const std::string kOk = "OK";

INSTANTIATE_TEST_SUITE_P(
    Table, ContentRules,
    ::testing::Values(
        RuleCase{1, "1", "00:00:01,000 --> 00:00:02,000", "1", "0:00:01,000 -> 0:00:02,000", ImportSubRip},
        RuleCase{1, "00:00:01,000 --> 00:00:02,000", "Hello", "0:00:01,000 -> 0:00:02,000", "Hello",
                 ImportSubRip},
        RuleCase{2, "[TITLE]", kOk, "[TITLE] ", kOk, ImportSubViewer1},
        RuleCase{3, "[INFORMATION]", kOk, "[information]", kOk, ImportSubViewer2},
        RuleCase{4, "00:00:10,1=Hello", "00:00:10,2=world", "00:00:10,1=Hello", "00:00:11,2=world",
                 ImportTMPlayer},
        RuleCase{5, "{* VIPLAY SUBTITLE FILE *}", kOk, "{* VIPLAY SUBTITLE FILE*}", kOk, ImportViPlay},
        RuleCase{6, "#Ulead subtitle format", kOk, "#Ulead Subtitle format", kOk, ImportUlead},
        RuleCase{7, "0:01:37.89,0:01:40.52,NTP text", kOk, "0:01:37.89,0:01:40.52,ntp text", kOk,
                 ImportTurboTitler},
        RuleCase{8, "% Zero G 1.0", kOk, "% Zero G 2.0", kOk, ImportZeroG},
        RuleCase{9, "-->> 072058", kOk, "--> 072058", kOk, ImportAQTitle},
        RuleCase{10, "{HEAD", kOk, "{HEAD ", kOk, ImportDVDSubtitle},
        RuleCase{11, "<SAMI>", kOk, "<SAMI", kOk, ImportSami},
        RuleCase{11, "\xEF\xBB\xBF<sami><HEAD><TITLE>x</TITLE>", kOk, "<SAMIParam>", kOk, ImportSami},
        RuleCase{11, " ", "<Sami>", "<!-- <SAM> -->", "<HEAD>", ImportSami},
        RuleCase{12, "Subtitle File Mark:2C:\\Untitled.avi", kOk, "Subtitle File Mar", kOk, ImportDVDJunior},
        RuleCase{13, "00:00:01.5:Hello", "00:00:03.0:", "00:00:01.5:Hello", "Hello", ImportSubCreator},
        RuleCase{14, "00:50:34:22  00:50:39:13", kOk, "00:50:34:22  00:50:39:13 ", kOk, ImportFabSubtitler},
        RuleCase{15, "00:03:15:22 00:03:23:10 This is line one.", kOk, "00:03:15:22\t00:03:23:10 Text", kOk,
                 ImportDVDSubtitleSystem},
        RuleCase{16, "0001 00:00:03:00 00:00:05:00", kOk, "001 00:00:03:00", kOk, ImportSonicDVDCreator},
        RuleCase{17, "00:00:03:00\t00:00:08:00\tText", kOk, "00:00:03:00\t00:00:08.00\tText", kOk,
                 ImportMacDVDStudioPro},
        RuleCase{18, Captions32Line('|'), kOk, Captions32Line('x'), kOk, ImportCaptions32},
        RuleCase{19, "BMPFILE: sub0001.bmp", kOk, "BMPFIL", kOk, ImportIAuthor},
        RuleCase{20, "-------", "#INPOINT OUTPOINT PATH", "-------", "#INPOINT OUTPOINT PATH ",
                 ImportPinnacle},
        RuleCase{21, "@@9 Title", kOk, "@@9 title", kOk, ImportInscriberCG},
        RuleCase{22, "[10][25]Hello", kOk, "[10][2x]Hello", kOk, ImportMPlayer2},
        RuleCase{22, "[-68][-28]Before the film", kOk, "[10] [25]Hello", kOk, ImportMPlayer2},
        RuleCase{23, "00:00:10:Hello|world", kOk, "00:00:10,1=Hello", kOk, ImportTMPlayerOneLine},
        RuleCase{23, "00:00:10:Hello", "00:00:12:", "00:00:10:Hello", "Notes", ImportTMPlayerOneLine},
        RuleCase{23, "00:00:10:Hello", "", "00:00:10:Hello", "0:0:12:", ImportTMPlayerOneLine},
        RuleCase{23, "0:00:10=Hello", kOk, "0:0:10=Hello", kOk, ImportTMPlayerOneLine},
        RuleCase{23, "12:34:56:", kOk, "-0:00:07:Hello", kOk, ImportTMPlayerOneLine},
        RuleCase{24, "WEBVTT", "", "WEBVTTX", "", ImportWebVtt},
        RuleCase{24, "\xEF\xBB\xBFWEBVTT\tKind: captions", kOk, " WEBVTT", kOk, ImportWebVtt},
        RuleCase{25, "<?xml version=\"1.0\"?>", "<tt xmlns=\"http://www.w3.org/ns/ttml\">", "<xml>", "<root>",
                 ImportTtml},
        RuleCase{25, "<!-- captions -->", "  <tt:tt xmlns:tt=\"http://www.w3.org/ns/ttml\">", "<html>", "<t>",
                 ImportTtml}));

class Dispatch : public ::testing::Test {
protected:
    FakeDialogs dialogs;
    TextList work;
    TextList buffer;
    TextList subtitles;
    std::string boxText = "25,000";
    ImportContext ctx{WorkLines(work), buffer, subtitles, 25.0, boxText, false, dialogs, 2};
    std::string formatName;
};

// The rate is read once per box text, but a text changed mid-import is read again.
TEST_F(Dispatch, TheBoxRateFollowsTheBoxText) {
    const struct {
        const char *text;
        std::optional<Extended> fps;
    } steps[] = {{"", std::nullopt}, {"25,000", 25},     {"25,000", 25},
                 {"29,97", 29.97L},  {"", std::nullopt}, {"29.97", std::nullopt}};
    for (const auto &step : steps) {
        boxText = step.text;
        if (step.fps)
            EXPECT_EQ(ctx.BoxFps(), *step.fps) << step.text;
        else
            EXPECT_THROW(ctx.BoxFps(), ConvertError) << step.text;
    }
}

TEST_F(Dispatch, ASubViewerFileNamedSrtPassesTheSubRipImporterByTheContentRules) {
    work = TextList{"[INFORMATION]", "[TITLE]Movie", "[SUBTITLE]"};
    std::string first = "OK", second = "OK";
    ImportByExtension(ctx, FileExtension("C:\\Films\\movie.srt"), first, second, formatName);
    EXPECT_EQ(first, "OK");
    EXPECT_EQ(work.Count(), 3u);
    const auto taking = std::ranges::find_if(
        RecognitionOrder(), [&](const RecognitionRule &r) { return r.holds(work[0], work[1]); });
    EXPECT_EQ(taking->importer, ImportSubViewer2);
}

TEST_F(Dispatch, AnAcceptedFileMatchesNoLaterRule) {
    work = TextList{"1", "00:00:01,000 --> 00:00:02,000", "Hello"};
    std::string first(work[0]), second(work[1]);
    ImportByContent(ctx, first, second, formatName);
    EXPECT_EQ(formatName, "SubRip");
    EXPECT_EQ(first, "");
    EXPECT_EQ(second, "");
    EXPECT_EQ(work, (TextList{"{1}{1}25", "{25}{50}Hello"}));
}

// A row that names an extension or a content rule must name an importer to
// call, and keys, extensions and rule numbers must each be unique, the
// numbers running from 1 without a gap.
TEST(InputFormatTable, RowsAreConsistent) {
    std::set<std::string_view> keys, extensions;
    std::set<int> numbers;
    for (const InputFormat &format : kInputFormats) {
        EXPECT_TRUE(keys.insert(format.key).second) << format.key;
        EXPECT_FALSE(format.name.empty() || format.patterns.empty() || format.mimeType.empty()) << format.key;
        ForEachListed(format.extensions, [&](std::string_view extension) {
            EXPECT_TRUE(extensions.insert(extension).second && format.importer) << format.key;
        });
        if (format.rule.number != 0) {
            EXPECT_TRUE(numbers.insert(format.rule.number).second && format.importer && format.rule.holds)
                << format.key;
        }
    }
    EXPECT_EQ(numbers.size(), RecognitionOrder().size());
    EXPECT_EQ(*numbers.rbegin(), static_cast<int>(numbers.size()));
    EXPECT_EQ(ImporterOf("subrip"), ImportSubRip);
    EXPECT_EQ(ImporterOf("none"), nullptr);
}

TEST(FileExtensions, AreTheUpperCasedTextAfterTheLastDot) {
    const std::pair<const char *, const char *> cases[] = {
        {"C:\\Films\\movie.srt", "SRT"},        {"/home/me/Movie.Srt", "SRT"},  {"a.tar.sbt", "SBT"},
        {"/films/my.subs/movie", "SUBS/MOVIE"}, {"noextension", "NOEXTENSION"}, {"dot.", ""},
    };
    for (const auto &[path, extension] : cases)
        EXPECT_EQ(FileExtension(path), extension) << path;
}

TEST(OpenDialogFilters, HoldThirtySixEntriesInTheLanguage) {
    const std::string english = OpenDialogFilter(2);
    EXPECT_TRUE(
        english.starts_with("All Subtitles|*.sub;*.srt;*.txt;*vsf;*.tts;*.zeg;*.aqt;*.stl;*.mpl;*.ssa;*.ass;"
                            "*.smi;*.sami;*.son;*.psb;*.sbt;*.vtt;*.ttml;*.dfxp;*.xml|Adobe Encore DVD|*.txt|"
                            "Advanced SubStation Alpha|*.ass|AQTitle|*.aqt|"));
    EXPECT_TRUE(
        english.ends_with("|Zero G|*.zeg|WebVTT|*.vtt|TTML / DFXP|*.ttml;*.dfxp;*.xml|All Files|*.*"));
    EXPECT_EQ(std::count(english.begin(), english.end(), '|'), 71);
    EXPECT_TRUE(OpenDialogFilter(1).starts_with(MessageText(MessageRow::AllSubtitles, 1) + "|*.sub;"));
    EXPECT_TRUE(OpenDialogFilter(4).ends_with("|" + MessageText(MessageRow::AllFiles, 4) + "|*.*"));
}
} // namespace
