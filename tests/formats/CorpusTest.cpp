#include "document/Chars.h"
#include "document/TextFile.h"
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

constexpr const char *kNoNumbers = "the first line is a time line, not a block number";
constexpr const char *kArrowMoved = "the arrow of the first time line is not at characters 14 to 16";
constexpr const char *kBlockWithoutTime = "a block without a time line takes the frames of the block before";

const std::map<std::string, Divergence> kExpectedToDiffer = {
    {"microdvd/pysubs2-test_extra_whitespace_parsing.sub", {"Unknown", "the first line starts with blanks"}},
    {"microdvd/pysubs2-test_parser_skipping_lines.sub", {"Unknown", "the first line is \"Ook!\""}},
    {"subrip/exoplayer-empty.srt", {"...", "no line at all: New"}},
    {"subrip/exoplayer-typical_missing_timecode.srt", {"SubRip", kBlockWithoutTime}},
    {"subrip/exoplayer-typical_negative_timestamps.srt", {"SubRip", "\"-00:\" moves the arrow of block 2"}},
    {"subrip/exoplayer-typical_no_hours_and_millis.srt", {"Unknown", kArrowMoved}},
    {"subrip/exoplayer-typical_with_tags.srt",
     {"SubRip", "three-digit seconds move the arrow from block 5 on"}},
    {"subrip/gaupol-subrip-extended.srt", {"Unknown", kArrowMoved}},
    {"subrip/gaupol-subrip.srt", {"Unknown", kArrowMoved}},
    {"subrip/gstreamer-srt_input3-short-ms-extra-spaces.srt", {"Unknown", kArrowMoved}},
    {"subrip/mantas-subtitles-utf16.srt",
     {"Unknown", "UTF-16 text whose first time line has a one-digit second"}},
    {"subrip/pysrt-invalid.srt", {"Unknown", kArrowMoved}},
    {"subrip/pysrt-no-indexes.srt", {"Unknown", kNoNumbers}},
    {"subrip/pysubs2-test_empty_subtitles.srt", {"Unknown", kArrowMoved}},
    {"subrip/pysubs2-test_read_malformed.srt", {"Unknown", kNoNumbers}},
    {"subrip/subtitleedit-test-MissingLineNumberAndEmptyLines.srt", {"Unknown", kNoNumbers}},
    {"subrip/subtitleedit-test-SrtDifficultLines1.srt",
     {"SubRip", "an empty line inside block 304 ends its text"}},
    {"subrip/subtitleedit-test-SrtMissingNewLinesAndBadTimeCodes.srt", {"Unknown", kArrowMoved}},
    {"subrip/subtitleedit-test-SrtNoLineNumbers.srt", {"Unknown", kNoNumbers}},
    {"subrip/subtitleedit-test-SrtSpacesPre.srt", {"Unknown", kArrowMoved}},
    {"subrip/subtitleedit-test-SrtZeroWidthWhitespaceCharInTimeStamp.srt",
     {"SubRip", "zero-width spaces, read as \"?\", move the arrow of block 2"}},
    {"subrip/subtitleedit-test-TestBadFileWithMissingNewLineAndBadNumbers.srt", {"Unknown", kNoNumbers}},
    {"subrip/subtitlesparser-The_Mentalist_3x11.fr.srt",
     {"SubRip", "most time lines read \"- >\" for \"-->\""}},
    {"subrip/subtitlesparser-ccSubs_pope-francis_en.srt", {"Unknown", kArrowMoved}},
};

// Files of the other formats: what each opens as, its number of entries,
// and, where the file is not well formed for its format, why the entries
// differ from its subtitles.
struct Opened {
    const char *format;
    std::size_t entries;
    const char *reason;
};

constexpr const char *kNotReadYet = "no importer reads this format yet: the lines as they stand";

