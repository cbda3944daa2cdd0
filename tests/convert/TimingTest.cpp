#include "convert/TimingRules.h"
#include "document/Errors.h"
#include "shell/Unit1.h"
#include "tests/support/FakePlatform.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using Lines = std::vector<std::string>;

namespace {

struct TimingCase {
    const char *name;
    Lines entries;
    Lines faults;
    Lines corrected;
};

const TimingCase kTimingCases[] = {
    {"Overlap", {"{10}{20}a", "{15}{30}b"}, {"1"}, {"{10}{20}a", "{21}{30}b"}},
    {"EndBeforeStart", {"{10}{20}a", "{30}{25}b"}, {"1"}, {"{10}{20}a", "{30}{53}b"}},
    {"BothFaultsListedTwice", {"{10}{20}", "{20}{20}"}, {"1", "1"}, {"{10}{20}", "{21}{44}"}},
    {"FirstEntryNeverJudged", {"{50}{40}x", "{60}{70}y"}, {}, {"{50}{40}x", "{60}{70}y"}},
    // Each entry is measured against its predecessor as corrected, not as read.
    {"CorrectionsCascade",
     {"{10}{100}a", "{20}{130}b", "{25}{40}c", "{200}{300}d"},
     {"1", "2"},
     {"{10}{100}a", "{101}{130}b", "{131}{154}c", "{200}{300}d"}},
    {"TextsKeepBracesAndBars", {"{10}{20}a}b{c", "{15}{30}x|y"}, {"1"}, {"{10}{20}a}b{c", "{21}{30}x|y"}},
    {"FramesRewrittenAsPlainDigits", {"{007}{020}a", "{030}{040}b"}, {}, {"{7}{20}a", "{30}{40}b"}},
    // An entry far out of order takes its place; every entry keeps its times.
    {"StrayEntrySortedIntoPlace",
     {"{10}{20}a", "{65000}{65100}credits", "{30}{40}b", "{50}{60}c"},
     {"2"},
     {"{10}{20}a", "{30}{40}b", "{50}{60}c", "{65000}{65100}credits"}},
    {"FirstEntryOutOfOrder",
     {"{1350}{1373}x", "{10}{20}a", "{30}{40}b"},
     {"1"},
     {"{10}{20}a", "{30}{40}b", "{1350}{1373}x"}},
    // Entries that start together keep their order, and the overlap rule
    // still applies after the sort.
    {"SortIsStable",
     {"{50}{60}c", "{10}{20}a", "{10}{30}b"},
     {"1", "2"},
     {"{10}{20}a", "{21}{30}b", "{50}{60}c"}},
    // Stacked subtitles keep their times: the one around is cut, and the
    // time they share shows both texts; the next entry is measured against
    // the last piece.
    {"IdenticalSpans", {"{10}{50}a", "{10}{50}b"}, {"1"}, {"{10}{50}a|b"}},
    {"OneInsideAnother",
     {"{10}{100}a", "{20}{30}b", "{200}{210}c"},
     {"1"},
     {"{10}{19}a", "{20}{30}a|b", "{31}{100}a", "{200}{210}c"}},
    {"InsideToTheEnd", {"{10}{100}a", "{50}{100}b"}, {"1"}, {"{10}{49}a", "{50}{100}a|b"}},
    {"ThreeStacked",
     {"{10}{100}a", "{10}{100}b", "{40}{60}c"},
     {"1", "2"},
     {"{10}{39}a|b", "{40}{60}a|b|c", "{61}{100}a|b"}},
    {"InsideThenOverlapping",
     {"{10}{100}a", "{20}{30}b", "{90}{150}c"},
     {"1"},
     {"{10}{19}a", "{20}{30}a|b", "{31}{100}a", "{101}{150}c"}},
    // An entry without length inside another is no stacked subtitle.
    {"EmptyInsideIsMoved", {"{10}{100}a", "{20}{20}b"}, {"1", "1"}, {"{10}{100}a", "{101}{124}b"}},
};

class TimingRules : public ::testing::TestWithParam<TimingCase> {};

void PrintTo(const TimingCase &c, std::ostream *out) {
    *out << c.name;
}

} // namespace

