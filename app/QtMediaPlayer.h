#pragma once

#include "shell/Platform.h"

#include <QPointer>
#include <QString>

#include <functional>

class QLabel;
class QMediaPlayer;
class QSlider;
class QToolButton;
class QWidget;
class VideoCanvas;

// The preview window's player: Qt Multimedia in the area of the window's
// player control, with its own controls under the picture (play and pause,
// the position with its times, the volume when the film has sound). A file
// name loads and plays the file, the empty text stops and unloads it.
//
// The player is made on the first file it is given, and only where decoders
// are installed: without GStreamer's plugins, making a QMediaPlayer crashes.
// When there are none, or a file does not play, the area says why. The
// subtitle on screen is asked for at every frame and drawn over the picture.
class QtMediaPlayer : public MediaPlayer {
public:
    // The widget to play in; the player's widgets become its children and go with it.
    void ShowIn(QWidget *area);
    void SetUrl(const std::string &url) override;
    double Position() override;
    void Seek(double seconds) override;

    // Where the subtitle on screen at a moment of the film comes from.
    using SubtitleSource = std::function<QString(double seconds)>;
    void SetSubtitleSource(SubtitleSource source) { subtitleSource_ = std::move(source); }
    // Asks for the subtitle at the present position again, after the list changed.
    void ShowSubtitle();

private:
    bool MakePlayer();
    void MakeControls();
    void ShowProblem(const QString &text);
    void HideProblem();
    void ShowPosition();
    void ShowSubtitleAt(double seconds);

    QPointer<QWidget> area_;
    QPointer<QMediaPlayer> player_;
    QPointer<VideoCanvas> video_;
    QPointer<QLabel> problem_;
    QPointer<QToolButton> playPause_;
    QPointer<QSlider> position_;
    QPointer<QLabel> times_;
    QPointer<QSlider> volume_;
    SubtitleSource subtitleSource_;
};
