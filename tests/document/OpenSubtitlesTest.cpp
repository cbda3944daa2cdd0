#include "convert/OpenSubtitles.h"

#include "document/Errors.h"
#include "document/MessageTable.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr std::uint8_t kEnglish = 2;

// Tells nothing to anyone: keeps every box in order and gives one answer to all questions.
class ScriptedQuestions : public Questions {
public:
    explicit ScriptedQuestions(bool answer) : answer_(answer) {}
    void ShowMessage(const std::string &text) override { boxes.push_back(text); }
    bool AskYesNo(const std::string &text, QuestionKind) override {
        boxes.push_back("? " + text);
        return answer_;
    }
    std::vector<std::string> boxes;

private:
    bool answer_;
};

std::string English(MessageRow row) {
    return MessageText(row, kEnglish);
}

struct OpenCase {
    const char *name;
    const char *fileName;
    const char *bytes;
    bool answer;
    OpenOutcome outcome;
    const char *format;
    const char *fpsAfter;
    std::vector<std::string> lines;
    std::vector<std::string> boxes;
};

class OpenSubtitlesTable : public ::testing::TestWithParam<OpenCase> {};

TEST_P(OpenSubtitlesTable, GivesTheListTheRateAndTheBoxesInOrder) {
    const OpenCase &c = GetParam();
    ScriptedQuestions questions(c.answer);
    const OpenRequest request{c.fileName, std::string_view(c.bytes), "25,000", ReadingOptions{}, false,
                              kEnglish};
    const OpenedSubtitles opened = OpenSubtitles(request, questions);
    EXPECT_EQ(opened.outcome, c.outcome);
    EXPECT_EQ(opened.formatName, c.format);
    EXPECT_EQ(opened.fpsText, c.fpsAfter);
    EXPECT_EQ(opened.lines.ToVector(), c.lines);
    EXPECT_EQ(questions.boxes, c.boxes);
    // The messages of the result are the boxes that were not questions.
    std::vector<std::string> messages;
    for (const std::string &box : c.boxes)
        if (box.rfind("? ", 0) != 0)
            messages.push_back(box);
    EXPECT_EQ(opened.messages, messages);
}

const std::string kTimingErrors = English(MessageRow::TimingErrors);
const std::string kAskCorrection = "? " + English(MessageRow::AutoCorrection);

INSTANTIATE_TEST_SUITE_P(
    Files, OpenSubtitlesTable,
    ::testing::Values(OpenCase{"Empty", "a.sub", "\n\r\n", true, OpenOutcome::Empty, "", "25,000", {}, {}},
                      OpenCase{"Unknown",
                               "a.txt",
                               "hello\nworld",
                               true,
                               OpenOutcome::Unknown,
                               "Unknown",
                               "25,000",
                               {"hello", "world"},
                               {English(MessageRow::UnknownFormat)}},
                      OpenCase{"RateHeaderAndMarkup",
                               "a.sub",
                               "{1}{1}23.976\n{10}{20}A|<i>b</i>\n",
                               true,
                               OpenOutcome::Opened,
                               "MicroDVD",
                               "23,976",
                               {"{10}{20}A|b"},
                               {}},
                      OpenCase{"SubRipAtTheBoxRate",
                               "a.srt",
                               "1\n00:00:01,000 --> 00:00:02,000\nHi\n",
                               true,
                               OpenOutcome::Opened,
                               "SubRip",
                               "25,000",
                               {"{25}{50}Hi"},
                               {}},
                      OpenCase{"FaultsCorrected",
                               "a.sub",
                               "{10}{20}A\n{15}{30}B\n",
                               true,
                               OpenOutcome::Opened,
                               "MicroDVD",
                               "25,000",
                               {"{10}{20}A", "{21}{30}B"},
                               {kTimingErrors, kAskCorrection}},
                      OpenCase{"FaultsKept",
                               "a.sub",
                               "{10}{20}A\n{15}{30}B\n",
                               false,
                               OpenOutcome::Opened,
                               "MicroDVD",
                               "25,000",
                               {"{10}{20}A", "{15}{30}B"},
                               {kTimingErrors, kAskCorrection,
                                English(MessageRow::StartBeforePreviousEnd) + "\n\r{15}{30}B"}}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(OpenSubtitles, FailuresThrowWithoutAResult) {
    ScriptedQuestions questions(false);
    OpenRequest request{"a.sub", std::string_view("{10}{20}A\n{15}{30}B\n"), "abc", ReadingOptions{}, false,
                        kEnglish};
    EXPECT_THROW(OpenSubtitles(request, questions), ConvertError);
    // The entry a declined correction points at has its fields worked out,
    // and a delay with a fraction is no whole number of seconds.
    request.fpsText = "25";
    request.delayText = "1,5";
    EXPECT_THROW(OpenSubtitles(request, questions), ConvertError);
    request.fileName = "missing-file.sub";
    request.bytes.reset();
    EXPECT_THROW(OpenSubtitles(request, questions), FileError);
}

// A file read from disk moves the bar after the reading, the decoding, the
// import, the markup and the timing check, always forward.
TEST(OpenSubtitles, ProgressMovesForwardThroughEveryStep) {
    const TempFolder folder("open-progress");
    ScriptedQuestions questions(false);
    const OpenRequest request{folder.Write("a.srt", "1\r\n00:00:01,000 --> 00:00:02,000\r\nA\r\n"),
                              std::nullopt,
                              "25",
                              ReadingOptions{},
                              false,
                              kEnglish};
    std::vector<int> reached;
    OpenSubtitles(request, questions, [&](int percent) { reached.push_back(percent); });
    EXPECT_EQ(reached, (std::vector<int>{10, 30, 60, 80, 95}));
}

} // namespace
