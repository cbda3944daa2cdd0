#include "shell/Unit2.h"
#include "tests/support/AviBuilder.h"
#include "tests/tools/ToolTesting.h"

#include <gtest/gtest.h>

namespace {

// What the design data could get wrong unnoticed: colours are 0x00BBGGRR,
// and this dialog's filter is not the main window's.
TEST(PreviewWindowDesign, StatesColoursAndFilter) {
    FakePlatform fake;
    const TForm2 form(fake.platform);
    EXPECT_EQ(form.DefaultButton, &form.btPlay);
    EXPECT_FALSE(form.btStop.Enabled);
    EXPECT_EQ(form.ScrollBox1.Color, 0x004000u);
    EXPECT_EQ(form.Label1.Font.Color, 0x00FFFFu);
    EXPECT_EQ(form.Label3.Font.Color, 0xFFFF00u);
    EXPECT_EQ(form.OpenDialog1.Filter,
              "Ficheiros de vídeo|*.avi;*.mkv;*.mp4;*.m4v;*.mov;*.webm;*.mpg;*.mpeg;*.ts;*.vob;*.ogv;*.wmv"
              "|DivX, XViD & AVI|*.avi|Todos os ficheiros|*.*");
}

class PreviewWindow : public ToolsTest {
protected:
    TForm2 &preview = form.Form2;
    const std::string film = WriteToolFile("film.avi", avi::File(avi::Video{}, avi::Audio{}));

    std::vector<std::string> Labels() const { return {preview.Label3.Caption, preview.Label4.Caption}; }
};

TEST_F(PreviewWindow, PlayCancelStopCloseAndPlayAgain) {
    Play(film);
    EXPECT_EQ(Labels(), (std::vector<std::string>{"XVID (640x272) - 25 fps", "MPEG Layer 3"}));
    EXPECT_TRUE(preview.btStop.Enabled);

    preview.OpenDialog1.FileName = film;
    Play(std::nullopt);
    EXPECT_EQ(preview.OpenDialog1.FileName, "");
    EXPECT_EQ(Labels(), (std::vector<std::string>{"XVID (640x272) - 25 fps", "MPEG Layer 3"}));
    EXPECT_TRUE(preview.btStop.Enabled);

    preview.Run(&TForm2::btStopClick);
    EXPECT_FALSE(preview.btStop.Enabled);
    preview.Run(&TForm2::FormClose);
    EXPECT_FALSE(preview.btStop.Enabled);

    const std::string text = WriteToolFile("notes.txt", "not a film");
    Play(text);
    EXPECT_EQ(Labels(), (std::vector<std::string>{"....", "...."}));
    EXPECT_TRUE(preview.btStop.Enabled);
    EXPECT_EQ(fake.player.urls, (std::vector<std::string>{film, "", "", text}));
}

TEST_F(PreviewWindow, RateWithFiveDigits) {
    const avi::Video video{41708, 1000, 720, 480, "DX50", "DX50"};
    Play(WriteToolFile("ntsc.avi", avi::File(video, std::nullopt)));
    EXPECT_EQ(Labels(), (std::vector<std::string>{"DX50 (720x480) - 23,976 fps", ""}));
}

// The main window's button shows the window; closing it stops the
// film, and the window keeps its labels and Stop's state for the next time.
TEST_F(PreviewWindow, ShownFromTheMainWindow) {
    fake.dialogs.WhileWindowShown([&](TForm2 &shown) {
        EXPECT_EQ(&shown, &preview);
        Play(film);
    });
    form.Run(&TForm1::SpeedButton1Click);
    fake.dialogs.WhileWindowShown([&](TForm2 &) {
        EXPECT_EQ(Labels(), (std::vector<std::string>{"XVID (640x272) - 25 fps", "MPEG Layer 3"}));
        EXPECT_TRUE(preview.btStop.Enabled);
    });
    form.Run(&TForm1::SpeedButton1Click);
    EXPECT_EQ(fake.player.urls, (std::vector<std::string>{film, "", ""}));
    const std::vector<ShownBox> expected{{ShownBox::Kind::Window, "Windows Media Player (Video)"},
                                         {ShownBox::Kind::OpenDialog, "Open Media"},
                                         {ShownBox::Kind::Window, "Windows Media Player (Video)"}};
    EXPECT_EQ(fake.dialogs.Boxes(), expected);
}

} // namespace
