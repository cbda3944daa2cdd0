#include "shell/Unit1.h"
#include "tests/support/FakePlatform.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

namespace {

// The window asks which language of a SAMI file with several to read, the
// first one preselected, and the status bar tells the one read.
TEST(SamiClassWindow, AsksForTheLanguageAndTellsIt) {
    TempFolder folder{"sami-class"};
    const std::string path = folder.Write(
        "two.smi", "<SAMI>\n<STYLE>.KRCC {Name: Korean} .ENCC {Name: English}</STYLE>\n<BODY>\n"
                   "<SYNC Start=1000><P Class=KRCC>K<P Class=ENCC>E\n<SYNC Start=2000><P>&nbsp;\n");
    FakePlatform fake;
    TForm1 form{fake.platform};
    form.CurrentLanguage = 2;
    form.ActivarosAlertas1.Checked = false;
    fake.dialogs.PickItem(1);
    fake.dialogs.ChooseFile(path);
    form.Run(&TForm1::btAbrirClick);
    const std::vector<std::vector<std::string>> offered = {
        {"This file has subtitles in several languages. Which one to read?", "Korean", "English"}};
    EXPECT_EQ(fake.dialogs.ItemsOffered(), offered);
    EXPECT_EQ(form.SubtitleList().ToVector(), std::vector<std::string>{"{25}{50}E"});
    EXPECT_TRUE(form.StatusBar1.Panels.at(0).Text.ends_with("; Language read: English"))
        << form.StatusBar1.Panels.at(0).Text;
}

} // namespace
