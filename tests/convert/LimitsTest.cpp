#include "convert/LimitFitting.h"
#include "shell/Unit1.h"
#include "tests/support/FakePlatform.h"
#include "tests/support/FitProperties.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

using Lines = std::vector<std::string>;

namespace {

TEST(LimitCuts, AtTheLastSpaceWithinKeepOrTheFirstWordForTheLineLimit) {
    const struct {
        const char *x;
        long long keep;
        const char *head, *tail;         // CutAtSpace
        const char *lineHead, *lineTail; // CutAtLineLimit with keep as the limit
    } cases[] = {
        {"ab cd ef", 6, "ab cd ", "ef", "ab cd ", "ef"},
        {"ab cd ef", 5, "ab ", "cd ef", "ab ", "cd ef"},
        {"abcdef gh", 4, "", "abcdef gh", "abcdef ", "gh"},
        {"abcdef", 3, "", "abcdef", "abcdef", ""},
        {"ab cd", -2, "", "ab cd", "ab ", "cd"},
        {" ab", 0, "", " ab", " ", "ab"},
    };
    for (const auto &c : cases) {
        const Cut cut = CutAtSpace(c.x, c.keep);
        EXPECT_EQ(cut.head, c.head) << c.x << " at " << c.keep;
        EXPECT_EQ(cut.tail, c.tail) << c.x << " at " << c.keep;
        const Cut line = CutAtLineLimit(c.x, static_cast<int>(c.keep));
        EXPECT_EQ(line.head, c.lineHead) << c.x << " at " << c.keep;
        EXPECT_EQ(line.tail, c.lineTail) << c.x << " at " << c.keep;
    }
    EXPECT_TRUE(FitsLine("averyveryverylongword  ", 5));
    EXPECT_FALSE(FitsLine(" averyveryverylongword", 5));
    EXPECT_EQ(Joined("a ", "b"), "a b");
    EXPECT_EQ(Joined("a", "b"), "a b");
    EXPECT_EQ(Joined("", "b"), "b");
}

// A group of lines and its overflow before and after FitLinePair (two lines)
// or FitLineTriple (three).
struct GroupCase {
    const char *name;
    int maxLine, maxTotal;
    Lines lines;
    std::string overflow;
    Lines fitted;
    std::string fittedOverflow;
};

const GroupCase kGroupCases[] = {
    {"PairWithinLimits", 34, 60, {"Hello", "."}, "", {"Hello", "."}, ""},
    {"PairOverTheTotal", 10, 12, {"abcdefgh", "ij kl mn"}, "rest", {"abcdefgh", "ij "}, "kl mn rest"},
    {"PairFirstTooLong", 10, 60, {"aaa bbb ccc ddd", "eee"}, "", {"aaa bbb ", "ccc ddd"}, "eee"},
    {"PairLoneStopAfterACut", 4, 60, {"abc .", ""}, "", {"abc ", ""}, ""},
    {"PairTotalBelowLineMovesTheLineOn", 34, 5, {"abcd", "efgh"}, "", {"abcd", ""}, "efgh"},
    {"TripleSecondOverTheTotal",
     34,
     60,
     {"I told you we should have left", "before the guards came back here", "Run now!"},
     "",
     {"I told you we should have left", "before the guards came back ", ""},
     "here Run now!"},
    {"TripleOneLongLine", 4, 100, {"aaa bbb ccc ddd", "", ""}, "", {"aaa ", "bbb ", "ccc "}, "ddd"},
    {"TripleOneWordPerLineAtZero", 0, 0, {"a b c d", "", ""}, "", {"a ", "b ", "c "}, "d"},
};

class LimitGroups : public ::testing::TestWithParam<GroupCase> {};

TEST_P(LimitGroups, Fitted) {
    const GroupCase &c = GetParam();
    Lines lines = c.lines;
    std::string overflow = c.overflow;
    const FitLimits limits{c.maxLine, c.maxTotal, static_cast<int>(lines.size())};
    if (lines.size() == 2)
        FitLinePair(lines[0], lines[1], overflow, limits);
    else
        FitLineTriple(lines[0], lines[1], lines[2], overflow, limits);
    EXPECT_EQ(lines, c.fitted);
    EXPECT_EQ(overflow, c.fittedOverflow);
}

INSTANTIATE_TEST_SUITE_P(Convert, LimitGroups, ::testing::ValuesIn(kGroupCases),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(LimitLineStep, TakesOneLineAndGivesBackWhatDoesNotFitInOrder) {
    const struct {
        int lines;
        const char *e;
        const char *slot, *rest;
    } cases[] = {
        {2, "Hello|world", "Hello", "world"},
        {2, "no bar at all here", "no bar at all here", ""},
        {2, "|b", "", "b"},
        {2, "This is a very long first line that somebody typed without any breaks at all so it|goes on",
         "This is a very long first line ", "that somebody typed without any breaks at all so it|goes on"},
        {3, "one two three four five six|x", "one two ", "three four five six|x"},
        {2, "Supercalifragilisticexpialidocious|x", "Supercalifragilisticexpialidocious", "x"},
    };
    for (const auto &c : cases) {
        std::string e = c.e;
        std::string slot;
        TakeLine(e, slot, FitLimits{c.lines == 2 ? 34 : 9, 60, c.lines});
        EXPECT_EQ(slot, c.slot) << c.e;
        EXPECT_EQ(e, c.rest) << c.e;
    }
}

class LimitsHandler : public ::testing::Test {
protected:
    void Open(Lines entries, const char *lines = "2", int maxLine = 34, int maxTotal = 60) {
        form.ListBox1.Items = TextList(entries);
        form.ListBox4.Items = TextList(std::move(entries));
        form.ComboBox3.Text = lines;
        form.MaxLineLength = maxLine;
        form.MaxTotalLength = maxTotal;
    }
    Lines List() const { return form.ListBox1.Items.ToVector(); }

    FakePlatform fake;
    TForm1 form{fake.platform};
    LimitsHandler() { form.CurrentLanguage = 2; }
};

struct FitCase {
    const char *name;
    const char *lines;
    int maxLine, maxTotal;
    Lines entries;
    Lines fitted;
    Lines messages;
};

const std::string kRow43 = "Error the initial time is equal or superior to the final time";

const FitCase kFitCases[] = {
    {"WithinLimits",
     "2",
     34,
     60,
     {"{100}{200}Hello|world", "{300}{400}Hello|."},
     {"{100}{200}Hello|world", "{300}{400}Hello|."},
     {}},
    {"ThreeShortLinesSplit", "2", 34, 60, {"{100}{200}a|b|c"}, {"{100}{167}a|b", "{168}{200}c"}, {}},
    {"FortyCharactersBreakAfterTheLastSpace",
     "2",
     34,
     60,
     {"{1}{9}Subtitles should always break at a space"},
     {"{1}{9}Subtitles should always break at |a space"},
     {}},
    {"ExactlyTheLineLimit",
     "2",
     34,
     60,
     {"{1}{9}This line holds exactly 34 letters"},
     {"{1}{9}This line holds exactly 34 letters"},
     {}},
    {"OverTheTotal",
     "2",
     34,
     60,
     {"{100}{200}The first line has thirty-four ch.|the second line is thirty long"},
     {"{100}{194}The first line has thirty-four ch.|the second line is thirty ", "{195}{200}long"},
     {}},
    {"EmptyEntriesGo", "2", 34, 60, {"{10}{20}", "", "{30}{40}x"}, {"{30}{40}x"}, {}},
    {"ThreeLinesFourLinesSplit",
     "3",
     45,
     135,
     {"{0}{400}one|two|three|four"},
     {"{0}{293}one|two|three", "{294}{400}four"},
     {}},
    {"RestFittedByTheNextPass",
     "2",
     3,
     100,
     {"{0}{900}a|b|c|d|e|f|g|h"},
     {"{0}{200}a|b", "{201}{400}c|d", "{401}{600}e|f", "{601}{900}g|h"},
     {}},
    {"StartNotBeforeEndStillSplit",
     "2",
     34,
     60,
     {"{200}{100}a|b|c"},
     {"{200}{133}a|b", "{134}{100}c"},
     {kRow43 + "{200}{100}"}},
    {"SplitPointBeyond32Bits",
     "2",
     34,
     60,
     {"{2147483647}{2147483646}a|b|cccccccccccccccccccc"},
     {"{2147483647}{2147483646}a|b|cccccccccccccccccccc"},
     {kRow43 + "{2147483647}{2147483646}", "Erro na leg.0", "22"}},
    // Faults of the cutting rules, mended: words that fused, words that
    // changed places, a long word that never found a place.
    {"WordsKeepTheirSpace",
     "3",
     34,
     60,
     {"{0}{620}I told you we should have left|before the guards came back here|Run now!"},
     {"{0}{506}I told you we should have left|before the guards came back |", "{507}{620}here Run now!"},
     {}},
    {"WordsKeepTheirOrder",
     "2",
     34,
     60,
     {"{0}{100}This is a very long first line that somebody typed without any breaks at all so it|goes on"},
     {"{0}{66}This is a very long first line |that somebody typed without ",
      "{67}{100}any breaks at all so it|goes on"},
     {}},
    {"WordOfTheLineLimitFollowedByMore",
     "2",
     34,
     60,
     {"{0}{10}Supercalifragilisticexpialidocious indeed"},
     {"{0}{10}Supercalifragilisticexpialidocious |indeed"},
     {}},
    {"WordLongerThanTheLine",
     "2",
     10,
     60,
     {"{0}{10}Pneumonoultramicroscopic|and more"},
     {"{0}{10}Pneumonoultramicroscopic|and more"},
     {}},
    {"ZeroLimitsOneWordPerLine", "2", 0, 0, {"{0}{30}a b c"}, {"{0}{24}a |b ", "{25}{30}c"}, {}},
};

class LimitsFit : public LimitsHandler, public ::testing::WithParamInterface<FitCase> {};

TEST_P(LimitsFit, ListAndMessages) {
    const FitCase &c = GetParam();
    Open(c.entries, c.lines, c.maxLine, c.maxTotal);
    form.Memo1.Lines = TextList{"old SubRip text"};
    form.ListBox1.ItemIndex = 0;
    form.bt60Max();
    EXPECT_EQ(List(), c.fitted);
    EXPECT_EQ(form.ImportBuffer().ToVector(), c.fitted);
    EXPECT_TRUE(form.Memo1.Lines.Empty());
    EXPECT_FALSE(form.CheckChangedFlag);
    EXPECT_EQ(form.ActiveControl, &form.btConvert);
    EXPECT_EQ(form.DefaultButton, &form.btConvert);
    if (c.messages.empty()) {
        EXPECT_EQ(form.ListBox1.ItemIndex, -1);
        EXPECT_TRUE(fake.dialogs.Boxes().empty());
    } else {
        Lines shown = fake.dialogs.Messages();
        shown.resize(std::min(shown.size(), c.messages.size()));
        EXPECT_EQ(shown, c.messages);
    }
}

INSTANTIATE_TEST_SUITE_P(Convert, LimitsFit, ::testing::ValuesIn(kFitCases),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(LimitsHandler, OnlyTheLineCountsOfTheBoxRun) {
    Open({"{0}{10}a|b|c"}, "");
    form.bt60Max();
    EXPECT_EQ(List(), Lines{"{0}{10}a|b|c"});
    EXPECT_EQ(form.ImportBuffer().Count(), 0u);
}

TEST_F(LimitsHandler, NothingOpenedStopsAfterTheCopy) {
    form.ListBox1.Items = TextList{"{0}{10}a|b|c"};
    form.ComboBox3.Text = "2";
    form.Memo1.Lines = TextList{"kept"};
    form.ProgressBar1.Position = 40;
    form.bt60Max();
    EXPECT_EQ(form.ImportBuffer().ToVector(), Lines{"{0}{10}a|b|c"});
    EXPECT_EQ(form.Memo1.Lines.ToVector(), Lines{"kept"});
    EXPECT_EQ(form.ProgressBar1.Position, 0);
}

TEST_F(LimitsHandler, FramesThatAreNoNumbersEndTheFitting) {
    Open({"{0}{10}a|b|c", "", "{x}{20}d"});
    fake.dialogs.AllowErrors();
    form.Run(&TForm1::bt60Max);
    EXPECT_EQ(fake.dialogs.Errors().size(), 1u);
    EXPECT_EQ(List(), (Lines{"{0}{10}a|b|c", "{x}{20}d"}));
    EXPECT_EQ(form.ImportBuffer().ToVector(), (Lines{"{0}{7}a|b", "{8}{10}c"}));
}

TEST_F(LimitsHandler, ATimingFaultAfterFittingIsSelected) {
    Open({"{0}{10}a", "{5}{20}b"});
    form.bt60Max();
    EXPECT_EQ(form.ListBox1.ItemIndex, 1);
    EXPECT_EQ(form.Edit5.Text, "5");
    EXPECT_EQ(fake.dialogs.Messages(), Lines{form.Message(42) + "\n\r{5}{20}b"});
}

TEST_F(LimitsHandler, LoadAgainGivesBackTheListAsOpened) {
    const Lines opened{"{0}{100}a|b|c|d|e", "{200}{300}Hello"};
    Open(opened);
    form.AtrasoEdit.Text = "0";
    form.bt60Max();
    ASSERT_NE(List(), opened);
    form.btOriginalClick();
    EXPECT_EQ(List(), opened);
}

TEST_F(LimitsHandler, FitsTheListAsEdited) {
    Open({"{0}{10}a"}, "3", 45, 135);
    form.ListBox1.Items.Add("{20}{90}one|two|three|four");
    form.bt60Max();
    EXPECT_EQ(List(), (Lines{"{0}{10}a", "{20}{71}one|two|three", "{72}{90}four"}));
}

TEST_F(LimitsHandler, SavingTheEmptiedMemoAsksToConvertFirst) {
    Open({"{0}{10}a"});
    form.bt60Max();
    form.btGravar1Click();
    EXPECT_EQ(fake.dialogs.Boxes(), (std::vector<ShownBox>{{ShownBox::Kind::Message, "Convert first"}}));
}

// Random texts of long words, empty lines and lone full stops under random
// limits, zero, negative and a total below the line limit among them.
TEST(LimitsProperty, PassesEndKeepWordsAndFitLines) {
    std::mt19937 random(20261208);
    const char *const words[] = {".", "a", "to", "word", "subtitle", "Supercalifragilisticexpialidocious",
                                 "x."};
    for (int round = 0; round < 400; ++round) {
        std::string text;
        for (int i = std::uniform_int_distribution<>(0, 25)(random); i > 0; --i) {
            const int pick = std::uniform_int_distribution<>(0, 8)(random);
            text += pick >= 7 ? "|" : std::string(words[pick]) + (pick % 2 ? " " : "");
        }
        const FitLimits limits{std::uniform_int_distribution<>(-2, 40)(random),
                               std::uniform_int_distribution<>(-2, 90)(random),
                               std::uniform_int_distribution<>(2, 3)(random)};
        const std::optional<TextList> fitted = FitToTheEnd(TextList{"{0}{100000}" + text}, limits, 100);
        ASSERT_TRUE(fitted) << text;
        EXPECT_EQ(FitPropertyFault({text}, *fitted, limits.maxLine), "") << text;
    }
}

} // namespace
