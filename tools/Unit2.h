#pragma once

#include "shell/Controls.h"
#include "shell/Platform.h"

#include <array>
#include <cstdint>
#include <string>

class TForm2;

// A handler of the preview window, run through TForm2::Run.
using Form2Handler = void (TForm2::*)();

// A panel that paints its own background colour (0x00BBGGRR).
struct ScrollBox : Control {
    std::uint32_t Color = 0;
};

// The preview window as a presentation model, like the main window: created
// hidden at start-up and shown modally by the main window's "WMP" button.
// It plays a video through the platform's player and shows what the video's
// AVI header says; it exchanges nothing with the subtitle list.
class TForm2 {
public:
    explicit TForm2(Platform &platform);
    TForm2(const TForm2 &) = delete;
    TForm2 &operator=(const TForm2 &) = delete;

    // The catch site of the preview window's user events.
    void Run(Form2Handler handler);

    Platform &platform;

    // --- Controls (tools/Unit2.cpp gives their design-time state) ---
    std::string Caption;
    int ClientWidth = 628;
    int ClientHeight = 462;
    // Where the player shows the video and its own playback controls.
    Control WindowsMediaPlayer1;
    ScrollBox ScrollBox1;
    Button btPlay, btStop;
    Label Label1, Label2, Label3, Label4;
    FileDialog OpenDialog1;
    Control *DefaultButton = nullptr;

    // The handler each button's click runs.
    struct ClickBinding {
        Button *button;
        Form2Handler handler;
    };
    std::array<ClickBinding, 2> Clicks;

    // --- Handlers (tools/Preview.cpp) ---
    void btPlayClick();
    void btStopClick();
    void FormClose();
};
