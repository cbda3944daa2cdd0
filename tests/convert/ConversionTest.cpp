#include "document/FrameLine.h"
#include "formats/SubRipWriter.h"
#include "shell/Unit1.h"
#include "tests/support/FakePlatform.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using Lines = std::vector<std::string>;

namespace {

struct SplitCase {
    const char *line;
    const char *startText;
    const char *endText;
    const char *text;
};

// The conversion reads the bounds by position, whatever the first character
// is, which differs from FrameLineBounds on lines no importer wrote.
const SplitCase kSplitCases[] = {
    {"{100}{150}Hello|world", "100", "150", "Hello|world"},
    {"{10}{20}", "10", "20", ""},
    {"{10}{20}a}b{c", "10", "20", "a}b{c"},
    {"x10}{20}t", "10", "20", "t"},
    {"{10}40}b", "10", "0", "b"},
    {"{10}2}b", "10", "", "b"},
    {"plain", "", "", "plain"},
    {"", "", "", ""},
};

class SubRipSplit : public ::testing::TestWithParam<SplitCase> {};

void PrintTo(const SplitCase &c, std::ostream *out) {
    *out << '"' << c.line << '"';
}

} // namespace

TEST_P(SubRipSplit, BoundsAndText) {
    const SplitCase &c = GetParam();
    const FrameLineViews source = CutFrameLine(c.line);
    EXPECT_EQ(source.startText, c.startText);
    EXPECT_EQ(source.endText, c.endText);
    EXPECT_EQ(source.text, c.text);
}

INSTANTIATE_TEST_SUITE_P(Convert, SubRipSplit, ::testing::ValuesIn(kSplitCases));

TEST(SubRipProgress, WholePartOfTheShareDone) {
    const struct {
        std::size_t index, count;
        int position;
    } cases[] = {{0, 1, 100},          {0, 2, 0},  {1, 2, 100}, {0, 3, 0},   {1, 3, 50},
                 {2, 3, 100},          {1, 4, 33}, {2, 4, 66},  {3, 4, 100}, {999999, 1000000, 100},
                 {500000, 1000001, 50}};
    for (const auto &c : cases)
        EXPECT_EQ(ConversionProgress(c.index, c.count), c.position) << c.index << " of " << c.count;
}

namespace {

class ConversionHandler : public ::testing::Test {
protected:
    ConversionHandler() {
        form.btGravar.Enabled = false;
        form.Gravar1.Enabled = false;
        form.Guardar1.Enabled = false;
    }
    void Load(Lines entries, std::string fps = "25,000", std::string delay = "0") {
        form.ListBox1.Items = TextList(std::move(entries));
        form.Combobox2.Text = std::move(fps);
        form.AtrasoEdit.Text = std::move(delay);
    }
    Lines Memo() const { return form.Memo1.Lines.ToVector(); }

