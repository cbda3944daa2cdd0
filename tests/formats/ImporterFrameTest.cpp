#include "tests/formats/ImportBench.h"

#include "document/Errors.h"
#include "document/FrameLine.h"
#include "document/MessageTable.h"
#include "document/OwnMessages.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <climits>
#include <vector>

namespace {
struct HeaderCase {
    double fps;
    std::string box;
    std::string valueHeader, plainHeader, boxHeader, boxAfter;
};

class FpsHeaders : public ImportBench, public ::testing::WithParamInterface<HeaderCase> {};

TEST_P(FpsHeaders, FormsOfTheHeaderLine) {
    const HeaderCase &c = GetParam();
    ctx.CurrentFps = c.fps;
    boxText = c.box;
    EXPECT_EQ(ctx.ValueHeader(), c.valueHeader);
    EXPECT_EQ(ctx.PlainBoxHeader(), c.plainHeader);
    EXPECT_EQ(ctx.BoxHeader(), c.boxHeader);
    EXPECT_EQ(boxText, c.boxAfter);
}

INSTANTIATE_TEST_SUITE_P(
    Rates, FpsHeaders,
    ::testing::Values(HeaderCase{25.0, "25,000", "{1}{1}25", "{1}{1}25,000", "{1}{1}25,000", "25,000"},
                      HeaderCase{23.976, "23.976", "{1}{1}23,976", "{1}{1}23.976", "{1}{1}23,976", "23,976"},
                      HeaderCase{29.97, "1.2.3", "{1}{1}29,97", "{1}{1}1.2.3", "{1}{1}1,2.3", "1,2.3"}));

TEST(DefaultDuration, AnEndNotAfterTheStartLasts23Frames) {
    EXPECT_EQ(ApplyDefaultDuration(10, 11), 11);
    EXPECT_EQ(ApplyDefaultDuration(10, 10), 33);
    EXPECT_EQ(ApplyDefaultDuration(10, 0), 33);
    EXPECT_EQ(ApplyDefaultDuration(-30, -40), -7);
    EXPECT_THROW(ApplyDefaultDuration(INT_MAX - 22, 0), ConvertError);
}

struct TimedCase {
    const char *start, *end;
    double fps;
    const char *frameLine;
};

class TimedSubtitles : public ImportBench, public ::testing::WithParamInterface<TimedCase> {};

TEST_P(TimedSubtitles, ConvertAtTheRateWithTheDefaultDuration) {
    ctx.AddTimedSubtitle(GetParam().start, GetParam().end, GetParam().fps, "Hi|there");
    EXPECT_EQ(buffer, TextList{GetParam().frameLine});
}

INSTANTIATE_TEST_SUITE_P(Times, TimedSubtitles,
                         ::testing::Values(TimedCase{"00:00:01,500", "00:00:02,500", 25, "{38}{62}Hi|there"},
                                           TimedCase{"0:0:1.5", "0:0:1.5", 25, "{38}{61}Hi|there"},
                                           TimedCase{"00:00:01:12", "bad", 25, "{28}{51}Hi|there"},
                                           TimedCase{"bad", "", 23.976, "{0}{23}Hi|there"},
                                           TimedCase{"01:00:00", "01:00:01", 29.97,
                                                     "{107892}{107922}Hi|there"}));

TEST_F(ImportBench, ADefaultDurationOutside32BitsEndsTheImport) {
    EXPECT_THROW(ctx.AddSubtitle(INT_MAX, 0, "x"), ConvertError);
    EXPECT_TRUE(buffer.Empty());
}

class SubRipDeclines : public ImportBench, public ::testing::WithParamInterface<const char *> {};

TEST_P(SubRipDeclines, LeavingEverythingAsItWas) {
    ctx.AlertsOn = true;
    Import(ImportSubRip, GetParam());
    EXPECT_EQ(work, Lines(GetParam()));
    EXPECT_TRUE(buffer.Empty());
    EXPECT_EQ(subtitles, TextList{"{1}{2}before"});
    EXPECT_EQ(firstLine, "OK");
    EXPECT_EQ(secondLine, "OK");
    EXPECT_EQ(formatName, "");
    EXPECT_TRUE(dialogs.Boxes().empty());
}

INSTANTIATE_TEST_SUITE_P(NotSubRip, SubRipDeclines,
                         ::testing::Values("1", "[INFORMATION]\n00:00:01,000 --> 00:00:02,000\nA",
                                           "1a\n00:00:01,000 --> 00:00:02,000\nA",
                                           "1\n0:00:01,000 -> 0:00:02,000\nA",
                                           "1\n\n00:00:01,000 --> 00:00:02,000"));

TEST_F(ImportBench, SubRipHandsOverThroughTheContext) {
    ctx.AlertsOn = true;
    Import(ImportSubRip, "1\n00:00:01,000 --> 00:00:02,000\nHello");
    EXPECT_EQ(buffer, (TextList{"{1}{1}25", "{25}{50}Hello"}));
    EXPECT_EQ(subtitles, buffer);
    EXPECT_EQ(work, buffer);
    EXPECT_EQ(firstLine, "");
    EXPECT_EQ(secondLine, "");
    EXPECT_EQ(formatName, "SubRip");
    EXPECT_EQ(dialogs.Messages(), std::vector<std::string>{MessageText(MessageRow::SameFps, kEnglish)});
}

constexpr const char *kNumbered1249 = "1\n00:00:01,000 --> 00:00:02,000\nA\n\n"
                                      "2\n00:00:03,000 --> 00:00:04,000\nB\n\n"
                                      "4\n00:00:05,000 --> 00:00:06,000\nC\n\n"
                                      "9\n00:00:07,000 --> 00:00:08,000\nD\n";

struct NumberingCase {
    std::vector<bool> answers;
    std::vector<int> rowsAsked;
    std::size_t framesBuilt; // FrameLines in the ImportBuffer at the end
    bool handedOver;
};

class SubRipNumbering : public ImportBench, public ::testing::WithParamInterface<NumberingCase> {};

TEST_P(SubRipNumbering, AnswersDecideWhetherTheImportGoesOn) {
    const NumberingCase &c = GetParam();
    for (bool answer : c.answers)
        answer ? dialogs.AnswerYes() : dialogs.AnswerNo();
    Import(ImportSubRip, kNumbered1249);
    std::vector<std::string> asked;
    for (int row : c.rowsAsked)
        asked.push_back(MessageText(static_cast<MessageRow>(row), kEnglish));
    EXPECT_EQ(Questions(), asked);
    EXPECT_EQ(buffer.Count(), c.framesBuilt + 1);
    EXPECT_EQ(formatName, c.handedOver ? "SubRip" : "");
    EXPECT_EQ(subtitles == buffer, c.handedOver);
    if (!c.handedOver) {
        // A No stops with the lines not yet read still in the WorkList.
        EXPECT_EQ(firstLine, "OK");
        EXPECT_EQ(work.Item(0), c.framesBuilt == 2 ? "C" : "D");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Answers, SubRipNumbering,
    ::testing::Values(NumberingCase{{false}, {20}, 2, false}, NumberingCase{{true, true}, {20, 21}, 4, true},
                      NumberingCase{{true, false, true, true}, {20, 21, 20, 21}, 4, true},
                      NumberingCase{{true, false, false}, {20, 21, 20}, 3, false}));

TEST_F(ImportBench, SubRipNumberLinesThatAreNoNumbersAreNotChecked) {
    Import(ImportSubRip, "1\n00:00:01,000 --> 00:00:02,000\nA\n\nsecond\n00:00:03,000 --> 00:00:04,000\nB\n\n"
                         "3\n00:00:05,000 --> 00:00:06,000\nC");
    EXPECT_TRUE(dialogs.Boxes().empty());
    EXPECT_EQ(buffer.Count(), 4u);
}

TEST_F(ImportBench, SubRipFrameOverflowEndsTheImportNamingTheBlock) {
    // At this rate one hour is 2147483640 frames, and 23 more leave the 32-bit range.
    ctx.CurrentFps = 2147483640.0 / 3600;
    Import(ImportSubRip, "1\n00:00:00,000 --> 00:00:00,001\nA\n\n2\n01:00:00,000 --> 00:00:00,000\nB\n\n"
                         "3\n00:00:00,000 --> 00:00:00,001\nC");
    EXPECT_EQ(dialogs.Messages(),
              std::vector<std::string>{MessageText(MessageRow::SubtitleError, kEnglish) + "2"});
    EXPECT_EQ(buffer.Count(), 2u);
    EXPECT_EQ(formatName, "");
    EXPECT_EQ(subtitles, TextList{"{1}{2}before"});
}

TEST_F(ImportBench, SubRipIsLinearInTheNumberOfBlocks) {
    constexpr int kBlocks = 1'000'000;
    std::vector<std::string> lines;
    lines.reserve(4 * kBlocks);
    for (int i = 1; i <= kBlocks; ++i) {
        lines.push_back(std::to_string(i));
        lines.emplace_back("00:00:01,000 --> 00:00:02,000");
        lines.emplace_back("Text");
        lines.emplace_back("");
    }
    work = TextList(std::move(lines));
    const auto started = std::chrono::steady_clock::now();
    ImportSubRip(ctx, firstLine, secondLine, formatName);
    const auto seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    EXPECT_EQ(buffer.Count(), kBlocks + 1u);
    EXPECT_EQ(buffer.Item(kBlocks), "{25}{50}Text");
    // Consuming the WorkList from the top in anything but constant time would take hours.
    EXPECT_LT(seconds, 20.0) << seconds;
}

// A file long enough to be read as two halves at once, numbered from 1 or
// 0, with one block written otherwise well before or after the middle.
struct LongFileCase {
    const char *name;
    int firstNumber;
    int changedBlock;                // 0 when none is
    std::vector<const char *> lines; // the changed block's lines
    std::vector<const char *> texts; // what it and the block before it read as
    std::vector<bool> answers;
    std::size_t questions;
    bool handedOver;
    bool leftOut; // one block is left out and counted
};

class SubRipLongFiles : public ImportBench, public ::testing::WithParamInterface<LongFileCase> {};

TEST_P(SubRipLongFiles, ReadAsOneThreadReadsThem) {
    const LongFileCase &c = GetParam();
    std::vector<std::string> lines;
    std::vector<std::string> texts;
    for (int block = 1; block <= 30'000; ++block) {
        const std::string text = "T" + std::to_string(block);
        if (block == c.changedBlock) {
            lines.insert(lines.end(), c.lines.begin(), c.lines.end());
            texts.insert(texts.end(), c.texts.begin(), c.texts.end());
            continue;
        }
        lines.insert(lines.end(),
                     {std::to_string(block - 1 + c.firstNumber), "00:00:01,000 --> 00:00:02,000", text, ""});
        if (block + 1 != c.changedBlock)
            texts.push_back(text);
    }
    for (bool answer : c.answers)
        answer ? dialogs.AnswerYes() : dialogs.AnswerNo();
    work = TextList(lines);
    ImportSubRip(ctx, firstLine, secondLine, formatName);

    const auto &boxes = dialogs.Boxes();
    EXPECT_EQ(std::count_if(boxes.begin(), boxes.end(),
                            [](const ShownBox &box) { return box.kind == ShownBox::Kind::Warning; }),
              c.questions);
    EXPECT_EQ(formatName, c.handedOver ? "SubRip" : "");
    if (!c.handedOver)
        return;
    std::vector<std::string> read;
    for (std::size_t i = 1; i < subtitles.Count(); ++i)
        read.emplace_back(FrameLineTextView(subtitles.Item(i)));
    EXPECT_EQ(read, texts);
    const std::vector<std::string> told = dialogs.Messages();
    EXPECT_EQ(std::count(told.begin(), told.end(), LeftOutText(1, kEnglish)), c.leftOut ? 1 : 0);
}

constexpr const char *kTime = "00:00:01,000 --> 00:00:02,000";

INSTANTIATE_TEST_SUITE_P(
    Halves, SubRipLongFiles,
    ::testing::Values(
        LongFileCase{"Regular", 1, 0, {}, {}, {}, 0, true, false},
        LongFileCase{"NumberedOutOfTurnLate",
                     1,
                     25'000,
                     {"25005", kTime, "T25000", ""},
                     {"T24999", "T25000"},
                     {true, true},
                     2,
                     true,
                     false},
        LongFileCase{"NumberedOutOfTurnEarly",
                     1,
                     5'000,
                     {"5005", kTime, "T5000", ""},
                     {"T4999", "T5000"},
                     {true, false},
                     2,
                     true,
                     false},
        LongFileCase{"StoppedLate", 1, 25'000, {"25005", kTime, "T25000", ""}, {}, {false}, 1, false, false},
        LongFileCase{"UnreadableTimeLate",
                     1,
                     25'000,
                     {"25000", "00:00:01,000 --> -00:00:02,000", "T25000", ""},
                     {"T24999"},
                     {},
                     0,
                     true,
                     true},
        // Counting from 0, the number of a block that lost its time line is
        // not the next one, so its lines belong to the block before it.
        LongFileCase{"NumberedFromZero",
                     0,
                     25'000,
                     {"24999", "T25000", ""},
                     {"T24999||24999|T25000"},
                     {true, true},
                     2,
                     true,
                     false}),
    [](const auto &info) { return std::string(info.param.name); });
} // namespace
