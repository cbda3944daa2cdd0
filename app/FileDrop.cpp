#include "app/FileDrop.h"

#include <QDropEvent>
#include <QMimeData>
#include <QTimer>
#include <QUrl>
#include <QWidget>

QString DroppedFile(const QMimeData *data) {
    if (!data || !data->hasUrls())
        return {};
    for (const QUrl &url : data->urls())
        if (url.isLocalFile())
            return url.toLocalFile();
    return {};
}

FileDropGate::FileDropGate(QWidget *window, std::function<void(const QString &)> open)
    : QObject(window), window_(window), open_(std::move(open)) {}

bool FileDropGate::eventFilter(QObject *watched, QEvent *event) {
    const auto type = event->type();
    if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop)
        return false;
    auto *widget = qobject_cast<QWidget *>(watched);
    if (!widget || widget->window() != window_)
        return false;
    auto *drag = static_cast<QDropEvent *>(event);
    const QString file = DroppedFile(drag->mimeData());
    if (file.isEmpty())
        return false;
    drag->acceptProposedAction();
    // The opener may ask and show boxes; the program that started the drag
    // should not wait for them.
    if (type == QEvent::Drop)
        QTimer::singleShot(0, window_, [open = open_, file] { open(file); });
    return true;
}
