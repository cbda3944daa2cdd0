#include "document/FrameLine.h"
#include "document/Errors.h"

#include <gtest/gtest.h>

namespace {

struct FrameLineCase {
    const char *line;
    const char *prefix;
    const char *text;
    const char *startText;
    const char *endText;
};

class FrameLineSplitting : public testing::TestWithParam<FrameLineCase> {};

TEST_P(FrameLineSplitting, SplitsAndBounds) {
    const FrameLineCase &c = GetParam();
    const FrameLineParts parts = SplitFrameLine(c.line);
    EXPECT_EQ(parts.prefix, c.prefix);
    EXPECT_EQ(parts.text, c.text);
    EXPECT_EQ(FrameLineText(c.line), c.text);
    const FrameLineBoundTexts bounds = FrameLineBounds(c.line);
    EXPECT_EQ(bounds.startText, c.startText);
    EXPECT_EQ(bounds.endText, c.endText);
    const FrameLineViews views = ListedFrameLine(c.line);
    EXPECT_EQ(views.startText, c.startText);
    EXPECT_EQ(views.endText, c.endText);
    EXPECT_EQ(views.text, c.text);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, FrameLineSplitting,
    testing::Values(FrameLineCase{"{100}{150}Hello|world", "{100}{150}", "Hello|world", "100", "150"},
                    FrameLineCase{"{10}{20}", "{10}{20}", "", "10", "20"},
                    FrameLineCase{"{10}{20}a}b{c", "{10}{20}", "a}b{c", "10", "20"},
                    FrameLineCase{"{10}abc", "{10}", "abc", "10", ""},
                    FrameLineCase{"abc}def", "abc}", "def", "abc", ""},
                    FrameLineCase{"no braces", "", "no braces", "", ""}, FrameLineCase{"", "", "", "", ""},
                    FrameLineCase{"{1}{2}}x", "{1}{2}", "}x", "1", "2"},
                    FrameLineCase{"10}20}x", "10}20}", "x", "10", "20"},
                    FrameLineCase{"{}{}", "{}{}", "", "", ""},
                    FrameLineCase{"{5}}{6}t", "{5}}", "{6}t", "5", ""}));

TEST(FrameLineFrames, ConvertsBothBounds) {
    int start = -1;
    int end = -1;
    FrameLineFrames("{100}{150}Hi", start, end);
    EXPECT_EQ(start, 100);
    EXPECT_EQ(end, 150);
}

TEST(FrameLineFrames, EmptyLineLeavesTheOutputs) {
    int start = 7;
    int end = 8;
    FrameLineFrames("", start, end);
    EXPECT_EQ(start, 7);
    EXPECT_EQ(end, 8);
}

TEST(FrameLineFrames, BadBoundsAreConversionErrors) {
    int start = 0;
    int end = 0;
    EXPECT_THROW(FrameLineFrames("no braces", start, end), ConvertError);
    EXPECT_THROW(FrameLineFrames("{1,5}{2}x", start, end), ConvertError);
    // The start is taken before the end fails, as callers see it.
    EXPECT_THROW(FrameLineFrames("{3}{x}", start, end), ConvertError);
    EXPECT_EQ(start, 3);
    EXPECT_THROW(FrameLineFrames("{1}{99999999999}", start, end), ConvertError);
}

TEST(FrameLineBuilding, JoinsBoundsAndText) {
    EXPECT_EQ(FrameLine(100, 150, "Hello|world"), "{100}{150}Hello|world");
    EXPECT_EQ(FrameLine(-5, 2147483647, ""), "{-5}{2147483647}");
    // Bound texts stand as typed, whatever they hold.
    EXPECT_EQ(FrameLine(" 7", "", "a}b"), "{ 7}{}a}b");
    // The widest bounds fit the prefix, and a list gets the same line.
    const int lowest = -2147483647 - 1;
    EXPECT_EQ(FrameLine(lowest, lowest, "x"), "{-2147483648}{-2147483648}x");
    TextList list{"{0}{1}kept"};
    AddFrameLine(list, lowest, 2147483647, list[0]);
    EXPECT_EQ(list[1], "{-2147483648}{2147483647}{0}{1}kept");
}

} // namespace