TEST_P(TimingRules, FaultsFoundAndCorrected) {
    const TimingCase &c = GetParam();
    const TextList entries(c.entries);
    EXPECT_EQ(FindTimingFaults(entries).ToVector(), c.faults);
    const TextList corrected = CorrectedTiming(entries);
    EXPECT_EQ(corrected.ToVector(), c.corrected);
    // A corrected list passes the check.
    EXPECT_TRUE(FindTimingFaults(corrected).Empty());
}

INSTANTIATE_TEST_SUITE_P(Convert, TimingRules, ::testing::ValuesIn(kTimingCases),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(TimingRulesFailures, FramesThatAreNotNumbersOrDoNotFit) {
    EXPECT_THROW(FindTimingFaults(TextList{"{10}{20}a", "{30}{4x}b"}), ConvertError);
    EXPECT_THROW(CorrectedTiming(TextList{"{1x}{20}a"}), ConvertError);
    EXPECT_THROW(CorrectedTiming(TextList{"{10}{2147483647}a", "{15}{14}b"}), ConvertError);
    EXPECT_THROW(CorrectedTiming(TextList{"{10}{20}a", "{2147483640}{2147483630}b"}), ConvertError);
}

// A long list is checked in two halves at once: its faults come in order,
// the entry just past the middle judged with the one before it, and of two
// entries that do not read, the first is named.
TEST(TimingRulesFailures, LongListsAreCheckedAsShortOnes) {
    constexpr int kEntries = 200'000;
    Lines entries;
    for (int i = 0; i < kEntries; ++i)
        entries.push_back("{" + std::to_string(10 * i) + "}{" + std::to_string(10 * i + 5) + "}t");
    entries[1] = "{3}{4}t";
    entries[kEntries / 2] =
        "{" + std::to_string(5 * kEntries - 8) + "}{" + std::to_string(5 * kEntries + 5) + "}t";
    entries[kEntries - 1] = "{" + std::to_string(10 * kEntries) + "}{1}t";
    EXPECT_EQ(FindTimingFaults(TextList(entries)).ToVector(), (Lines{"1", "100000", "199999"}));

    entries[kEntries / 4] = "{1x}{2}t";
    entries[3 * kEntries / 4] = "{3x}{4}t";
    try {
        FindTimingFaults(TextList(entries));
        ADD_FAILURE() << "no error";
    } catch (const ConvertError &error) {
        EXPECT_STREQ(error.what(), "'1x' is not a valid integer value");
    }
}

namespace {

class TimingHandlers : public ::testing::Test {
protected:
    void Load(Lines entries) {
        form.ListBox1.Items = TextList(std::move(entries));
        form.Combobox2.Text = "25,000";
        form.AtrasoEdit.Text = "0";
    }
    Lines Subtitles() const { return form.ListBox1.Items.ToVector(); }

    FakePlatform fake;
    TForm1 form{fake.platform};
};

} // namespace

TEST_F(TimingHandlers, CheckSetsTheAutoButtonFromWhatItFinds) {
    Load({"{10}{20}a", "{15}{30}b"});
    form.CheckTiming();
    EXPECT_EQ(form.ErrorList().ToVector(), Lines{"1"});
    EXPECT_TRUE(form.btAuto.Enabled);

    Load({"{10}{20}a", "{25}{30}b"});
    form.CheckTiming();
    EXPECT_TRUE(form.ErrorList().Empty());
    EXPECT_FALSE(form.btAuto.Enabled);
    EXPECT_TRUE(fake.dialogs.Boxes().empty());
}

TEST_F(TimingHandlers, CheckOfAnEmptyListChangesNothing) {
    form.ErrorList() = TextList{"3"};
    form.btAuto.Enabled = true;
    form.CheckTiming();
    EXPECT_EQ(form.ErrorList().ToVector(), Lines{"3"});
    EXPECT_TRUE(form.btAuto.Enabled);
}

TEST_F(TimingHandlers, CorrectionReplacesTheListsAndDisablesAuto) {
    Load({"{10}{20}a", "{15}{30}b"});
    form.ListBox1.ItemIndex = 1;
    form.CheckTiming();
    form.CorrectTiming();
    const Lines corrected{"{10}{20}a", "{21}{30}b"};
    EXPECT_EQ(Subtitles(), corrected);
    EXPECT_EQ(form.WorkList().ToVector(), corrected);
    EXPECT_EQ(form.ImportBuffer().ToVector(), corrected);
    EXPECT_FALSE(form.btAuto.Enabled);
    EXPECT_EQ(form.ListBox1.ItemIndex, 1);
}

TEST_F(TimingHandlers, CorrectionThatFailsLeavesTheList) {
    fake.dialogs.AllowErrors();
    const Lines entries{"{10}{2147483647}a", "{15}{14}b"};
    Load(entries);
    form.Run(&TForm1::CorrectTiming);
    EXPECT_EQ(Subtitles(), entries);
    EXPECT_EQ(fake.dialogs.Errors().size(), 1u);
}

TEST_F(TimingHandlers, FirstFaultIsSelectedFocusedAndShown) {
    Load({"{10}{20}a", "{30}{40}b", "{35}{50}c", "{45}{44}d"});
    form.GoToFirstTimingError();
    EXPECT_EQ(form.ListBox1.ItemIndex, 2);
    EXPECT_EQ(form.ListBox1.TopIndex, 1);
    EXPECT_EQ(form.ActiveControl, &form.ListBox1);
    EXPECT_EQ(fake.dialogs.Boxes(),
              (std::vector<ShownBox>{{ShownBox::Kind::Message,
                                      form.Message(MessageRow::StartBeforePreviousEnd) + "\n\r{35}{50}c"}}));
    EXPECT_EQ(form.Edit5.Text, "35");
    EXPECT_EQ(form.Edit6.Text, "50");
}

TEST_F(TimingHandlers, NoFaultNoSelection) {
    Load({"{10}{20}a", "{30}{40}b"});
    form.ListBox1.ItemIndex = 0;
    form.GoToFirstTimingError();
    EXPECT_EQ(form.ListBox1.ItemIndex, 0);
    EXPECT_EQ(form.ActiveControl, nullptr);
    EXPECT_TRUE(fake.dialogs.Boxes().empty());
}

// Faults left over from a list that has been emptied since name entries that
// no longer exist; the user is offered the correction instead.
TEST_F(TimingHandlers, FaultsOfAnEmptiedListOfferTheCorrection) {
    for (bool yes : {true, false}) {
        SCOPED_TRACE(yes ? "Yes" : "No");
        fake.dialogs.ClearBoxes();
        form.ErrorList() = TextList{"1"};
        yes ? fake.dialogs.AnswerYes() : fake.dialogs.AnswerNo();
        form.Run(&TForm1::GoToFirstTimingError);
        std::vector<ShownBox> expected{
            {ShownBox::Kind::Confirmation, form.Message(MessageRow::AutoCorrection)}};
        if (!yes)
            expected.push_back({ShownBox::Kind::Message, "Existe ainda erros"});
        EXPECT_EQ(fake.dialogs.Boxes(), expected);
        EXPECT_TRUE(form.SubtitleList().Empty());
        EXPECT_EQ(form.ListBox1.ItemIndex, -1);
    }
}

TEST_F(TimingHandlers, AutoYesCorrects) {
    Load({"{10}{20}a", "{30}{25}b"});
    fake.dialogs.AnswerYes();
    form.btAutoClick();
    EXPECT_EQ(Subtitles(), (Lines{"{10}{20}a", "{30}{53}b"}));
    EXPECT_FALSE(form.btAuto.Enabled);
    EXPECT_EQ(fake.dialogs.Boxes(), (std::vector<ShownBox>{{ShownBox::Kind::Confirmation,
                                                            form.Message(MessageRow::AutoCorrection)}}));
}

TEST_F(TimingHandlers, AutoNoGoesToTheFirstFault) {
    const Lines entries{"{10}{20}a", "{30}{25}b"};
    Load(entries);
    fake.dialogs.AnswerNo();
    form.btAutoClick();
    EXPECT_EQ(Subtitles(), entries);
    EXPECT_EQ(form.ListBox1.ItemIndex, 1);
    EXPECT_TRUE(form.btAuto.Enabled);
    EXPECT_EQ(fake.dialogs.Boxes(),
              (std::vector<ShownBox>{{ShownBox::Kind::Confirmation, form.Message(MessageRow::AutoCorrection)},
                                     {ShownBox::Kind::Message,
                                      form.Message(MessageRow::StartBeforePreviousEnd) + "\n\r{30}{25}b"}}));
}
