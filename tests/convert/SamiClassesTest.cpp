#include "convert/OpenSubtitles.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Answers the class question with a set index and keeps what it was asked.
class ClassPicker : public Questions {
public:
    explicit ClassPicker(std::size_t pick) : pick_(pick) {}
    void ShowMessage(const std::string &) override {}
    bool AskYesNo(const std::string &, QuestionKind) override { return false; }
    std::size_t ChooseItem(const std::string &, const std::vector<std::string> &items) override {
        offered = items;
        return pick_;
    }
    std::vector<std::string> offered;

private:
    std::size_t pick_;
};

const std::string kHead = "<SAMI>\n<HEAD>\n<STYLE TYPE=\"text/css\"><!--\n"
                          "P { margin-left: 8pt; font-size: 0.5em; }\n"
                          ".KRCC { Name: \"Korean\"; lang: ko-KR; }\n"
                          ".ENCC {Name:English;lang:en-US}\n"
                          ".NOTUSED { Name: Nothing; }\n"
                          "--></STYLE>\n</HEAD>\n<BODY>\n";

// Two languages, each with its clearing SYNC, and a line in neither class.
const std::string kBilingual = kHead + "<SYNC Start=1000><P Class=KRCC>Annyeong\n"
                                       "<SYNC Start=1000><P Class=ENCC>Hello<br>there\n"
                                       "<SYNC Start=2000><P Class=KRCC>&nbsp;\n"
                                       "<SYNC Start=2000><P Class=encc>&nbsp;\n"
                                       "<SYNC Start=3000><P>Music\n"
                                       "<SYNC Start=4000><P Class=KRCC>Jal ga<P Class=ENCC>Bye\n"
                                       "<SYNC Start=5000><P>&nbsp;\n</BODY></SAMI>\n";

const std::vector<std::string> kKorean = {"{25}{50}Annyeong", "{75}{100}Music", "{100}{125}Jal ga"};
const std::vector<std::string> kEnglish = {"{25}{50}Hello|there", "{75}{100}Music", "{100}{125}Bye"};

struct SamiCase {
    const char *name;
    std::string bytes;
    std::string samiClass; // as given on the command line
    std::size_t pick;      // the user's answer to the question
    std::vector<std::string> lines;
    std::vector<std::string> offered; // the question's items; none when not asked
    std::vector<std::string> classes; // the classes the result tells of
    std::size_t read;
    bool unknownAsked;
};

void PrintTo(const SamiCase &c, std::ostream *os) {
    *os << c.name;
}

class SamiClasses : public ::testing::TestWithParam<SamiCase> {};

TEST_P(SamiClasses, ReadOneLanguageAndTellWhich) {
    const SamiCase &c = GetParam();
    ClassPicker picker(c.pick);
    OpenRequest request{"film.smi", std::string_view(c.bytes), "25,000", ReadingOptions{}, false, 2};
    request.samiClass = c.samiClass;
    const OpenedSubtitles opened = OpenSubtitles(request, picker);
    EXPECT_EQ(opened.formatName, "SAMI Captioning");
    EXPECT_EQ(opened.lines.ToVector(), c.lines);
    EXPECT_EQ(picker.offered, c.offered);
    std::vector<std::string> classes;
    for (const SamiClass &oneClass : opened.samiClasses.classes)
        classes.push_back(oneClass.selector + "=" + oneClass.name);
    EXPECT_EQ(classes, c.classes);
    EXPECT_EQ(opened.samiClasses.read, c.read);
    EXPECT_EQ(opened.samiClasses.unknownAsked, c.unknownAsked);
}

const std::vector<std::string> kBoth = {"KRCC=Korean", "ENCC=English"};
const std::vector<std::string> kNames = {"Korean", "English"};

INSTANTIATE_TEST_SUITE_P(
    Variants, SamiClasses,
    ::testing::Values(
        SamiCase{"FirstClassByDefault", kBilingual, "", 0, kKorean, kNames, kBoth, 0, false},
        SamiCase{"ClassPickedInTheQuestion", kBilingual, "", 1, kEnglish, kNames, kBoth, 1, false},
        SamiCase{"PickOutsideTheListReadsTheFirst", kBilingual, "", 7, kKorean, kNames, kBoth, 0, false},
        SamiCase{"ClassNamedWithDotInAnyCase", kBilingual, ".encc", 0, kEnglish, {}, kBoth, 1, false},
        SamiCase{"ClassNamedWithoutDot", kBilingual, "ENCC", 0, kEnglish, {}, kBoth, 1, false},
        SamiCase{"UnknownClassReadsTheFirst", kBilingual, "FRCC", 0, kKorean, {}, kBoth, 0, true},
        SamiCase{"ClassWithoutNameOffersItsSelector",
                 "<SAMI>\n<STYLE>.A {color: red} .B {Name: 'Bee'}</STYLE><BODY><SYNC Start=0><P Class=A>a"
                 "<SYNC Start=1000><P Class=B>b<SYNC Start=2000><P class=a>&nbsp;",
                 "",
                 0,
                 {"{0}{50}a"},
                 {"A", "Bee"},
                 {"A=", "B=Bee"},
                 0,
                 false},
        SamiCase{"OneOfTwoClassesUsedReadsAsBefore",
                 kHead + "<SYNC Start=1000><P Class=ENCC>A<SYNC Start=2000><P Class=ENCC>B"
                         "<SYNC Start=3000><P Class=ENCC>&nbsp;",
                 "FRCC",
                 0,
                 {"{25}{50}A", "{50}{75}B"},
                 {},
                 {},
                 0,
                 false},
        SamiCase{"NoClassReadsAsBefore",
                 kHead + "<SYNC Start=1000><P>A<SYNC Start=2000><P>B<SYNC Start=3000>",
                 "",
                 0,
                 {"{25}{50}A", "{50}{75}B"},
                 {},
                 {},
                 0,
                 false},
        SamiCase{"ClassesWithoutStyleReadAsBefore",
                 "<SAMI>\n<BODY><SYNC Start=1000><P Class=KRCC>K<P Class=ENCC>E<SYNC Start=2000>",
                 "",
                 0,
                 {"{25}{50}K|E"},
                 {},
                 {},
                 0,
                 false}),
    [](const auto &info) { return std::string(info.param.name); });

} // namespace
