#include "tests/support/AviBuilder.h"
#include "tests/tools/ToolTesting.h"
#include "tools/Unit2.h"

#include <gtest/gtest.h>

namespace {

struct DesignCase {
    const Control &control;
    Rect bounds;
    const char *caption;
    std::uint32_t colour;
};

TEST(PreviewWindowDesign, ControlsAsDesigned) {
    FakePlatform fake;
    const TForm2 form(fake.platform);
    EXPECT_EQ(form.Caption, "Windows Media Player (Video)");
    EXPECT_EQ(form.DefaultButton, &form.btPlay);
    EXPECT_FALSE(form.btStop.Enabled);
    EXPECT_TRUE(form.btStop.Flat);
    EXPECT_EQ(form.ScrollBox1.Color, 0x004000u);
    const DesignCase cases[] = {
        {form.WindowsMediaPlayer1, {0, 0, 628, 392}, "", 0},
        {form.ScrollBox1, {0, 392, 628, 70}, "", 0},
        {form.btPlay, {8, 8, 75, 49}, "Play", 0},
        {form.btStop, {88, 8, 73, 49}, "Stop", 0},
        {form.Label1, {208, 24, 0, 0}, "Video:", 0x00FFFF},
        {form.Label2, {208, 40, 0, 0}, "Audio:", 0x00FFFF},
        {form.Label3, {256, 24, 0, 0}, "....", 0xFFFF00},
        {form.Label4, {256, 40, 0, 0}, "....", 0xFFFF00},
    };
    for (const DesignCase &c : cases) {
        EXPECT_EQ(c.control.Bounds, c.bounds) << c.control.Name;
        EXPECT_EQ(c.control.Caption, c.caption) << c.control.Name;
        EXPECT_EQ(c.control.Font.Color, c.colour) << c.control.Name;
        EXPECT_EQ(c.control.Font.Bold, c.colour != 0) << c.control.Name;
    }
    EXPECT_EQ(form.OpenDialog1.Title, "Open Media");
    EXPECT_EQ(form.OpenDialog1.Filter, "DivX, XViD & AVI|*.avi|All Files|*.*");
    EXPECT_EQ(form.OpenDialog1.DefaultExt, "*.avi");
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

// The main window's button shows the window modally; closing it stops the
// film, and the window keeps its labels and Stop's state for the next time.
TEST_F(PreviewWindow, ShownModallyFromTheMainWindow) {
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
