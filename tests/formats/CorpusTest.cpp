#include "document/Chars.h"
#include "document/TextFile.h"
#include "formats/SubRipTimes.h"
#include "shell/Unit1.h"
#include "tests/support/FakePlatform.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>

namespace fs = std::filesystem;

namespace {
// Sample files of other programs, every folder of the corpus: every one
// must open, and a well-formed file of its format must give one entry per
// subtitle.
std::vector<std::string> CorpusFiles() {
    std::vector<std::string> files;
    const fs::path corpus = LUMAVERT_CORPUS_DIR;
    if (!fs::is_directory(corpus))
        return files;
    for (const auto &folder : fs::directory_iterator(corpus)) {
        if (!folder.is_directory())
            continue;
        const std::string name = folder.path().filename().string();
        for (const auto &file : fs::directory_iterator(folder))
            files.push_back(name + "/" + file.path().filename().string());
    }
    std::sort(files.begin(), files.end());
    return files;
}

bool CountedByLines(const std::string &file) {
    return file.starts_with("subrip/") || file.starts_with("microdvd/");
}

// Files whose entries differ from their subtitles: what they open as, and why.
struct Divergence {
    const char *format;
    const char *reason;
};

constexpr const char *kBeforeTheFilm = "the first time line is before the film (\"-00:00:06,843\")";

const std::map<std::string, Divergence> kExpectedToDiffer = {
    {"microdvd/pysubs2-test_extra_whitespace_parsing.sub", {"Unknown", "the first line starts with blanks"}},
    {"microdvd/pysubs2-test_parser_skipping_lines.sub", {"Unknown", "the first line is \"Ook!\""}},
    {"subrip/exoplayer-empty.srt", {"...", "no line at all: New"}},
    {"subrip/gaupol-subrip-extended.srt", {"Unknown", kBeforeTheFilm}},
    {"subrip/gaupol-subrip.srt", {"Unknown", kBeforeTheFilm}},
    {"subrip/pysubs2-test_read_malformed.srt", {"Unknown", "the first time line reads \"->\" for \"-->\""}},
};

// Files of the other formats: what each opens as, its number of entries,
// and, where the file is not well formed for its format, why the entries
// differ from its subtitles.
struct Opened {
    const char *format;
    std::size_t entries;
    const char *reason;
};

constexpr const char *kStacked = "stacked subtitles: the one around is cut, the time they share shows both";

// Well-formed files of the line-counted formats with stacked subtitles: their
// entries after the timing correction.
const std::map<std::string, std::size_t> kStackedEntries = {
    {"microdvd/subtitlesparser-Gangs-of-New-York-DVD-Deadman-2.sub", 773},
    {"subrip/pysrt-capability_tester.srt", 32},
    {"subrip/pysubs2-test_empty_subtitles.srt", 2},
    {"subrip/subtitlesparser-The_Mentalist_3x11.fr.srt", 95},
};

constexpr const char *kNegativeTimes = "times before the film (\"-0:00:07\") are no one-line TMPlayer times";

// clang-format off
const std::map<std::string, Opened> kOtherFormats = {
    {"adobe-encore/subtitleedit-comment-AdobeEncore.txt", {"Adobe Encore DVD", 1, nullptr}},
    {"aqtitle/subtitleedit-comment-AQTitle.aqt", {"AQTitle", 2, nullptr}},
    {"dvd-subtitle-system/subtitleworkshop-comment-UCheckFormat.txt", {"DVD Subtitle System", 1, nullptr}},
    {"dvdsubtitle/subtitleedit-template+comment-DvdSubtitle.sub", {"DVDSubtitle", 1, "no clearing block: the subtitle lasts the default duration"}},
    {"fab-subtitler/subtitleedit-comment-FabSubtitler.txt", {"FAB Subtitler", 1, nullptr}},
    {"inscriber-cg/subtitleedit-comment-MidwayInscriberCGX.txt",
     {"Unknown", 2, "a related layout: no \"@@9 Title\" header and no \"@@9\" prefixes"}},
    {"mac-dvd-studio-pro/subtitleworkshop-comment-UCheckFormat.txt",
     {"Adobe Encore DVD", 1, "written with blanks, not tabs, and without \"//\": the Adobe Encore DVD layout"}},
    {"mpl2/gaupol-mpl2.txt", {"MPlayer 2", 10, nullptr}},
    {"mpl2/gstreamer-mpl2.mpl", {"MPlayer 2", 5, nullptr}},
    {"mpl2/pysubs2-test_simple_parsing-input3.mpl", {"MPlayer 2", 3, "two lines of other text among the subtitles are skipped"}},
    {"pinnacle-impression/subtitleedit-template+comment-PinnacleImpression.txt",
     {"Pinnacle Impression", 2, "the second text line stands alone, a subtitle of invalid times"}},
    {"sami/gstreamer-sami.smi", {"SAMI Captioning", 2, nullptr}},
    {"sami/gstreamer-sami_comment.smi", {"SAMI Captioning", 2, "entities without \";\" (\"&nbsp &\")"}},
    {"sami/gstreamer-sami_html_entities.smi", {"SAMI Captioning", 3, nullptr}},
    {"sami/mantas-subtitles-smi.smi", {"SAMI Captioning", 2, nullptr}},
    {"sami/mantas-subtitles-smi_formatted.smi", {"SAMI Captioning", 3, nullptr}},
    {"sami/pysubs2-SAMI_INPUT1.smi", {"SAMI Captioning", 9, nullptr}},
    {"sami/pysubs2-SAMI_INPUT2.smi", {"SAMI Captioning", 1, nullptr}},
    {"sami/subsrt-sample.smi", {"SAMI Captioning", 6, nullptr}},
    {"sonic-dvd-creator/subtitleedit-comment-SonicScenaristBitmaps.sub",
     {"Sonic DVD Creator", 0, "a Sonic Scenarist bitmap line: its timecodes are not where this format has them"}},
    {"sonic-dvd-creator/subtitleworkshop-comment-FRead_WINCAPSTEXTTIMECODED.txt", {"Sonic DVD Creator", 3, nullptr}},
    {"spruce-dvd-maestro/subtitleedit-comment-Son.son", {"Spruce DVD Maestro", 1, nullptr}},
    {"spruce-stl/mantas-subtitles-stl.stl", {"Spruce Subtitle File", 2, nullptr}},
    {"spruce-stl/mantas-subtitles-stl_with_comments.stl", {"Spruce Subtitle File", 2, nullptr}},
    {"spruce-stl/subtitleedit-template+comment-Spruce.stl", {"Spruce Subtitle File", 1, nullptr}},
    {"ssa/gaupol-ssa.ssa", {"SubStation Alpha", 11, kStacked}},
    {"ssa/pysubs2-HEX_COLOR_IN_SSA.ssa", {"SubStation Alpha", 1, nullptr}},
    {"ssa/pysubs2-SIMPLE_SSA_REF.ssa", {"SubStation Alpha", 2, nullptr}},
    {"ssa/subsrt-sample.ssa", {"SubStation Alpha", 0, "every line starts with a blank, so none with \"Dialogue\""}},
    {"ssa/subtitleedit-seconv-test.ssa", {"SubStation Alpha", 3, nullptr}},
    {"ssa/subtitleedit-test-GetSsaLines-SsaSimpleFontColorAndItalic.ssa", {"SubStation Alpha", 1, nullptr}},
    {"ssa/subtitlesparser-HP2.ssa", {"SubStation Alpha", 622, nullptr}},
    {"ssa/subtitlesparser-HellBoy_2_The_Golden_Army.ssa", {"SubStation Alpha", 849, nullptr}},
    {"ssa/subtitlesparser-Lost_and_Delirious_fr.ssa", {"SubStation Alpha", 933, nullptr}},
    {"subviewer1/subtitleedit-template+comment-SubViewer10.sub", {"SubViewer 1.0", 1, nullptr}},
    {"subviewer2/gaupol-subviewer2.sub", {"SubViewer 2.0", 11, kStacked}},
    {"subviewer2/gstreamer-subviewer.sub", {"SubViewer 2.0", 2, nullptr}},
    {"subviewer2/gstreamer-subviewer2.sub", {"SubViewer 2.0", 2, nullptr}},
    {"subviewer2/mantas-subtitles-sub_viewer.sub", {"Unknown", 5, "no [INFORMATION] header"}},
    {"subviewer2/mantas-subtitles-sub_viewer_with_headers.sub", {"SubViewer 2.0", 2, nullptr}},
    {"subviewer2/subtitlesparser-battlestar.galactica.s03e09.eng.sub", {"SubViewer 2.0", 336, nullptr}},
    {"tmplayer/gaupol-tmplayer-1.txt", {"Unknown", 10, kNegativeTimes}},
    {"tmplayer/gaupol-tmplayer-2.txt", {"Unknown", 10, kNegativeTimes}},
    {"tmplayer/gstreamer-tmplayer_multiline.txt",
     {"TMPlayer", 1, "the clearing lines have no \",2=\" line, so the four-line groups drift"}},
    {"tmplayer/gstreamer-tmplayer_multiline_with_bogus_lines.txt",
     {"Unknown", 6, "line 2 is a bogus line between \",1=\" and \",2=\""}},
    {"tmplayer/gstreamer-tmplayer_style1.txt", {"TMPlayer (one line)", 2, nullptr}},
    {"tmplayer/gstreamer-tmplayer_style2.txt", {"TMPlayer (one line)", 2, nullptr}},
    {"tmplayer/gstreamer-tmplayer_style3.txt", {"TMPlayer (one line)", 2, nullptr}},
    {"tmplayer/gstreamer-tmplayer_style4.txt", {"TMPlayer (one line)", 2, nullptr}},
    {"tmplayer/pysubs2-test_simple_read.txt", {"TMPlayer (one line)", 3, nullptr}},
    {"turbotitler/subtitleedit-comment-TurboTitler.tts", {"TurboTitler", 3, nullptr}},
    {"ulead/subtitleedit-template+comment-Ulead.txt", {"Ulead subtitle format", 1, nullptr}},
    {"zerog/subtitleedit-comment-ZeroG.zeg", {"ZeroG 1.0", 3, nullptr}},
};
// clang-format on

// The file's lines as the program reads them (UTF-8 and UTF-16 decoded).
std::vector<std::string> RawLines(const std::string &bytes) {
    return DecodeTextLines(bytes).lines.ToVector();
}

// SubRip subtitles are counted by their time lines that read, MicroDVD ones
// by their lines that start with "{", less a frame-rate line at the top.
std::size_t CountSubtitles(bool subRip, const std::vector<std::string> &lines) {
    std::size_t count = 0;
    for (const std::string &line : lines)
        count += subRip ? ReadSubRipTimes(line, 25).has_value() : line.starts_with("{");
    if (!subRip && !lines.empty() && (lines[0].starts_with("{1}{1}") || lines[0].starts_with("{0}{0}")) &&
        lines[0].find_first_not_of("0123456789.,", 6) == std::string::npos)
        --count;
    return count;
}

class YesDialogs : public FakeDialogs {
public:
    bool AskYesNo(const std::string &, QuestionKind) override { return true; }
};

class Corpus : public ::testing::TestWithParam<std::string> {};

TEST_P(Corpus, FileOpens) {
    const fs::path path = fs::path(LUMAVERT_CORPUS_DIR) / GetParam();
    YesDialogs dialogs;
    dialogs.AllowErrors();
    MemorySettings settings;
    FakeLauncher launcher;
    FakePlayer player;
    Platform platform{dialogs, settings, launcher, player};
    TForm1 form(platform);
    form.ActivarosAlertas1.Checked = false;
    dialogs.ChooseFile(path.string());
    form.Run(&TForm1::btAbrirClick);

    if (!CountedByLines(GetParam())) {
        const auto expected = kOtherFormats.find(GetParam());
        ASSERT_NE(expected, kOtherFormats.end())
            << "no row for " << GetParam() << ": opens as " << form.Formato.Caption << " with "
            << form.SubtitleList().Count() << " entries";
        const char *reason = expected->second.reason ? expected->second.reason : "well formed";
        EXPECT_EQ(form.Formato.Caption, expected->second.format) << reason;
        EXPECT_EQ(form.SubtitleList().Count(), expected->second.entries) << reason;
        return;
    }

    std::ifstream in(path, std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(in), {}};
    const bool subRip = GetParam().starts_with("subrip");
    const auto divergence = kExpectedToDiffer.find(GetParam());
    if (divergence != kExpectedToDiffer.end()) {
        EXPECT_EQ(form.Formato.Caption, divergence->second.format) << divergence->second.reason;
        return;
    }
    EXPECT_EQ(form.Formato.Caption, subRip ? "SubRip" : "MicroDVD");
    const auto stacked = kStackedEntries.find(GetParam());
    EXPECT_EQ(form.SubtitleList().Count(),
              stacked != kStackedEntries.end() ? stacked->second : CountSubtitles(subRip, RawLines(bytes)));
}

INSTANTIATE_TEST_SUITE_P(Samples, Corpus, ::testing::ValuesIn(CorpusFiles()),
                         [](const ::testing::TestParamInfo<std::string> &info) {
                             std::string name;
                             for (char c : info.param)
                                 name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
                             return name;
                         });
} // namespace