    FakePlatform fake;
    TForm1 form{fake.platform};
};

struct TextCase {
    const char *name;
    const char *fps;
    const char *delay;
    Lines entries;
    Lines memo;
};

const TextCase kTextCases[] = {
    {"TwoLinesAt25",
     "25,000",
     "0",
     {"{100}{150}Hello|world"},
     {"1", "00:00:04,000 --> 00:00:06,000", "Hello", "world", ""}},
    {"At23976", "23,976", "0", {"{1000}{1001}a"}, {"1", "00:00:41,708 --> 00:00:41,750", "a", ""}},
    {"DelayTwo", "25,000", "2", {"{100}{150}a"}, {"1", "00:00:02,000 --> 00:00:04,000", "a", ""}},
    {"NegativeFractionalDelay",
     "25,000",
     "-1,5",
     {"{100}{150}a"},
     {"1", "00:00:05,500 --> 00:00:07,500", "a", ""}},
    {"EmptyText", "25,000", "0", {"{10}{20}"}, {"1", "00:00:00,400 --> 00:00:00,800", "", ""}},
    {"BarsAtTheEdges",
     "25,000",
     "0",
     {"{10}{20}|a|"},
     {"1", "00:00:00,400 --> 00:00:00,800", "", "a", "", ""}},
    {"NumberedInListOrder",
     "25",
     "0",
     {"{25}{50}A", "{1562}{1600}B|C"},
     {"1", "00:00:01,000 --> 00:00:02,000", "A", "", "2", "00:01:02,480 --> 00:01:04,000", "B", "C", ""}},
    {"HoursBeyondTwoDigits",
     "25",
     "0",
     {"{90000}{9000000}x"},
     {"1", "01:00:00,000 --> 100:00:00,000", "x", ""}},
    {"TimeBeforeTheFilmHeldAtZero",
     "25",
     "5",
     {"{25}{150}x"},
     {"1", "00:00:00,000 --> 00:00:01,000", "x", ""}},
    {"CharactersKept",
     "25",
     "0",
     {"{0}{25}Ol\xE1 {y}<i>"},
     {"1", "00:00:00,000 --> 00:00:01,000", "Ol\xE1 {y}<i>", ""}},
};

class ConversionText : public ConversionHandler, public ::testing::WithParamInterface<TextCase> {};

void PrintTo(const TextCase &c, std::ostream *out) {
    *out << c.name;
}

} // namespace

TEST_P(ConversionText, MemoLinesByteForByte) {
    const TextCase &c = GetParam();
    Load(c.entries, c.fps, c.delay);
    form.AnnounceSuccess = false;
    form.btConvertClick();
    EXPECT_EQ(Memo(), c.memo);
    EXPECT_EQ(form.ProgressBar1.Position, 100);
    EXPECT_TRUE(fake.dialogs.Boxes().empty());
}