// clang-format off
const std::map<std::string, Opened> kOtherFormats = {
    {"adobe-encore/subtitleedit-comment-AdobeEncore.txt", {"Unknown", 2, kNotReadYet}},
    {"aqtitle/subtitleedit-comment-AQTitle.aqt", {"Unknown", 9, kNotReadYet}},
    {"dvd-subtitle-system/subtitleworkshop-comment-UCheckFormat.txt", {"Unknown", 1, kNotReadYet}},
    {"dvdsubtitle/subtitleedit-template+comment-DvdSubtitle.sub", {"MicroDVD", 16, kNotReadYet}},
    {"fab-subtitler/subtitleedit-comment-FabSubtitler.txt", {"Unknown", 3, kNotReadYet}},
    {"inscriber-cg/subtitleedit-comment-MidwayInscriberCGX.txt", {"Unknown", 2, kNotReadYet}},
    {"mac-dvd-studio-pro/subtitleworkshop-comment-UCheckFormat.txt", {"Unknown", 1, kNotReadYet}},
    {"mpl2/gaupol-mpl2.txt", {"Unknown", 10, kNotReadYet}},
    {"mpl2/gstreamer-mpl2.mpl", {"Unknown", 5, kNotReadYet}},
    {"mpl2/pysubs2-test_simple_parsing-input3.mpl", {"Unknown", 6, kNotReadYet}},
    {"pinnacle-impression/subtitleedit-template+comment-PinnacleImpression.txt", {"Unknown", 6, kNotReadYet}},
    {"sami/gstreamer-sami.smi", {"Unknown", 24, kNotReadYet}},
    {"sami/gstreamer-sami_comment.smi", {"Unknown", 15, kNotReadYet}},
    {"sami/gstreamer-sami_html_entities.smi", {"Unknown", 13, kNotReadYet}},
    {"sami/mantas-subtitles-smi.smi", {"Unknown", 23, kNotReadYet}},
    {"sami/mantas-subtitles-smi_formatted.smi", {"Unknown", 29, kNotReadYet}},
    {"sami/pysubs2-SAMI_INPUT1.smi", {"Unknown", 62, kNotReadYet}},
    {"sami/pysubs2-SAMI_INPUT2.smi", {"Unknown", 35, kNotReadYet}},
    {"sami/subsrt-sample.smi", {"Unknown", 33, kNotReadYet}},
    {"sonic-dvd-creator/subtitleedit-comment-SonicScenaristBitmaps.sub", {"Unknown", 1, kNotReadYet}},
    {"sonic-dvd-creator/subtitleworkshop-comment-FRead_WINCAPSTEXTTIMECODED.txt", {"Unknown", 8, kNotReadYet}},
    {"spruce-dvd-maestro/subtitleedit-comment-Son.son", {"Unknown", 1, kNotReadYet}},
    {"spruce-stl/mantas-subtitles-stl.stl", {"Unknown", 2, kNotReadYet}},
    {"spruce-stl/mantas-subtitles-stl_with_comments.stl", {"Unknown", 8, kNotReadYet}},
    {"spruce-stl/subtitleedit-template+comment-Spruce.stl", {"Unknown", 38, kNotReadYet}},
    {"ssa/gaupol-ssa.ssa", {"Unknown", 32, kNotReadYet}},
    {"ssa/pysubs2-HEX_COLOR_IN_SSA.ssa", {"Unknown", 27, kNotReadYet}},
    {"ssa/pysubs2-SIMPLE_SSA_REF.ssa", {"Unknown", 20, kNotReadYet}},
    {"ssa/subsrt-sample.ssa", {"Unknown", 21, kNotReadYet}},
    {"ssa/subtitleedit-seconv-test.ssa", {"Unknown", 16, kNotReadYet}},
    {"ssa/subtitleedit-test-GetSsaLines-SsaSimpleFontColorAndItalic.ssa", {"Unknown", 14, kNotReadYet}},
    {"ssa/subtitlesparser-HP2.ssa", {"Unknown", 644, kNotReadYet}},
    {"ssa/subtitlesparser-HellBoy_2_The_Golden_Army.ssa", {"Unknown", 860, kNotReadYet}},
    {"ssa/subtitlesparser-Lost_and_Delirious_fr.ssa", {"Unknown", 946, kNotReadYet}},
    {"subviewer1/subtitleedit-template+comment-SubViewer10.sub", {"Unknown", 18, kNotReadYet}},
    {"subviewer2/gaupol-subviewer2.sub", {"Unknown", 42, kNotReadYet}},
    {"subviewer2/gstreamer-subviewer.sub", {"Unknown", 18, kNotReadYet}},
    {"subviewer2/gstreamer-subviewer2.sub", {"Unknown", 18, kNotReadYet}},
    {"subviewer2/mantas-subtitles-sub_viewer.sub", {"Unknown", 5, kNotReadYet}},
    {"subviewer2/mantas-subtitles-sub_viewer_with_headers.sub", {"Unknown", 17, kNotReadYet}},
    {"subviewer2/subtitlesparser-battlestar.galactica.s03e09.eng.sub", {"Unknown", 1020, kNotReadYet}},
    {"tmplayer/gaupol-tmplayer-1.txt", {"Unknown", 10, kNotReadYet}},
    {"tmplayer/gaupol-tmplayer-2.txt", {"Unknown", 10, kNotReadYet}},
    {"tmplayer/gstreamer-tmplayer_multiline.txt", {"Unknown", 5, kNotReadYet}},
    {"tmplayer/gstreamer-tmplayer_multiline_with_bogus_lines.txt", {"Unknown", 6, kNotReadYet}},
    {"tmplayer/gstreamer-tmplayer_style1.txt", {"Unknown", 4, kNotReadYet}},
    {"tmplayer/gstreamer-tmplayer_style2.txt", {"Unknown", 4, kNotReadYet}},
    {"tmplayer/gstreamer-tmplayer_style3.txt", {"Unknown", 4, kNotReadYet}},
    {"tmplayer/gstreamer-tmplayer_style4.txt", {"Unknown", 4, kNotReadYet}},
    {"tmplayer/pysubs2-test_simple_read.txt", {"Unknown", 3, kNotReadYet}},
    {"turbotitler/subtitleedit-comment-TurboTitler.tts", {"Unknown", 3, kNotReadYet}},
    {"ulead/subtitleedit-template+comment-Ulead.txt", {"Unknown", 14, kNotReadYet}},
    {"zerog/subtitleedit-comment-ZeroG.zeg", {"Unknown", 5, kNotReadYet}},
};
// clang-format on

// The file's lines as the program reads them (UTF-8 and UTF-16 decoded).
std::vector<std::string> RawLines(const std::string &bytes) {
    return DecodeTextLines(bytes).lines.ToVector();
}

// SubRip subtitles are counted by their time lines, MicroDVD ones by their
// lines that start with "{", less a frame-rate line at the top.
std::size_t CountSubtitles(bool subRip, const std::vector<std::string> &lines) {
    std::size_t count = 0;
    for (const std::string &line : lines)
        count += subRip ? CharsAre(line, 14, "-->") : line.starts_with("{");
    if (!subRip && !lines.empty() && lines[0].starts_with("{1}{1}") &&
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
        ASSERT_NE(expected, kOtherFormats.end()) << "no row for " << GetParam() << ": opens as "
                                                 << form.Formato.Caption << " with "
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
    EXPECT_EQ(form.SubtitleList().Count(), CountSubtitles(subRip, RawLines(bytes)));
}

INSTANTIATE_TEST_SUITE_P(Samples, Corpus, ::testing::ValuesIn(CorpusFiles()),
                         [](const ::testing::TestParamInfo<std::string> &info) {
                             std::string name;
                             for (char c : info.param)
                                 name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
                             return name;
                         });
} // namespace
