#include "document/Markup.h"
#include "tests/document/MarkupReference.h"

#include <gtest/gtest.h>

#include <chrono>
#include <random>
#include <string>
#include <vector>

namespace {

struct MarkupCase {
    const char *before;
    const char *after;
};

class MarkupTable : public testing::TestWithParam<MarkupCase> {};

TEST_P(MarkupTable, Normalises) {
    EXPECT_EQ(NormaliseMarkupText(GetParam().before), GetParam().after);
    EXPECT_EQ(HoldsMarkup(GetParam().before), std::string(GetParam().before) != GetParam().after);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, MarkupTable,
    testing::Values(MarkupCase{"", ""}, MarkupCase{"{0}{25}Hello", "{0}{25}Hello"},
                    MarkupCase{"{0}{25}<i>Hello</i><br>world", "{0}{25}Hello|world"},
                    MarkupCase{"{0}{25}<I>a</I><BR>b[br]c[BR]d", "{0}{25}a|b|c|d"},
                    MarkupCase{"<P>start", "|start"}, MarkupCase{"a<p>b", "a|b"},
                    MarkupCase{"{0}{25}{y:i}Hi", "{0}{25}Hi"}, MarkupCase{"{0}{25}{Y:b}Hi", "{0}{25}{Y:b}Hi"},
                    MarkupCase{"{i:y}{Y:i}{i:Y}{y:I}{I:y}{Y:I}{I:Y}x", "x"},
                    MarkupCase{"Line\\Nnext\\nlast", "Line|next|last"}, MarkupCase{"a\\\\nb", "a\\|b"},
                    MarkupCase{"a<br><br>b", "a||b"}, MarkupCase{"<<i>i>x", "x"},
                    MarkupCase{"<<<i>i>i>x", "x"}, MarkupCase{"<</i>i>x", "<i>x"},
                    // A removal can complete a marker of an earlier row, which has run
                    // already, or of a later one, which then takes it.
                    MarkupCase{"<b<i>r>", "<br>"}, MarkupCase{"\\<i>n", "|"},
                    MarkupCase{"<Br> <b>bold</b> </p> {c:$0000FF}x", "<Br> <b>bold</b> </p> {c:$0000FF}x"},
                    MarkupCase{"{{y:i}y:i}t", "t"}, MarkupCase{"[b<br>r]", "[b|r]"}));

TEST(Markup, MatchesTheStepByStepDefinition) {
    const std::string alphabet = "<>/iIpPbrBR[]\\nN{}:yY|a";
    std::mt19937 random(2011);
    for (int i = 0; i < 20000; ++i) {
        std::string text(random() % 24, ' ');
        for (char &c : text)
            c = alphabet[random() % alphabet.size()];
        const std::string normalised = NormaliseMarkupStepByStep(text);
        ASSERT_EQ(NormaliseMarkupText(text), normalised) << text;
        ASSERT_EQ(HoldsMarkup(text), normalised != text) << text;
    }
}

// A long list is looked through in two halves at once; short and long, each
// line comes out as it does alone, in its place.
TEST(Markup, ListsNormaliseLineByLine) {
    for (const std::size_t count : {7, 150001}) {
        TextList lines;
        std::vector<std::string> expected;
        for (std::size_t i = 0; i < count; ++i) {
            const std::string line = "{" + std::to_string(i) + "}{1}" +
                                     (i % 3 == 0   ? "<i>a</i><br>b"
                                      : i % 3 == 1 ? "plain"
                                                   : "c\\Nd");
            lines.Add(line);
            expected.push_back(NormaliseMarkupText(line));
        }
        NormaliseListMarkup(lines);
        EXPECT_EQ(lines.ToVector(), expected) << count;
    }
}

TEST(Markup, PathologicalLinesStayFast) {
    std::string nested;
    for (int i = 0; i < 100000; ++i)
        nested += "<";
    for (int i = 0; i < 100000; ++i)
        nested += "i>";
    std::string repeated;
    for (int i = 0; i < 100000; ++i)
        repeated += "<i>{y:i}\\N";
    const auto started = std::chrono::steady_clock::now();
    EXPECT_EQ(NormaliseMarkupText(nested), "");
    EXPECT_EQ(NormaliseMarkupText(repeated), std::string(100000, '|'));
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(1));
}

} // namespace
