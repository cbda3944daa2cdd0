#include "app/QtMediaPlayer.h"

#include "app/QtText.h"
#include "app/VideoCanvas.h"

#include <QAudioDevice>
#include <QAudioOutput>
#include <QHBoxLayout>
#include <QLabel>
#include <QMediaDevices>
#include <QMediaFormat>
#include <QMediaPlayer>
#include <QSlider>
#include <QStyle>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>
#include <QVideoFrame>
#include <QVideoSink>

#include <algorithm>
#include <cmath>

namespace {

// Farther than any film lasts, and still a whole number of milliseconds in 64 bits.
constexpr double kLongestFilm = 1e9;

QString ClockText(qint64 milliseconds) {
    const qint64 seconds = milliseconds / 1000;
    return QStringLiteral("%1:%2").arg(seconds / 60).arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

} // namespace

void QtMediaPlayer::ShowIn(QWidget *area) {
    area_ = area;
    area_->setAutoFillBackground(true);
    QPalette palette = area_->palette();
    palette.setColor(QPalette::Window, Qt::black);
    palette.setColor(QPalette::WindowText, Qt::white);
    area_->setPalette(palette);
    auto *layout = new QVBoxLayout(area_);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    problem_ = new QLabel(area_);
    problem_->setObjectName(QStringLiteral("PlayerProblem"));
    problem_->setAlignment(Qt::AlignCenter);
    problem_->setWordWrap(true);
    problem_->setTextFormat(Qt::PlainText);
    problem_->hide();
    layout->addWidget(problem_, 1);
}

void QtMediaPlayer::SetUrl(const std::string &url) {
    if (url.empty()) {
        if (player_) {
            player_->stop();
            player_->setSource(QUrl());
            video_->Clear();
            HideProblem();
        }
        return;
    }
    if (!MakePlayer())
        return;
    HideProblem();
    player_->setSource(QUrl::fromLocalFile(ToQString(url)));
    player_->play();
}

bool QtMediaPlayer::MakePlayer() {
    if (player_)
        return true;
    if (!area_)
        return false;
    if (QMediaFormat().supportedFileFormats(QMediaFormat::Decode).isEmpty()) {
        ShowProblem(QStringLiteral("No video can be played: this system has no media decoders "
                                   "(GStreamer's base, good, bad and libav plugins are needed)."));
        return false;
    }
    MakeControls();
    player_ = new QMediaPlayer(area_);
    player_->setVideoSink(video_->videoSink());
    // A player with sound and no device to play it on can crash: sound only where there is a device.
    if (!QMediaDevices::audioOutputs().isEmpty()) {
        auto *audio = new QAudioOutput(player_);
        player_->setAudioOutput(audio);
        QObject::connect(volume_, &QSlider::valueChanged, audio,
                         [audio](int value) { audio->setVolume(static_cast<float>(value) / 100.0f); });
        audio->setVolume(static_cast<float>(volume_->value()) / 100.0f);
    }
    QObject::connect(player_, &QMediaPlayer::errorOccurred, area_, [this] {
        if (player_ && player_->error() != QMediaPlayer::NoError)
            ShowProblem(player_->errorString());
    });
    QObject::connect(player_, &QMediaPlayer::playbackStateChanged, area_,
                     [this](QMediaPlayer::PlaybackState state) {
                         const bool playing = state == QMediaPlayer::PlayingState;
                         playPause_->setIcon(area_->style()->standardIcon(playing ? QStyle::SP_MediaPause
                                                                                  : QStyle::SP_MediaPlay));
                     });
    QObject::connect(player_, &QMediaPlayer::positionChanged, area_, [this] {
        ShowPosition();
        ShowSubtitle();
    });
    // Each frame says when it shows, closer to the picture than the position.
    QObject::connect(video_->videoSink(), &QVideoSink::videoFrameChanged, area_,
                     [this](const QVideoFrame &frame) {
                         if (frame.startTime() >= 0)
                             ShowSubtitleAt(static_cast<double>(frame.startTime()) / 1e6);
                     });
    QObject::connect(player_, &QMediaPlayer::durationChanged, area_, [this] { ShowPosition(); });
    QObject::connect(player_, &QMediaPlayer::hasAudioChanged, area_, [this](bool hasAudio) {
        volume_->setVisible(hasAudio && player_->audioOutput() != nullptr);
    });
    QObject::connect(position_, &QSlider::sliderMoved, player_, &QMediaPlayer::setPosition);
    QObject::connect(playPause_, &QToolButton::clicked, player_, [this] {
        if (player_->playbackState() == QMediaPlayer::PlayingState)
            player_->pause();
        else
            player_->play();
    });
    return true;
}

void QtMediaPlayer::MakeControls() {
    video_ = new VideoCanvas(area_);
    video_->setObjectName(QStringLiteral("PlayerVideo"));
    auto *bar = new QWidget(area_);
    bar->setObjectName(QStringLiteral("PlayerControls"));
    auto *row = new QHBoxLayout(bar);
    row->setContentsMargins(4, 2, 4, 2);
    playPause_ = new QToolButton(bar);
    playPause_->setObjectName(QStringLiteral("PlayerPlayPause"));
    playPause_->setIcon(area_->style()->standardIcon(QStyle::SP_MediaPlay));
    position_ = new QSlider(Qt::Horizontal, bar);
    position_->setObjectName(QStringLiteral("PlayerPosition"));
    times_ = new QLabel(ClockText(0) + QStringLiteral(" / ") + ClockText(0), bar);
    times_->setObjectName(QStringLiteral("PlayerTimes"));
    volume_ = new QSlider(Qt::Horizontal, bar);
    volume_->setObjectName(QStringLiteral("PlayerVolume"));
    volume_->setRange(0, 100);
    volume_->setValue(100);
    volume_->setFixedWidth(80);
    volume_->hide();
    row->addWidget(playPause_);
    row->addWidget(position_, 1);
    row->addWidget(times_);
    row->addWidget(volume_);
    auto *layout = static_cast<QVBoxLayout *>(area_->layout());
    layout->insertWidget(0, video_, 1);
    layout->addWidget(bar);
}

void QtMediaPlayer::ShowProblem(const QString &text) {
    problem_->setText(text);
    problem_->show();
    if (video_)
        video_->hide();
}

void QtMediaPlayer::HideProblem() {
    problem_->hide();
    if (video_)
        video_->show();
}

void QtMediaPlayer::ShowPosition() {
    const qint64 duration = player_->duration();
    const qint64 position = player_->position();
    if (position_->maximum() != duration)
        position_->setRange(0, static_cast<int>(duration));
    if (!position_->isSliderDown())
        position_->setValue(static_cast<int>(position));
    times_->setText(ClockText(position) + QStringLiteral(" / ") + ClockText(duration));
}

double QtMediaPlayer::Position() {
    return player_ ? static_cast<double>(player_->position()) / 1000.0 : 0.0;
}

void QtMediaPlayer::Seek(double seconds) {
    if (!player_ || player_->source().isEmpty())
        return;
    const double milliseconds = std::clamp(seconds, 0.0, kLongestFilm) * 1000.0;
    player_->setPosition(static_cast<qint64>(std::llround(milliseconds)));
}

void QtMediaPlayer::ShowSubtitle() {
    if (player_)
        ShowSubtitleAt(Position());
}

void QtMediaPlayer::ShowSubtitleAt(double seconds) {
    if (!video_)
        return;
    const bool loaded = player_ && !player_->source().isEmpty();
    video_->SetSubtitle(loaded && subtitleSource_ ? subtitleSource_(seconds) : QString());
}
