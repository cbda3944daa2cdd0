#include "convert/FitToLimits.h"
#include "document/FrameLine.h"
#include "document/TextWidth.h"
#include "shell/Unit1.h"
#include "tests/support/FakePlatform.h"
#include "tests/support/FitProperties.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

using Lines = std::vector<std::string>;

namespace {

TEST(LimitRoutines, CutsJoinsAndLineTests) {
    // x, keep; CutAtSpace's head and tail; CutAtLineLimit's (keep as the limit).
    const std::vector<std::vector<std::string>> cuts = {
        {"ab cd ef", "5", "ab ", "cd ef", "ab ", "cd ef"},
        {"abcdef gh", "4", "", "abcdef gh", "abcdef ", "gh"},
        {"abcdef", "3", "", "abcdef", "abcdef", ""},
        {" ab", "-2", "", " ab", " ", "ab"},
    };
    for (const auto &c : cuts) {
        const Cut cut = CutAtSpace(c[0], std::stoi(c[1]));
        const Cut line = CutAtLineLimit(c[0], std::stoi(c[1]));
        EXPECT_EQ((Lines{cut.head, cut.tail, line.head, line.tail}), Lines(c.begin() + 2, c.end())) << c[0];
    }
    EXPECT_TRUE(FitsLine("averyverylongword  ", 5));
    EXPECT_FALSE(FitsLine(" averyverylongword", 5));
    EXPECT_EQ(Joined("a ", "b") + Joined("a", "b") + Joined("", "b"), "a ba bb");
}

TEST(LimitRoutines, GroupsAndLineStep) {
    // limits; the lines of a group and its overflow before and after.
    const struct {
        FitLimits limits;
        Lines before, after;
    } groups[] = {
        {{4, 60, 2}, {"abc .", "", ""}, {"abc ", "", ""}},
        {{34, 5, 2}, {"abcd", "efgh", ""}, {"abcd", "", "efgh"}},
        {{4, 100, 3}, {"aaa bbb ccc ddd", "", "", ""}, {"aaa ", "bbb ", "ccc ", "ddd"}},
    };
    for (const auto &g : groups) {
        Lines lines = g.before;
        if (lines.size() == 3)
            FitLinePair(lines[0], lines[1], lines[2], g.limits);
        else
            FitLineTriple(lines[0], lines[1], lines[2], lines[3], g.limits);
        EXPECT_EQ(lines, g.after) << g.before[0];
    }
    // The line step gives a line's last word, and what else does not fit, back in order.
    std::string e =
        "This is a very long first line that somebody typed without any breaks at all so it|goes on";
    std::string slot;
    TakeLine(e, slot, FitLimits{34, 60, 2});
    EXPECT_EQ(slot + "#" + e,
              "This is a very long first line #that somebody typed without any breaks at all so it|goes on");
}

// Lines without spaces break between CJK characters, two columns each: a cut
// never falls inside a character, and a part moved on joins the next one
// without a space.
TEST(LimitRoutines, TextWithoutSpaces) {
    const std::string twenty = "天地玄黄宇宙洪荒日月盈昃辰宿列张寒来暑往";
    const struct {
        FitLimits limits;
        std::string text;
        Lines fitted;
    } cases[] = {
        {{34, 60, 2}, twenty, {"{0}{100}天地玄黄宇宙洪荒日月盈昃辰宿列张寒|来暑往"}},
        {{34, 60, 2},
         twenty + twenty,
         {"{0}{75}天地玄黄宇宙洪荒日月盈昃辰宿列张寒|来暑往天地玄黄宇宙洪荒日月",
          "{76}{100}盈昃辰宿列张寒来暑往"}},
        {{34, 60, 2}, twenty + "|好", {"{0}{95}天地玄黄宇宙洪荒日月盈昃辰宿列张寒|来暑往", "{96}{100}好"}},
        {{34, 60, 2},
         "天地玄黄宇宙洪荒日月盈昃辰宿列张か\u3099来暑往",
         {"{0}{100}天地玄黄宇宙洪荒日月盈昃辰宿列张か\u3099|来暑往"}},
        {{14, 100, 2}, "「こんにちは」と彼は言った。", {"{0}{100}「こんにちは」|と彼は言った。"}},
        {{12, 100, 2}, "と彼は言った。", {"{0}{100}と彼は言っ|た。"}},
        {{20, 100, 2}, "안녕하세요 여러분 오늘은 좋네요", {"{0}{100}안녕하세요 여러분 |오늘은 좋네요"}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(FitToTheEnd(TextList{"{0}{100}" + c.text}, c.limits, 10)->ToVector(), c.fitted) << c.text;
}

// The lines of a fitted subtitle together keep within the total, whatever
// the line cuts left, unless the subtitle is a single word.
TEST(LimitRoutines, FittedSubtitlesKeepWithinTheTotal) {
    const std::string cjk = "天地玄黄宇宙洪荒日月盈昃辰宿列张寒来暑往";
    const struct {
        FitLimits limits;
        std::string text;
        Lines fitted;
    } cases[] = {
        {{34, 60, 2},
         "one two three four five six seven eight nine ten eleven twelve",
         {"{0}{90}one two three four five six seven |eight nine ten eleven ", "{91}{100}twelve"}},
        {{20, 40, 3},
         "aaaa bbbb cccc dddd eeee ffff gggg hhhh iiii jjjj kkkk",
         {"{0}{74}aaaa bbbb cccc dddd |eeee ffff gggg hhhh |", "{75}{100}iiii jjjj kkkk"}},
        {{34, 60, 3}, cjk + cjk + cjk, {}},
        {{34, 60, 2}, cjk + " " + cjk + " " + cjk, {}},
        // A word longer than the total stands alone.
        {{10, 12, 2}, "Pneumonoultramicroscopic and", {"{0}{89}Pneumonoultramicroscopic |", "{90}{100}and"}},
    };
    for (const auto &c : cases) {
        const TextList fitted = *FitToTheEnd(TextList{"{0}{100}" + c.text}, c.limits, 10);
        if (!c.fitted.empty()) {
            EXPECT_EQ(fitted.ToVector(), c.fitted) << c.text;
        }
        for (std::size_t i = 0; i < fitted.Count(); ++i) {
            std::string text(FrameLineTextView(fitted[i]));
            std::erase(text, '|');
            const bool oneWord = text.find(' ') >= text.find_last_not_of(' ');
            if (!oneWord) {
                EXPECT_LE(TextWidth(text), c.limits.maxTotal) << fitted[i];
            }
        }
    }
}

// Latin letters spelled in Cyrillic ones, two bytes each.
std::string Cyrillic(std::string_view latin) {
    std::string spelled;
    for (const char c : latin) {
        const bool lower = c >= 'a' && c <= 'z';
        if (lower || (c >= 'A' && c <= 'Z')) {
            const int letter = (lower ? 0x430 : 0x410) + (c - (lower ? 'a' : 'A'));
            spelled += static_cast<char>(0xC0 | (letter >> 6));
            spelled += static_cast<char>(0x80 | (letter & 0x3F));
        } else {
            spelled += c;
        }
    }
    return spelled;
}

TEST(LimitRoutines, CyrillicFitsAsLatin) {
    for (const char *text :
         {"{1}{9}Subtitles should always break at a space",
          "{100}{200}The first line has thirty-four ch.|the second line is thirty long",
          "{0}{100}This is a very long first line that somebody typed without any breaks|at all"}) {
        const FitLimits limits{34, 60, 2};
        const TextList latin = *FitToTheEnd(TextList{text}, limits, 10);
        const TextList cyrillic = *FitToTheEnd(TextList{Cyrillic(text)}, limits, 10);
        ASSERT_EQ(cyrillic.Count(), latin.Count()) << text;
        for (std::size_t i = 0; i < latin.Count(); ++i)
            EXPECT_EQ(cyrillic[i], Cyrillic(latin[i])) << text;
    }
}

class LimitsHandler : public ::testing::Test {
protected:
    LimitsHandler() { form.CurrentLanguage = 2; }
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
};

// The list before and after fitting, with no message and nothing selected.
TEST_F(LimitsHandler, ListAfterFitting) {
    const struct {
        FitLimits limits;
        Lines entries, fitted;
    } cases[] = {
        {{34, 60, 2},
         {"{1}{9}This line holds exactly 34 letters", "{10}{20}", "{100}{200}Hello|.", "{300}{400}a|b|c"},
         {"{1}{9}This line holds exactly 34 letters", "{100}{200}Hello|.", "{300}{367}a|b", "{368}{400}c"}},
        {{34, 60, 2},
         {"{1}{9}Subtitles should always break at a space",
          "{100}{200}The first line has thirty-four ch.|the second line is thirty long"},
         {"{1}{9}Subtitles should always break at |a space",
          "{100}{194}The first line has thirty-four ch.|the second line is thirty ", "{195}{200}long"}},
        {{45, 135, 3}, {"{0}{400}one|two|three|four"}, {"{0}{293}one|two|three", "{294}{400}four"}},
        {{3, 100, 2},
         {"{0}{900}a|b|c|d|e|f|g|h"},
         {"{0}{200}a|b", "{201}{400}c|d", "{401}{600}e|f", "{601}{900}g|h"}},
        // Mended: words that fused, words that changed places, words that never found a place.
        {{34, 60, 3},
         {"{0}{620}I told you we should have left|before the guards came back here|Run now!"},
         {"{0}{506}I told you we should have left|before the guards came back |", "{507}{620}here Run now!"}},
        {{34, 60, 2},
         {"{0}{100}This is a very long first line that somebody typed without any breaks at all so it|goes "
          "on",
          "{200}{210}Supercalifragilisticexpialidocious indeed"},
         {"{0}{66}This is a very long first line |that somebody typed without ",
          "{67}{100}any breaks at all so it|goes on",
          "{200}{210}Supercalifragilisticexpialidocious |indeed"}},
        {{10, 60, 2},
         {"{0}{10}Pneumonoultramicroscopic|and more"},
         {"{0}{10}Pneumonoultramicroscopic|and more"}},
        {{0, 0, 2}, {"{0}{30}a b c"}, {"{0}{12}a |", "{13}{24}b |", "{25}{30}c"}},
        // An empty last line goes; an empty first line stays; the frames are written in braces.
        {{34, 60, 2},
         {"{0}{10}Hi|", "{20}{30}|Hi", "{40}{50}a||", "60}70}Hi"},
         {"{0}{10}Hi", "{20}{30}|Hi", "{40}{50}a", "{60}{70}Hi"}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.entries[0]);
        Open(c.entries, c.limits.lines == 2 ? "2" : "3", c.limits.maxLine, c.limits.maxTotal);
        form.ListBox1.ItemIndex = 0;
        form.bt60Max();
        EXPECT_EQ(List(), c.fitted);
        EXPECT_EQ(form.ImportBuffer().ToVector(), c.fitted);
        EXPECT_EQ(form.ListBox1.ItemIndex, -1);
        EXPECT_TRUE(fake.dialogs.Boxes().empty());
    }
}

TEST_F(LimitsHandler, ProgressMovesThroughThePassAndCancelLeavesTheList) {
    TextList entries;
    for (int i = 0; i < 10000; ++i)
        AddFrameLine(entries, 10 * i, 10 * i + 9, "a|b|c");
    std::vector<int> heard;
    FittedToLimits(entries, {34, 60, 2}, fake.dialogs, 2, [&](int percent) { heard.push_back(percent); });
    EXPECT_EQ(heard, (std::vector<int>{0, 40, 81}));

    Open(entries.ToVector());
    int reports = 0;
    fake.dialogs.CancelLongWorkWhen([&] { return ++reports == 2; });
    form.Run(&TForm1::bt60Max);
    EXPECT_EQ(reports, 2);
    EXPECT_EQ(form.ListBox1.Items, entries);
}

TEST_F(LimitsHandler, BoundsOutOfOrderAndSplitPointsBeyond32Bits) {
    Open({"{200}{100}a|b|c", "{2147483647}{2147483646}a|b|cccccccccccccccccccc"});
    form.bt60Max();
    EXPECT_EQ(List(),
              (Lines{"{200}{133}a|b", "{134}{100}c", "{2147483647}{2147483646}a|b|cccccccccccccccccccc"}));
    const std::string row43 = "Error the initial time is equal or superior to the final time";
    EXPECT_EQ(fake.dialogs.Messages(),
              (Lines{row43 + "{200}{100}", row43 + "{2147483647}{2147483646}", "Erro na leg.1", "22",
                     form.Message(MessageRow::StartBeforePreviousEnd) + "\n\r{134}{100}c"}));
    EXPECT_EQ(form.ListBox1.ItemIndex, 1);
}

TEST_F(LimitsHandler, OtherLineCountsAndNoFileDoNothing) {
    Open({"{0}{10}a|b|c"}, "");
    form.bt60Max();
    EXPECT_EQ(form.ImportBuffer().Count(), 0u);
    form.ListBox4.Items.Clear();
    form.ComboBox3.Text = "2";
    form.Memo1.Lines = TextList{"kept"};
    form.bt60Max();
    EXPECT_EQ(form.ImportBuffer().ToVector(), Lines{"{0}{10}a|b|c"});
    EXPECT_EQ(form.Memo1.Lines.ToVector(), Lines{"kept"});
}

TEST_F(LimitsHandler, FramesThatAreNoNumbersEndTheFitting) {
    Open({"{0}{10}a|b|c", "", "{x}{20}d"});
    fake.dialogs.AllowErrors();
    form.Run(&TForm1::bt60Max);
    EXPECT_EQ(fake.dialogs.Errors().size(), 1u);
    // A fitting that fails leaves the list as it was.
    EXPECT_EQ(List(), (Lines{"{0}{10}a|b|c", "", "{x}{20}d"}));
}

TEST_F(LimitsHandler, EditedListFittedAndLoadAgainGivesBackTheOpenedOne) {
    Open({"{0}{10}a"}, "3", 45, 135);
    form.ListBox1.Items.Add("{20}{90}one|two|three|four");
    form.Memo1.Lines = TextList{"1"};
    form.AtrasoEdit.Text = "0";
    form.bt60Max();
    EXPECT_EQ(List(), (Lines{"{0}{10}a", "{20}{71}one|two|three", "{72}{90}four"}));
    EXPECT_EQ(form.DefaultButton, &form.btConvert);
    EXPECT_EQ(form.ActiveControl, &form.btConvert);
    form.btGravar1Click();
    EXPECT_EQ(fake.dialogs.Messages(), Lines{"Convert first"});
    form.btOriginalClick();
    EXPECT_EQ(List(), Lines{"{0}{10}a"});
}

// Random texts of long and fused words, empty lines and lone full stops
// under random limits: zero, negative and a total below the line limit among them.
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
