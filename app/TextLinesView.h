#pragma once

#include "app/LineSelection.h"
#include "document/TextList.h"

#include <QAbstractScrollArea>

#include <vector>

// A text box over a list of text lines that shares the list rather than
// copying it into a text document: it paints only the lines in sight, so
// showing the SubRip text of a million subtitles costs nothing until it is
// scrolled. The text can be selected with the mouse and the keys, copied,
// and edited: typing changes only the lines it touches, and the view's own
// undo takes typing back without touching anything else of the window.
class TextLinesView : public QAbstractScrollArea {
    Q_OBJECT
public:
    explicit TextLinesView(QWidget *parent);

    // Shows `lines` from the top, with nothing selected.
    void SetLines(const TextList &lines);
    const TextList &Lines() const { return lines_; }

    QString SelectedText() const { return TextBetween(lines_, anchor_, cursor_); }
    void SelectAll();
    void Copy() const;
    // The first line in sight.
    std::size_t TopLine() const;
    // Replaces the selection with `text`, as typing or pasting does.
    void Type(const QString &text);
    bool Undo();
    bool Redo();

signals:
    // The lines changed by an edit of the user's.
    void edited();

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    int LineHeight() const;
    int RowsInSight() const;
    void UpdateScrollBars();
    void NoteWidth(int width);
    TextPoint PointAt(QPoint position) const;
    TextPoint Moved(const QKeyEvent *event, bool &extend) const;
    void MoveCursor(TextPoint to, bool extend);
    void ScrollTo(std::size_t line);
    bool Edit(QKeyEvent *event);
    void Erase(int direction);

    // The lines and the cursor before an edit; a copy of the lines shares
    // their storage, so each step costs the lines it changed.
    struct Snapshot {
        TextList lines;
        TextPoint cursor;
    };
    // Takes the last step of `from` back, keeping what it replaces on `to`.
    void Restore(std::vector<Snapshot> &from, std::vector<Snapshot> &to);
    std::vector<Snapshot> undo_;
    std::vector<Snapshot> redo_;

    TextList lines_;
    TextPoint anchor_;
    TextPoint cursor_;
    // The widest line painted so far: measuring every line of a million is
    // what this view avoids, so the horizontal range grows as lines are seen.
    int widest_ = 0;
};
