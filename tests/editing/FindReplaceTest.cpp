#include "editing/FindReplace.h"
#include "editing/Words.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>

namespace {

struct ReplaceCase {
    const char *name;
    std::string find;
    std::string with;
    FindOptions options;
    std::string entry;
    std::string expected; // the entry after replace all
    std::size_t replaced;
};

void PrintTo(const ReplaceCase &row, std::ostream *out) {
    *out << row.name;
}

constexpr FindOptions kPlain{};
constexpr FindOptions kCase{true, false, false};
constexpr FindOptions kWords{false, true, false};
constexpr FindOptions kRegex{false, false, true};
constexpr FindOptions kRegexCase{true, false, true};

const ReplaceCase kReplaceCases[] = {
    {"ignores case by default", "colour", "color", kPlain, "{1}{2}Colour and COLOUR", "{1}{2}color and color",
     2},
    {"match case", "colour", "color", kCase, "{1}{2}Colour and colour", "{1}{2}Colour and color", 1},
    {"whole words", "colour", "color", kWords, "{1}{2}colour, colours|colour", "{1}{2}color, colours|color",
     2},
    {"whole words beside accents", "ca", "x", kWords, "{1}{2}cá ca çca", "{1}{2}cá x çca", 1},
    {"plain text quotes its signs", "a.b (c)", "$1\\", kPlain, "{1}{2}a.b (c) axb (c)", "{1}{2}$1\\ axb (c)",
     1},
    {"plain bar is a line break", "end|start", "end start", kPlain, "{1}{2}the end|start",
     "{1}{2}the end start", 1},
    {"regex groups", "(\\w+) (\\w+)", "$2 $1", kRegex, "{1}{2}one two|three four", "{1}{2}two one|four three",
     2},
    {"regex line break", "\\n", " ", kRegex, "{1}{2}a|b|c", "{1}{2}a b c", 2},
    {"regex inserts a line break", ", ", "\n", kRegexCase, "{1}{2}Yes, sir", "{1}{2}Yes|sir", 1},
    {"frames never touched", "1", "9", kPlain, "{1}{12}1 to 1", "{1}{12}9 to 9", 2},
    {"no match leaves the entry", "zzz", "y", kRegex, "{1}{2}abc", "{1}{2}abc", 0},
    {"empty matches advance", "(?=b)x*", "-", kRegex, "{1}{2}abab", "{1}{2}a-ba-b", 2},
    {"non-ASCII case folding", "ÇÃO", "cao", kPlain, "{1}{2}ação", "{1}{2}acao", 1},
    {"entry without frames", "a", "b", kPlain, "a", "b", 1},
};

class ReplaceTable : public testing::TestWithParam<ReplaceCase> {};

TEST_P(ReplaceTable, ReplacesEveryMatchOfTheText) {
    const ReplaceCase &row = GetParam();
    const TextList list{"{0}{1}untouched", row.entry};
    const ReplaceResult result = ReplaceInList(list, TextSearch(row.find, row.with, row.options));
    EXPECT_EQ(result.list, (TextList{"{0}{1}untouched", row.expected}));
    EXPECT_EQ(result.replaced, row.replaced);
    EXPECT_EQ(list[1], row.entry);
}

INSTANTIATE_TEST_SUITE_P(Options, ReplaceTable, testing::ValuesIn(kReplaceCases));

TEST(FindReplace, BadExpressionsAreNamed) {
    for (const char *bad : {"(a", "[z-a]", "a{2,1}", "*"}) {
        try {
            TextSearch(bad, "", kRegex);
            ADD_FAILURE() << bad;
        } catch (const PatternError &error) {
            EXPECT_NE(std::string(error.what()).find(bad), std::string::npos) << error.what();
        }
    }
    EXPECT_THROW(TextSearch("", "x", kPlain), PatternError);
    EXPECT_THROW(ReplaceInList(TextList{"{1}{2}ab"}, TextSearch("(a)", "$2", kRegex)), PatternError);
}

TEST(FindReplace, RunawayExpressionIsStopped) {
    const TextList list{"{1}{2}fine", "{1}{2}" + std::string(40, 'a') + "!"};
    const auto began = std::chrono::steady_clock::now();
    try {
        ReplaceInList(list, TextSearch("(a+)+$", "x", kRegex));
        ADD_FAILURE() << "no time-out";
    } catch (const PatternStopped &error) {
        EXPECT_EQ(error.subtitle, 1u);
    }
    EXPECT_LT(std::chrono::steady_clock::now() - began, std::chrono::seconds(10));
}

TEST(FindReplace, FindsTheNextEntryRoundTheEnd) {
    const TextList list{"{1}{2}red", "{3}{4}blue", "{5}{6}red|blue", "{7}{8}green"};
    const TextSearch blue("BLUE", "", kPlain);
    EXPECT_EQ(FindInList(list, blue, std::nullopt), 1u);
    EXPECT_EQ(FindInList(list, blue, 1), 2u);
    EXPECT_EQ(FindInList(list, blue, 2), 1u);
    EXPECT_EQ(FindInList(list, TextSearch("yellow", "", kPlain), 0), std::nullopt);
    EXPECT_EQ(FindInList(TextList{}, blue, std::nullopt), std::nullopt);
    EXPECT_EQ(blue.ReplaceFirst("{1}{2}blue blue", 0), "{1}{2} blue");
}

} // namespace

namespace {

// A megabyte of one word, and of short words, is split and replaced in one pass.
TEST(FindReplace, LongWordsAndLinesStayLinear) {
    std::string words;
    for (int i = 0; i < 100000; ++i)
        words += "ab cd|";
    const auto began = std::chrono::steady_clock::now();
    for (const std::string &text : {std::string(1 << 20, 'a'), words}) {
        const TextList list{"{1}{2}" + text};
        WordSplitter splitter;
        EXPECT_FALSE(splitter.Words(text).empty());
        EXPECT_GT(ReplaceInList(list, TextSearch("a", "b", kPlain)).replaced, 0u);
    }
    const TextList line{"{1}{2}" + words};
    EXPECT_EQ(ReplaceInList(line, TextSearch("\\b\\w+\\b", "$0", kRegex)).list, line);
    // A repetition over a megabyte of one letter is stopped by ICU's memory limit and told.
    EXPECT_THROW(
        ReplaceInList(TextList{"{1}{2}" + std::string(1 << 20, 'a')}, TextSearch("(a|b)+", "", kRegex)),
        PatternStopped);
    EXPECT_LT(std::chrono::steady_clock::now() - began, std::chrono::seconds(5));
}

} // namespace
