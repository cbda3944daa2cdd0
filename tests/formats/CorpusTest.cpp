#include "document/Chars.h"
#include "shell/Unit1.h"
#include "tests/support/FakePlatform.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <sstream>

namespace fs = std::filesystem;

namespace {
// Sample files of other programs: every one must open, and a well-formed
// file of its format must give one entry per subtitle.
std::vector<std::string> CorpusFiles() {
    std::vector<std::string> files;
    const fs::path corpus = LUMAVERT_CORPUS_DIR;
    if (!fs::is_directory(corpus))
        return files;
    for (const auto &folder : fs::directory_iterator(corpus)) {
        const std::string name = folder.path().filename().string();
        if (folder.is_directory() && (name.starts_with("subrip") || name.starts_with("microdvd")))
            for (const auto &file : fs::directory_iterator(folder))
                files.push_back(name + "/" + file.path().filename().string());
    }
    std::sort(files.begin(), files.end());
    return files;
}

// Files whose entries differ from their subtitles: what they open as, and why.
struct Divergence {
    const char *format;
    const char *reason;
};

constexpr const char *kNoNumbers = "the first line is a time line, not a block number";
constexpr const char *kArrowMoved = "the arrow of the first time line is not at characters 14 to 16";
constexpr const char *kWideText = "UTF-16 text, read as 8-bit text";
constexpr const char *kBlockWithoutTime = "a block without a time line takes the frames of the block before";

const std::map<std::string, Divergence> kExpectedToDiffer = {
    {"microdvd/pysubs2-test_extra_whitespace_parsing.sub", {"Unknown", "the first line starts with blanks"}},
    {"microdvd/pysubs2-test_parser_skipping_lines.sub", {"Unknown", "the first line is \"Ook!\""}},
    {"subrip/exoplayer-empty.srt", {"...", "no line at all: New"}},
    {"subrip/exoplayer-typical_missing_timecode.srt", {"SubRip", kBlockWithoutTime}},
    {"subrip/exoplayer-typical_negative_timestamps.srt", {"SubRip", "\"-00:\" moves the arrow of block 2"}},
    {"subrip/exoplayer-typical_no_hours_and_millis.srt", {"Unknown", kArrowMoved}},
    {"subrip/exoplayer-typical_utf16le.srt", {"Unknown", kWideText}},
    {"subrip/exoplayer-typical_with_tags.srt",
     {"SubRip", "three-digit seconds move the arrow from block 5 on"}},
    {"subrip/gaupol-subrip-extended.srt", {"Unknown", kArrowMoved}},
    {"subrip/gaupol-subrip.srt", {"Unknown", kArrowMoved}},
    {"subrip/gstreamer-srt_input3-short-ms-extra-spaces.srt", {"Unknown", kArrowMoved}},
    {"subrip/mantas-subtitles-utf16.srt", {"Unknown", kWideText}},
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

std::vector<std::string> RawLines(const std::string &bytes) {
    std::vector<std::string> lines;
    std::istringstream in(bytes);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line);
    }
    return lines;
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
