#include "tests/formats/ImportBench.h"

#include "document/Errors.h"
#include "document/MessageTable.h"

#include <string>
#include <vector>

namespace {
// One picture entry: the picture line, a line passed over, the start line and the end line.
std::string Entry(const std::string &picture, const std::string &start, const std::string &end) {
    return "BMPFILE: " + picture + "\nPALETTE\nSTARTTIME: " + start + "\nTIME: " + end + " DISABLE_OGT\n";
}

struct ScriptCase {
    const char *name;
    std::string lines;
    double fps;
    bool alerts;
    std::vector<std::string> buffer;
};

class IAuthorScripts : public ImportBench, public ::testing::WithParamInterface<ScriptCase> {};

TEST_P(IAuthorScripts, TurnPicturesIntoFrameLines) {
    const ScriptCase &c = GetParam();
    ctx.CurrentFps = c.fps;
    ctx.AlertsOn = c.alerts;
    boxText = "25.000";
    Import(ImportIAuthor, c.lines);
    EXPECT_EQ(buffer.ToVector(), c.buffer);
    EXPECT_EQ(subtitles, buffer);
    EXPECT_EQ(boxText, "25,000");
    EXPECT_EQ(formatName, "I-Author Script");
    // Both boxes come before any line is read; the second one always.
    std::vector<std::string> messages{"Wait! Long subtitles...."};
    if (c.alerts)
        messages.insert(messages.begin(), MessageText(MessageRow::SameFps, kEnglish));
    EXPECT_EQ(dialogs.Messages(), messages);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Scripts, IAuthorScripts, ::testing::Values(
    ScriptCase{"HalfFramesToEven", "; script\n" + Entry("a.bmp", "1.5", "3") + "\n" + Entry("b.bmp", "5,0", "5"),
        25, true, {"{1}{1}25,000", "{38}{75}a.bmp", "{125}{148}b.bmp"}},
    // Each end before the end before it adds 256 seconds to that entry and the rest.
    ScriptCase{"WrapAround", Entry("a", "249", "250") + Entry("b", "251", "255") + Entry("c", "1", "3") +
        Entry("d", "4", "5") + Entry("e", "0", "2"), 25, false,
        {"{1}{1}25,000", "{6225}{6250}a", "{6275}{6375}b", "{6425}{6475}c", "{6500}{6525}d", "{12800}{12850}e"}},
    // 256 seconds at 23,976 are 6137,856 frames, rounded with each time.
    ScriptCase{"WrapAroundAtAFractionalRate", Entry("a", "254", "255") + Entry("b", "2", "3"), 23.976, false,
        {"{1}{1}25,000", "{6090}{6114}a", "{6186}{6210}b"}},
    // The line after the picture line is not read, even as a start line;
    // a script that ends inside an entry drops it.
    ScriptCase{"LineAfterThePictureAndAnUnfinishedEntry",
        "BMPFILE: STARTTIME: 9\nSTARTTIME: 1\nSTARTTIME: 2\nTIME: 3 DISABLE_OGT\nBMPFILE: cut.bmp\nx\nSTARTTIME: 4",
        25, true, {"{1}{1}25,000", "{50}{75}STARTTIME: 9"}}),
    [](const ::testing::TestParamInfo<ScriptCase> &info) { return info.param.name; });
// clang-format on

// A time that is no number, and frames past 32 bits (one wrap-around at
// ten million frames a second), end the import with the error box.
TEST_F(ImportBench, IAuthorFailuresEndTheImport) {
    try {
        Import(ImportIAuthor, Entry("a", "1", "2") + Entry("b", "one", "3"));
        FAIL() << "the import went on";
    } catch (const ConvertError &error) {
        EXPECT_NE(std::string(error.what()).find("one"), std::string::npos) << error.what();
    }
    ctx.CurrentFps = 10'000'000;
    EXPECT_THROW(Import(ImportIAuthor, Entry("a", "0", "1") + Entry("b", "0", "0.5")), ConvertError);
    EXPECT_EQ(buffer, (TextList{"{1}{1}25,000", "{0}{10000000}a"}));
    EXPECT_EQ(formatName, "");
    EXPECT_EQ(subtitles, TextList{"{1}{2}before"});
}
} // namespace
