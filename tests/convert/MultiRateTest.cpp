#include "shell/Unit1.h"
#include "tests/support/FakePlatform.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;

namespace {

// The batch in a temporary current folder, on a list opened at 25 frames
// per second and fitted to two lines.
class MultiRate : public ::testing::Test {
protected:
    void SetUp() override {
        fs::create_directories(folder);
        fs::current_path(folder);
        Open(form);
    }
    void TearDown() override {
        fs::current_path(previous);
        fs::remove_all(folder);
    }
    static void Open(TForm1 &window) {
        const Lines opened{"{0}{100}one|two|three",
                           "{250}{400}A line far too long for any player to show|at once"};
        window.ListBox1.Items = TextList(opened);
        window.ListBox4.Items = TextList(opened);
        window.ComboBox3.Text = "2";
        window.Combobox2.Text = "25,000";
        window.AtrasoEdit.Text = "0";
    }

    const fs::path previous = fs::current_path();
    const fs::path folder = fs::temp_directory_path() / ("lumavert-multi-" + std::to_string(getpid()));
    FakePlatform fake;
    TForm1 form{fake.platform};
};

} // namespace

TEST_F(MultiRate, SevenFilesOfTheListAsFittedSoFar) {
    FakePlatform referenceFake;
    TForm1 reference{referenceFake.platform};
    Open(reference);
    reference.AnnounceSuccess = false;
    form.btMultiClick();

    const char *const rates[] = {"23,976", "23,978",      "24,000",          "25,000",
                                 "30,000", "22,99394304", "26,0677344010677"};
    for (int pass = 1; pass <= 7; ++pass) {
        reference.Combobox2.Text = rates[pass - 1];
        reference.bt60Max();
        reference.btConvertClick();
        std::string expected;
        for (const std::string_view line : reference.Memo1.Lines) {
            expected += line;
            expected += "\r\n";
        }
        std::ifstream file(folder / ("Test" + std::to_string(pass) + ".srt"), std::ios::binary);
        EXPECT_EQ(std::string(std::istreambuf_iterator<char>(file), {}), expected) << "pass " << pass;
    }
    EXPECT_EQ(fake.dialogs.Messages(), Lines{form.Message(MessageRow::Success)});
    EXPECT_EQ(form.Combobox2.Text, "25,000");
    EXPECT_TRUE(form.AnnounceSuccess);
    EXPECT_EQ(form.CurrentFps, 26.0677344010677);
}

TEST_F(MultiRate, AFileThatCannotBeWrittenEndsTheBatchAsItFoundTheWindow) {
    fs::create_directory(folder / "Test3.srt");
    fake.dialogs.AllowErrors();
    form.Run(&TForm1::btMultiClick);
    ASSERT_EQ(fake.dialogs.Errors().size(), 1u);
    EXPECT_NE(fake.dialogs.Errors()[0].find("Test3.srt"), std::string::npos);
    EXPECT_TRUE(fs::exists(folder / "Test2.srt"));
    EXPECT_FALSE(fs::exists(folder / "Test4.srt"));
    EXPECT_EQ(form.Combobox2.Text, "25,000");

    fake.dialogs.ClearBoxes();
    form.btConvertClick();
    EXPECT_EQ(fake.dialogs.Messages(), Lines{form.Message(MessageRow::Success)});
}

TEST_F(MultiRate, CancelPutsBackTheFilesAndLeavesTheWindowAsItWas) {
    {
        std::ofstream old(folder / "Test1.srt", std::ios::binary);
        old << "old";
        std::ofstream users(folder / "Test1.srt.before-cancel", std::ios::binary);
        users << "mine";
    }
    form.Memo1.Lines = TextList{"memo"};
    const double fps = form.CurrentFps;
    fake.dialogs.CancelLongWorkWhen([this] { return fs::exists(folder / "Test2.srt"); });
    form.Run(&TForm1::btMultiClick);

    std::ifstream file(folder / "Test1.srt", std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(file), {}), "old");
    std::ifstream users(folder / "Test1.srt.before-cancel", std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(users), {}), "mine");
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 2);
    EXPECT_EQ(form.SubtitleList(), form.KeptCopy());
    EXPECT_EQ(form.Memo1.Lines.ToVector(), Lines{"memo"});
    EXPECT_EQ(form.CurrentFps, fps);
    EXPECT_FALSE(form.btGravar.Enabled);
    EXPECT_TRUE(fake.dialogs.Boxes().empty());
}

TEST_F(MultiRate, TheOfferOfUtf8IsMadeOnceForTheWholeBatch) {
    form.ListBox1.Items = TextList{"{0}{100}Snow ☃"};
    fake.dialogs.AnswerYes();
    form.btMultiClick();
    ASSERT_EQ(fake.dialogs.Boxes().size(), 2u);
    EXPECT_EQ(fake.dialogs.Boxes()[0].kind, ShownBox::Kind::Warning);
    EXPECT_EQ(fake.dialogs.Messages(), Lines{form.Message(MessageRow::Success)});
    for (int pass = 1; pass <= 7; ++pass) {
        std::ifstream file(folder / ("Test" + std::to_string(pass) + ".srt"), std::ios::binary);
        EXPECT_EQ(std::string(std::istreambuf_iterator<char>(file), {}).substr(0, 3), "\xEF\xBB\xBF")
            << "pass " << pass;
    }
}
