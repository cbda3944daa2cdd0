#include "app/VideoCanvas.h"

#include <QPainter>
#include <QPainterPath>
#include <QVideoFrame>
#include <QVideoSink>

#include <algorithm>

namespace {

// CHOICE: a line of text a sixteenth of the picture high, as broadcast
// subtitles are, and never so small that it cannot be read.
constexpr int kLinesPerPicture = 16;
constexpr int kSmallestPixels = 12;

} // namespace

VideoCanvas::VideoCanvas(QWidget *parent) : QWidget(parent), sink_(new QVideoSink(this)) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    connect(sink_, &QVideoSink::videoFrameChanged, this, &VideoCanvas::TakeFrame);
}

void VideoCanvas::SetSubtitle(const QString &text) {
    if (text == subtitle_)
        return;
    subtitle_ = text;
    update();
}

void VideoCanvas::Clear() {
    frame_ = QImage();
    SetSubtitle(QString());
    update();
}

void VideoCanvas::TakeFrame(const QVideoFrame &frame) {
    frame_ = frame.toImage();
    update();
}

QRect VideoCanvas::PictureArea() const {
    if (frame_.isNull())
        return rect();
    const QSize fitted = frame_.size().scaled(size(), Qt::KeepAspectRatio);
    return QRect(QPoint((width() - fitted.width()) / 2, (height() - fitted.height()) / 2), fitted);
}

void VideoCanvas::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    const QRect picture = PictureArea();
    if (!frame_.isNull()) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(picture, frame_);
    }
    if (!subtitle_.isEmpty())
        PaintSubtitle(painter, picture);
}

void VideoCanvas::PaintSubtitle(QPainter &painter, const QRect &picture) const {
    QFont font = this->font();
    font.setBold(true);
    font.setPixelSize(std::max(kSmallestPixels, picture.height() / kLinesPerPicture));
    const QFontMetrics metrics(font);
    const QStringList lines = subtitle_.split(QLatin1Char('\n'));
    // The last line sits a line's height above the picture's bottom edge.
    int baseline = picture.bottom() - metrics.height() / 2 - metrics.descent() -
                   static_cast<int>(lines.size() - 1) * metrics.lineSpacing();
    QPainterPath path;
    for (const QString &line : lines) {
        const int left = picture.left() + (picture.width() - metrics.horizontalAdvance(line)) / 2;
        path.addText(left, baseline, font, line);
        baseline += metrics.lineSpacing();
    }
    painter.setRenderHint(QPainter::Antialiasing);
    painter.strokePath(path, QPen(QColor(16, 16, 16), std::max(2.0, font.pixelSize() / 6.0), Qt::SolidLine,
                                  Qt::RoundCap, Qt::RoundJoin));
    painter.fillPath(path, Qt::white);
}
