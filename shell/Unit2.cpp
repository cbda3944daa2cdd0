#include "shell/Unit2.h"

#include "shell/UserEvent.h"
#include "tools/VideoOpenFilter.h"

namespace {

constexpr std::uint32_t kYellow = 0x0000FFFF;
constexpr std::uint32_t kAqua = 0x00FFFF00;
constexpr std::uint32_t kDarkGreen = 0x00004000;

void Place(Control &control, const char *name, ControlKind kind, Rect bounds, const char *caption) {
    control.Name = name;
    control.Kind = kind;
    control.Bounds = bounds;
    control.Caption = caption;
}

void PlaceLabel(Label &label, const char *name, int left, int top, const char *caption,
                std::uint32_t colour) {
    Place(label, name, ControlKind::Label, {left, top, 0, 0}, caption);
    label.Font.Bold = true;
    label.Font.Color = colour;
}

} // namespace

TForm2::TForm2(Platform &platform)
    : platform(platform),
      Caption("Windows Media Player (Video)"), Clicks{{{&btPlay, &TForm2::btPlayClick},
                                                       {&btStop, &TForm2::btStopClick},
                                                       {&btPrevious, &TForm2::btPreviousClick},
                                                       {&btNext, &TForm2::btNextClick}}} {
    Place(WindowsMediaPlayer1, "WindowsMediaPlayer1", ControlKind::Panel, {0, 0, 628, 392}, "");
    // Docked to the bottom of the client area.
    Place(ScrollBox1, "ScrollBox1", ControlKind::Panel, {0, ClientHeight - 70, ClientWidth, 70}, "");
    ScrollBox1.Color = kDarkGreen;
    // The controls below sit on the scroll box; their bounds count from its corner.
    Place(btPlay, "btPlay", ControlKind::Button, {8, 8, 75, 49}, "Play");
    Place(btStop, "btStop", ControlKind::SpeedButton, {88, 8, 73, 49}, "Stop");
    btStop.Flat = true;
    btStop.Enabled = false;
    // CHOICE: the subtitle jumps sit at the panel's right end, clear of the
    // video description, and answer Alt+Left and Alt+Right as well.
    Place(btPrevious, "btPrevious", ControlKind::Button, {532, 8, 40, 49}, "<<");
    btPrevious.Hint = "Previous subtitle (Alt+Left)";
    Place(btNext, "btNext", ControlKind::Button, {578, 8, 40, 49}, ">>");
    btNext.Hint = "Next subtitle (Alt+Right)";
    PlaceLabel(Label1, "Label1", 208, 24, "Video:", kYellow);
    PlaceLabel(Label2, "Label2", 208, 40, "Audio:", kYellow);
    PlaceLabel(Label3, "Label3", 256, 24, "....", kAqua);
    PlaceLabel(Label4, "Label4", 256, 40, "....", kAqua);
    OpenDialog1.Name = "OpenDialog1";
    OpenDialog1.Title = "Open Media";
    OpenDialog1.Filter = VideoOpenFilter(1);
    OpenDialog1.DefaultExt = "*.avi";
    DefaultButton = &btPlay;
}

void TForm2::Run(Form2Handler handler) {
    RunUserEvent(platform.UI, [&] { (this->*handler)(); });
}
