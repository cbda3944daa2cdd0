#pragma once

#include <QObject>
#include <QString>

#include <functional>

class QMimeData;
class QWidget;

// The first local file among dragged data; empty when it names none.
QString DroppedFile(const QMimeData *data);

// Files dragged from a file manager onto any part of a window: the drag is
// taken wherever it points (an edit field would otherwise insert the file's
// address as text), and a drop hands the first local file to `open` once
// the drop itself has finished. Other drags pass on unchanged.
class FileDropGate : public QObject {
public:
    FileDropGate(QWidget *window, std::function<void(const QString &)> open);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *window_;
    std::function<void(const QString &)> open_;
};
