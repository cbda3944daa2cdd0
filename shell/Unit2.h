#pragma once

#include "shell/Controls.h"
#include "shell/Platform.h"
#include "tools/SubtitleTimeline.h"

#include <array>
#include <cstdint>
#include <string>

class MediaSource;
class TForm2;

// A handler of the preview window, run through TForm2::Run.
using Form2Handler = void (TForm2::*)();

// A panel that paints its own background colour (0x00BBGGRR).
struct ScrollBox : Control {
    std::uint32_t Color = 0;
};

// The preview window as a presentation model, like the main window: created
// hidden at start-up and shown beside it by the main window's "WMP" button.
// It plays a video through the platform's player and shows what the video's
// AVI header or the media library says, with the main window's subtitles over
// the picture at the times the conversion would give them.
class TForm2 {
public:
    explicit TForm2(Platform &platform);
    TForm2(const TForm2 &) = delete;
    TForm2 &operator=(const TForm2 &) = delete;

    // The catch site of the preview window's user events.
    void Run(Form2Handler handler);

    Platform &platform;
    // Where the film's facts come from; none where no media library is linked.
    MediaSource *Media = nullptr;

    // --- Controls (shell/Unit2.cpp gives their design-time state) ---
    std::string Caption;
    int ClientWidth = 628;
    int ClientHeight = 462;
    // Where the player shows the video and its own playback controls.
    Control WindowsMediaPlayer1;
    ScrollBox ScrollBox1;
    Button btPlay, btStop, btPrevious, btNext;
    Label Label1, Label2, Label3, Label4;
    FileDialog OpenDialog1;
    Control *DefaultButton = nullptr;

    // The handler each button's click runs.
    struct ClickBinding {
        Button *button;
        Form2Handler handler;
    };
    std::array<ClickBinding, 4> Clicks;

    // --- Handlers (shell/Preview.cpp) ---
    void btPlayClick();
    void btStopClick();
    void FormClose();

    // --- Subtitles over the video (shell/PreviewSubtitles.cpp) ---
    // The main window's list and boxes the subtitles are timed by; the main
    // window names them once, when it is made.
    void FollowList(const ListBox &list, const ComboBox &rateBox, const Edit &delayBox);
    // The text on screen at `seconds` into the film, its lines separated by
    // "\n"; empty when no subtitle shows then. Follows every change of the
    // list and the boxes.
    std::string SubtitleAt(double seconds);
    // Jump the film to the start of the next or the previous subtitle.
    void btNextClick();
    void btPreviousClick();
    // After each event of the main window: an entry newly selected there
    // takes the film to its start.
    void ListSelectionChanged();

private:
    // Times the list anew when it or a box changed since it was last timed.
    const SubtitleTimeline &Timeline();
    void SeekTo(std::optional<double> seconds);

    const ListBox *list_ = nullptr;
    const ComboBox *rateBox_ = nullptr;
    const Edit *delayBox_ = nullptr;
    SubtitleTimeline timeline_;
    struct TimedBy {
        std::uint64_t revision = 0;
        std::string rate;
        std::string delay;
        friend bool operator==(const TimedBy &, const TimedBy &) = default;
    };
    std::optional<TimedBy> timedBy_;
    int selectionSeen_ = -1;
};
