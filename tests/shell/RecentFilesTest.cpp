#include "shell/SettingsNames.h"
#include "shell/Unit1.h"
#include "tests/support/FakePlatform.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

using Names = std::vector<std::string>;
constexpr std::uint8_t kEnglish = 2;

class RecentFiles : public ::testing::Test {
protected:
    RecentFiles() { Prepare(form); }
    static void Prepare(TForm1 &window) {
        window.CurrentLanguage = kEnglish;
        window.ActivarosAlertas1.Checked = false;
    }
    // The numbered file of the folder; every one is a small MicroDVD file.
    std::string File(int number) { return folder.Write("f" + std::to_string(number) + ".sub", "{1}{2}A\n"); }
    // Files alternately chosen in the open dialog and named to the window.
    void OpenInTurn(const std::vector<int> &numbers) {
        for (std::size_t turn = 0; turn < numbers.size(); ++turn) {
            form.Run(&TForm1::btNovoClick);
            if (turn % 2 == 0) {
                fake.dialogs.ChooseFile(File(numbers[turn]));
                form.Run(&TForm1::btAbrirClick);
            } else {
                form.Run(&TForm1::OpenNamedFile, File(numbers[turn]));
            }
        }
    }
    Names Paths(const std::vector<int> &numbers) {
        Names paths;
        for (int number : numbers)
            paths.push_back(folder.Path("f" + std::to_string(number) + ".sub"));
        return paths;
    }
    std::vector<std::string> Captions() const {
        std::vector<std::string> captions;
        for (const MenuItem *item : form.Ficheiro1.Items)
            if (item->Name.starts_with("Recente") && item->Visible)
                captions.push_back(item->Caption);
        return captions;
    }

    TempFolder folder{"recent"};
    FakePlatform fake;
    TForm1 form{fake.platform};
};

struct OpeningCase {
    const char *name;
    std::vector<int> opened;
    std::vector<int> listed;
};

TEST_F(RecentFiles, EachOpenPutsTheFileOnTopOnceAndTheListIsStoredAndReadBack) {
    const OpeningCase cases[] = {
        {"latest first", {1, 2, 3}, {3, 2, 1}},
        {"a reopened file moves up, once", {1, 2, 3, 1}, {1, 3, 2}},
        {"the same file twice", {4, 4}, {4}},
        {"at most eight", {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, {10, 9, 8, 7, 6, 5, 4, 3}},
    };
    for (const OpeningCase &c : cases) {
        SCOPED_TRACE(c.name);
        form.RecentFiles.clear();
        fake.settings.keys.clear();
        OpenInTurn(c.opened);
        EXPECT_EQ(form.RecentFiles, Paths(c.listed));
        EXPECT_EQ(Captions().front(), "&1 f" + std::to_string(c.listed.front()) + ".sub");
        EXPECT_EQ(Captions().size(), c.listed.size());
        EXPECT_TRUE(form.N3.Visible);

        FakePlatform later;
        later.settings.keys = fake.settings.keys;
        TForm1 next{later.platform};
        Prepare(next);
        next.Run(&TForm1::ReadSettings);
        EXPECT_EQ(next.RecentFiles, Paths(c.listed));
        EXPECT_EQ(next.Recente1.Caption, Captions().front());
    }
    EXPECT_TRUE(fake.dialogs.Messages().empty());
}

TEST_F(RecentFiles, AnEntryOpensItsFileAndAMissingOneLeavesTheListWithAMessage) {
    OpenInTurn({1, 2, 3});
    form.Run(&TForm1::btNovoClick);
    std::filesystem::remove(Paths({2}).front());

    form.Run(form.Recente2.OnClick);
    EXPECT_EQ(fake.dialogs.Messages(), (Names{"The file \"" + Paths({2}).front() +
                                              "\" no longer exists and leaves the list of recent files."}));
    EXPECT_EQ(form.RecentFiles, Paths({3, 1}));
    EXPECT_FALSE(form.Recente3.Visible);
    EXPECT_EQ(fake.settings.keys[kSettingsKey].at("Recente3"), MemorySettings::Value(std::string()));
    EXPECT_TRUE(form.btAbrir.Enabled);

    // Another entry opens its file as a dropped one does: at the top, asking before it replaces an open file.
    form.Run(form.Recente2.OnClick);
    EXPECT_EQ(form.OpenDialog1.FileName, Paths({1}).front());
    EXPECT_FALSE(form.btAbrir.Enabled);
    EXPECT_EQ(form.RecentFiles, Paths({1, 3}));
    fake.dialogs.AnswerYes();
    form.Run(form.Recente2.OnClick);
    EXPECT_EQ(form.OpenDialog1.FileName, Paths({3}).front());
    EXPECT_EQ(form.Recente1.Caption, "&1 f3.sub");
    EXPECT_EQ(fake.dialogs.Boxes().back(),
              (ShownBox{ShownBox::Kind::Confirmation, "Close the open subtitles and open \"f3.sub\"?"}));
}

} // namespace