INSTANTIATE_TEST_SUITE_P(Convert, ConversionText, ::testing::ValuesIn(kTextCases),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(ConversionHandler, SecondConversionGivesTheSameText) {
    Load({"{25}{50}A", "{75}{100}B"});
    form.btConvertClick();
    const Lines first = Memo();
    form.btConvertClick();
    EXPECT_EQ(Memo(), first);
    EXPECT_EQ(first.at(4), "2");
    EXPECT_EQ(fake.dialogs.Messages(),
              (Lines{form.Message(MessageRow::Success), form.Message(MessageRow::Success)}));
}

TEST_F(ConversionHandler, LeavesTheListsAndSwitchesTheSaveControls) {
    const Lines entries{"{25}{50}A", "{75}{100}B"};
    Load(entries);
    form.bt_ID.Enabled = true;
    form.btConvertClick();
    EXPECT_EQ(form.SubtitleList().ToVector(), entries);
    EXPECT_EQ(form.WorkList().ToVector(), entries);
    EXPECT_EQ(form.ImportBuffer().ToVector(), entries);
    EXPECT_TRUE(form.btGravar.Enabled);
    EXPECT_TRUE(form.Gravar1.Enabled);
    EXPECT_TRUE(form.Guardar1.Enabled);
    EXPECT_FALSE(form.bt_ID.Enabled);
    EXPECT_EQ(form.DefaultButton, &form.btGravar);
    EXPECT_EQ(form.ActiveControl, &form.btGravar);
}

TEST_F(ConversionHandler, EmptyListDoesNothing) {
    form.Memo1.Lines = TextList{"old"};
    form.btConvertClick();
    EXPECT_EQ(Memo(), Lines{"old"});
    EXPECT_FALSE(form.btGravar.Enabled);
    EXPECT_TRUE(fake.dialogs.Boxes().empty());
}

TEST_F(ConversionHandler, TimingFaultAnsweredNoConvertsTheListAsItStands) {
    Load({"{10}{20}a", "{15}{30}b"});
    fake.dialogs.AnswerNo();
    form.btConvertClick();
    EXPECT_EQ(form.ListBox1.ItemIndex, 1);
    EXPECT_EQ(
        fake.dialogs.Boxes(),
        (std::vector<ShownBox>{
            {ShownBox::Kind::Confirmation, form.Message(MessageRow::AutoCorrection)},
            {ShownBox::Kind::Message, form.Message(MessageRow::StartBeforePreviousEnd) + "\n\r{15}{30}b"},
            {ShownBox::Kind::Message, form.Message(MessageRow::Success)},
        }));
    EXPECT_EQ(Memo(), (Lines{"1", "00:00:00,400 --> 00:00:00,800", "a", "", "2",
                             "00:00:00,600 --> 00:00:01,200", "b", ""}));
}

TEST_F(ConversionHandler, TimingFaultAnsweredYesConvertsTheCorrectedList) {
    Load({"{10}{20}a", "{15}{30}b"});
    fake.dialogs.AnswerYes();
    form.btConvertClick();
    EXPECT_EQ(form.SubtitleList().ToVector(), (Lines{"{10}{20}a", "{21}{30}b"}));
    EXPECT_EQ(Memo().at(5), "00:00:00,840 --> 00:00:01,200");
}

namespace {

struct FailureCase {
    const char *name;
    const char *fps;
    const char *delay;
    Lines entries;
    const char *failingText;
    // Where the failure stops: before the memo is cleared, before the save
    // controls are switched, or while the blocks are made.
    enum class Stage { Check, Numbers, Blocks } stage;
    Lines importBuffer;
};

const FailureCase kFailureCases[] = {
    {"TwoRateEntry", "23,976/25", "0", {"{10}{20}a"}, "23,976/25", FailureCase::Stage::Numbers, {}},
    {"EmptyRate", "", "0", {"{10}{20}a"}, "", FailureCase::Stage::Numbers, {}},
    {"ZeroRate", "0", "0", {"{10}{20}a"}, "", FailureCase::Stage::Blocks, {}},
    {"DelayNotANumber", "25", "2s", {"{10}{20}a"}, "2s", FailureCase::Stage::Numbers, {}},
    {"EntryEndNotANumber", "25", "0", {"{10}{20}a", "{30}{4x}b"}, "4x", FailureCase::Stage::Check, {}},
    // The timing check reads this end as 7, the conversion's split as nothing.
    {"EntryEndMissingForTheConversion",
     "25",
     "0",
     {"{0}{1}a", "{5}7}b"},
     "",
     FailureCase::Stage::Blocks,
     {"1", "00:00:00,000 --> 00:00:00,040", "a", ""}},
};

class ConversionFailure : public ConversionHandler, public ::testing::WithParamInterface<FailureCase> {};

void PrintTo(const FailureCase &c, std::ostream *out) {
    *out << c.name;
}

} // namespace

TEST_P(ConversionFailure, ErrorBoxNamesTheTextAndTheMemoStaysEmpty) {
    const FailureCase &c = GetParam();
    fake.dialogs.AllowErrors();
    Load(c.entries, c.fps, c.delay);
    form.Memo1.Lines = TextList{"old"};
    form.ImportBuffer() = TextList{"scratch"};
    form.Run(&TForm1::btConvertClick);

    const Lines errors = fake.dialogs.Errors();
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_NE(errors[0].find(c.failingText), std::string::npos) << errors[0];
    EXPECT_EQ(fake.dialogs.Boxes().size(), 1u);
    EXPECT_EQ(form.SubtitleList().ToVector(), c.entries);
    EXPECT_EQ(form.Combobox2.Text, c.fps);
    EXPECT_EQ(form.AtrasoEdit.Text, c.delay);
    if (c.stage == FailureCase::Stage::Check) {
        EXPECT_EQ(Memo(), Lines{"old"});
    } else {
        EXPECT_TRUE(Memo().empty());
        EXPECT_EQ(form.ImportBuffer().ToVector(), c.importBuffer);
    }
    EXPECT_EQ(form.btGravar.Enabled, c.stage == FailureCase::Stage::Blocks);
}

INSTANTIATE_TEST_SUITE_P(Convert, ConversionFailure, ::testing::ValuesIn(kFailureCases),
                         [](const auto &info) { return std::string(info.param.name); });
