#pragma once

#include <QImage>
#include <QString>
#include <QWidget>

class QVideoFrame;
class QVideoSink;

// The preview's picture with the subtitle on screen drawn over it. Frames come
// through a video sink and are painted to fit the widget, keeping their shape;
// the subtitle is white with a dark outline at the bottom centre, sized to the
// picture, so it reads the same on a small window and a large film.
class VideoCanvas : public QWidget {
    Q_OBJECT
public:
    explicit VideoCanvas(QWidget *parent);

    QVideoSink *videoSink() const { return sink_; }
    // Lines separated by "\n"; the empty text shows none.
    void SetSubtitle(const QString &text);
    const QString &Subtitle() const { return subtitle_; }
    // Forgets the last frame, when nothing is loaded any more.
    void Clear();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void TakeFrame(const QVideoFrame &frame);
    QRect PictureArea() const;
    void PaintSubtitle(QPainter &painter, const QRect &picture) const;

    QVideoSink *sink_;
    QImage frame_;
    QString subtitle_;
};
