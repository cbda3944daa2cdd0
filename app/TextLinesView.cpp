#include "app/TextLinesView.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QScrollBar>
#include <QTextBoundaryFinder>

#include <algorithm>
#include <climits>
#include <optional>

namespace {

// Room between the frame and the text, as a text box leaves it.
constexpr int kMargin = 4;

enum class Motion {
    PreviousChar,
    NextChar,
    PreviousLine,
    NextLine,
    PreviousPage,
    NextPage,
    LineStart,
    LineEnd,
    Start,
    End,
    PreviousWord,
    NextWord
};

struct MotionKeys {
    QKeySequence::StandardKey move;
    QKeySequence::StandardKey select;
    Motion motion;
};

// The platform's keys for moving the cursor, and with Shift for extending the selection.
const MotionKeys kMotionKeys[] = {
    {QKeySequence::MoveToPreviousChar, QKeySequence::SelectPreviousChar, Motion::PreviousChar},
    {QKeySequence::MoveToNextChar, QKeySequence::SelectNextChar, Motion::NextChar},
    {QKeySequence::MoveToPreviousLine, QKeySequence::SelectPreviousLine, Motion::PreviousLine},
    {QKeySequence::MoveToNextLine, QKeySequence::SelectNextLine, Motion::NextLine},
    {QKeySequence::MoveToPreviousPage, QKeySequence::SelectPreviousPage, Motion::PreviousPage},
    {QKeySequence::MoveToNextPage, QKeySequence::SelectNextPage, Motion::NextPage},
    {QKeySequence::MoveToStartOfLine, QKeySequence::SelectStartOfLine, Motion::LineStart},
    {QKeySequence::MoveToEndOfLine, QKeySequence::SelectEndOfLine, Motion::LineEnd},
    {QKeySequence::MoveToStartOfDocument, QKeySequence::SelectStartOfDocument, Motion::Start},
    {QKeySequence::MoveToEndOfDocument, QKeySequence::SelectEndOfDocument, Motion::End},
    {QKeySequence::MoveToPreviousWord, QKeySequence::SelectPreviousWord, Motion::PreviousWord},
    {QKeySequence::MoveToNextWord, QKeySequence::SelectNextWord, Motion::NextWord},
};

// CHOICE: a hundred steps of typing are kept for the view's own undo.
constexpr std::size_t kUndoDepth = 100;

// The edge of the next word start (or previous one) from `column`, as text boxes move with Ctrl.
qsizetype WordEdge(const QString &line, qsizetype column, int direction) {
    QTextBoundaryFinder words(QTextBoundaryFinder::Word, line);
    words.setPosition(column);
    while (true) {
        const qsizetype at = direction > 0 ? words.toNextBoundary() : words.toPreviousBoundary();
        if (at < 0)
            return direction > 0 ? line.size() : 0;
        if (words.boundaryReasons() & QTextBoundaryFinder::StartOfItem)
            return at;
    }
}

// The keys that edit, which win over the window's shortcuts in the view.
bool IsEditKey(const QKeyEvent *key) {
    return key->matches(QKeySequence::Paste) || key->matches(QKeySequence::Cut) ||
           key->matches(QKeySequence::Undo) || key->matches(QKeySequence::Redo) ||
           key->matches(QKeySequence::Delete) || key->key() == Qt::Key_Backspace;
}

std::optional<std::pair<Motion, bool>> MotionOf(const QKeyEvent *event) {
    for (const MotionKeys &keys : kMotionKeys) {
        if (event->matches(keys.move))
            return std::pair(keys.motion, false);
        if (event->matches(keys.select))
            return std::pair(keys.motion, true);
    }
    return std::nullopt;
}

// The column one character before or after `column`, a surrogate pair being one character.
qsizetype StepColumn(const QString &line, qsizetype column, int direction) {
    qsizetype next = column + direction;
    if (next > 0 && next < line.size() && line.at(next).isLowSurrogate() &&
        line.at(next - 1).isHighSurrogate())
        next += direction;
    return next;
}

} // namespace

TextLinesView::TextLinesView(QWidget *parent) : QAbstractScrollArea(parent) {
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setCursor(Qt::IBeamCursor);
    UpdateScrollBars();
}

void TextLinesView::SetLines(const TextList &lines) {
    lines_ = lines;
    undo_.clear();
    redo_.clear();
    anchor_ = cursor_ = TextPoint{};
    widest_ = 0;
    UpdateScrollBars();
    verticalScrollBar()->setValue(0);
    horizontalScrollBar()->setValue(0);
    viewport()->update();
}

void TextLinesView::SelectAll() {
    anchor_ = TextPoint{};
    cursor_ = TextPoint{ShownLineCount(lines_) - 1, 0};
    viewport()->update();
}

void TextLinesView::Copy() const {
    const QString text = SelectedText();
    if (!text.isEmpty())
        QApplication::clipboard()->setText(text);
}

std::size_t TextLinesView::TopLine() const {
    return static_cast<std::size_t>(verticalScrollBar()->value());
}

int TextLinesView::LineHeight() const {
    return std::max(1, fontMetrics().lineSpacing());
}

int TextLinesView::RowsInSight() const {
    return std::max(1, (viewport()->height() - kMargin) / LineHeight());
}

void TextLinesView::UpdateScrollBars() {
    const int rows = RowsInSight();
    QScrollBar *vertical = verticalScrollBar();
    // A scroll bar counts in int; no list that fits in memory holds more lines.
    const auto shown = static_cast<int>(std::min<std::size_t>(ShownLineCount(lines_), INT_MAX));
    vertical->setRange(0, std::max(0, shown - rows));
    vertical->setPageStep(rows);
    vertical->setSingleStep(1);
    QScrollBar *horizontal = horizontalScrollBar();
    horizontal->setRange(0, std::max(0, widest_ + 2 * kMargin - viewport()->width()));
    horizontal->setPageStep(viewport()->width());
    horizontal->setSingleStep(fontMetrics().averageCharWidth());
}

void TextLinesView::NoteWidth(int width) {
    if (width <= widest_)
        return;
    widest_ = width;
    // Ranges change after the paint: a scroll bar that appears resizes the viewport.
    QMetaObject::invokeMethod(
        this, [this] { UpdateScrollBars(); }, Qt::QueuedConnection);
}

bool TextLinesView::event(QEvent *event) {
    // The keys the view answers win over the window's shortcuts while it has the focus.
    if (event->type() == QEvent::ShortcutOverride) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->matches(QKeySequence::Copy) || key->matches(QKeySequence::SelectAll) || MotionOf(key) ||
            IsEditKey(key)) {
            event->accept();
            return true;
        }
    }
    return QAbstractScrollArea::event(event);
}

void TextLinesView::paintEvent(QPaintEvent *) {
    QPainter painter(viewport());
    const int height = LineHeight();
    const int ascent = fontMetrics().ascent();
    const int left = kMargin - horizontalScrollBar()->value();
    const QFontMetrics metrics = fontMetrics();
    const TextPoint from = std::min(anchor_, cursor_);
    const TextPoint to = std::max(anchor_, cursor_);
    const LineRange range =
        VisibleLines(TopLine(), viewport()->height() - kMargin, height, ShownLineCount(lines_));
    int top = kMargin / 2;
    for (std::size_t line = range.first; line < range.end; ++line, top += height) {
        const QString text = ShownLine(lines_, line);
        NoteWidth(metrics.horizontalAdvance(text));
        painter.setPen(palette().color(QPalette::Text));
        painter.drawText(left, top + ascent, text);
        if (from != to && line >= from.line && line <= to.line) {
            const qsizetype start = line == from.line ? from.column : 0;
            const int x0 = left + metrics.horizontalAdvance(text.left(start));
            // A selected line end shows as a space's width.
            const int x1 = line == to.line ? left + metrics.horizontalAdvance(text.left(to.column))
                                           : left + metrics.horizontalAdvance(text) +
                                                 metrics.horizontalAdvance(QLatin1Char(' '));
            const QRect selected(x0, top, x1 - x0, height);
            painter.save();
            painter.setClipRect(selected);
            painter.fillRect(selected, palette().color(QPalette::Highlight));
            painter.setPen(palette().color(QPalette::HighlightedText));
            painter.drawText(left, top + ascent, text);
            painter.restore();
        }
        if (line == cursor_.line && hasFocus()) {
            const int x = left + metrics.horizontalAdvance(text.left(cursor_.column));
            painter.fillRect(QRect(x, top, 1, height), palette().color(QPalette::Text));
        }
    }
}

void TextLinesView::resizeEvent(QResizeEvent *event) {
    QAbstractScrollArea::resizeEvent(event);
    UpdateScrollBars();
}

void TextLinesView::changeEvent(QEvent *event) {
    QAbstractScrollArea::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        widest_ = 0;
        UpdateScrollBars();
    }
}

TextPoint TextLinesView::PointAt(QPoint position) const {
    const std::size_t last = ShownLineCount(lines_) - 1;
    const int row = std::max(0, (position.y() - kMargin / 2) / LineHeight());
    const std::size_t line = std::min(last, TopLine() + static_cast<std::size_t>(row));
    const QString text = ShownLine(lines_, line);
    const int x = position.x() - kMargin + horizontalScrollBar()->value();
    // The first column whose left edge lies beyond the middle of a character goes right of it.
    const QFontMetrics metrics = fontMetrics();
    qsizetype low = 0;
    qsizetype high = text.size();
    while (low < high) {
        const qsizetype middle = (low + high) / 2;
        const int edge = metrics.horizontalAdvance(text.left(middle));
        const int next = metrics.horizontalAdvance(text.left(middle + 1));
        if ((edge + next) / 2 < x)
            low = middle + 1;
        else
            high = middle;
    }
    return {line, StepColumn(text, low - 1, 1)};
}

TextPoint TextLinesView::Moved(const QKeyEvent *event, bool &extend) const {
    const std::optional<std::pair<Motion, bool>> motion = MotionOf(event);
    if (!motion)
        return cursor_;
    extend = motion->second;
    const std::size_t last = ShownLineCount(lines_) - 1;
    const auto rows = static_cast<std::size_t>(RowsInSight());
    const QString text = ShownLine(lines_, cursor_.line);
    // Vertical moves keep the column as far as the line reaches.
    const auto onLine = [this](std::size_t line) {
        return TextPoint{line, std::min(cursor_.column, ShownLine(lines_, line).size())};
    };
    switch (motion->first) {
    case Motion::PreviousChar:
        if (cursor_.column > 0)
            return {cursor_.line, StepColumn(text, cursor_.column, -1)};
        return cursor_.line > 0 ? TextPoint{cursor_.line - 1, ShownLine(lines_, cursor_.line - 1).size()}
                                : cursor_;
    case Motion::NextChar:
        if (cursor_.column < text.size())
            return {cursor_.line, StepColumn(text, cursor_.column, 1)};
        return cursor_.line < last ? TextPoint{cursor_.line + 1, 0} : cursor_;
    case Motion::PreviousLine:
        return onLine(cursor_.line > 0 ? cursor_.line - 1 : 0);
    case Motion::NextLine:
        return onLine(std::min(last, cursor_.line + 1));
    case Motion::PreviousPage:
        return onLine(cursor_.line > rows ? cursor_.line - rows : 0);
    case Motion::NextPage:
        return onLine(std::min(last, cursor_.line + rows));
    case Motion::LineStart:
        return {cursor_.line, 0};
    case Motion::LineEnd:
        return {cursor_.line, text.size()};
    case Motion::Start:
        return {};
    case Motion::End:
        return {last, ShownLine(lines_, last).size()};
    case Motion::PreviousWord:
        if (cursor_.column == 0)
            return cursor_.line > 0 ? TextPoint{cursor_.line - 1, ShownLine(lines_, cursor_.line - 1).size()}
                                    : cursor_;
        return {cursor_.line, WordEdge(text, cursor_.column, -1)};
    case Motion::NextWord:
        if (cursor_.column == text.size())
            return cursor_.line < last ? TextPoint{cursor_.line + 1, 0} : cursor_;
        return {cursor_.line, WordEdge(text, cursor_.column, 1)};
    }
    return cursor_;
}

void TextLinesView::MoveCursor(TextPoint to, bool extend) {
    cursor_ = to;
    if (!extend)
        anchor_ = to;
    ScrollTo(to.line);
    viewport()->update();
}

void TextLinesView::ScrollTo(std::size_t line) {
    const auto rows = static_cast<std::size_t>(RowsInSight());
    const std::size_t top = TopLine();
    if (line < top)
        verticalScrollBar()->setValue(static_cast<int>(line));
    else if (line >= top + rows)
        verticalScrollBar()->setValue(static_cast<int>(line - rows + 1));
}

void TextLinesView::keyPressEvent(QKeyEvent *event) {
    if (event->matches(QKeySequence::Copy)) {
        Copy();
        return;
    }
    if (event->matches(QKeySequence::SelectAll)) {
        SelectAll();
        return;
    }
    if (MotionOf(event)) {
        bool extend = false;
        const TextPoint to = Moved(event, extend);
        MoveCursor(to, extend);
        return;
    }
    if (Edit(event))
        return;
    QAbstractScrollArea::keyPressEvent(event);
}

bool TextLinesView::Edit(QKeyEvent *event) {
    if (event->matches(QKeySequence::Undo))
        return Undo();
    if (event->matches(QKeySequence::Redo))
        return Redo();
    if (event->matches(QKeySequence::Paste)) {
        QString text = QApplication::clipboard()->text();
        text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"))
            .replace(QLatin1Char('\r'), QLatin1Char('\n'));
        Type(text);
        return true;
    }
    if (event->matches(QKeySequence::Cut)) {
        Copy();
        Type(QString());
        return true;
    }
    if (event->key() == Qt::Key_Backspace || event->matches(QKeySequence::Delete)) {
        Erase(event->key() == Qt::Key_Backspace ? -1 : 1);
        return true;
    }
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        Type(QStringLiteral("\n"));
        return true;
    }
    const QString text = event->text();
    if (text.isEmpty() || !text.at(0).isPrint() || (event->modifiers() & Qt::ControlModifier))
        return false;
    Type(text);
    return true;
}

void TextLinesView::Erase(int direction) {
    if (anchor_ == cursor_) {
        const QString text = ShownLine(lines_, cursor_.line);
        const std::size_t last = ShownLineCount(lines_) - 1;
        if (direction < 0)
            anchor_ = cursor_.column > 0 ? TextPoint{cursor_.line, StepColumn(text, cursor_.column, -1)}
                      : cursor_.line > 0
                          ? TextPoint{cursor_.line - 1, ShownLine(lines_, cursor_.line - 1).size()}
                          : cursor_;
        else
            anchor_ = cursor_.column < text.size()
                          ? TextPoint{cursor_.line, StepColumn(text, cursor_.column, 1)}
                      : cursor_.line < last ? TextPoint{cursor_.line + 1, 0}
                                            : cursor_;
    }
    if (anchor_ != cursor_)
        Type(QString());
}

void TextLinesView::Type(const QString &text) {
    undo_.push_back({lines_, std::min(anchor_, cursor_)});
    if (undo_.size() > kUndoDepth)
        undo_.erase(undo_.begin());
    redo_.clear();
    const TextPoint after = ReplaceText(lines_, anchor_, cursor_, text);
    MoveCursor(after, false);
    UpdateScrollBars();
    emit edited();
}

bool TextLinesView::Undo() {
    Restore(undo_, redo_);
    return true;
}

bool TextLinesView::Redo() {
    Restore(redo_, undo_);
    return true;
}

void TextLinesView::Restore(std::vector<Snapshot> &from, std::vector<Snapshot> &to) {
    if (from.empty())
        return;
    to.push_back({lines_, cursor_});
    lines_ = std::move(from.back().lines);
    const TextPoint cursor = from.back().cursor;
    from.pop_back();
    MoveCursor(cursor, false);
    UpdateScrollBars();
    emit edited();
}

void TextLinesView::mouseDoubleClickEvent(QMouseEvent *event) {
    if (event->button() != Qt::LeftButton)
        return;
    const TextPoint at = PointAt(event->position().toPoint());
    const QString text = ShownLine(lines_, at.line);
    const qsizetype end = at.column < text.size() ? WordEdge(text, at.column, 1) : at.column;
    const qsizetype start = at.column > 0 ? WordEdge(text, std::min(at.column + 1, text.size()), -1) : 0;
    MoveCursor({at.line, start}, false);
    MoveCursor({at.line, end}, true);
}

void TextLinesView::mousePressEvent(QMouseEvent *event) {
    if (event->button() != Qt::LeftButton)
        return;
    MoveCursor(PointAt(event->position().toPoint()), event->modifiers() & Qt::ShiftModifier);
}

void TextLinesView::mouseMoveEvent(QMouseEvent *event) {
    if (event->buttons() & Qt::LeftButton)
        MoveCursor(PointAt(event->position().toPoint()), true);
}

void TextLinesView::contextMenuEvent(QContextMenuEvent *event) {
    // The texts of Qt's own text boxes, so that its catalogues translate them.
    QMenu menu(this);
    QAction *copy =
        menu.addAction(QCoreApplication::translate("QWidgetTextControl", "&Copy"), this, [this] { Copy(); });
    copy->setShortcut(QKeySequence::Copy);
    copy->setEnabled(anchor_ != cursor_);
    menu.addSeparator();
    QAction *all = menu.addAction(QCoreApplication::translate("QWidgetTextControl", "Select All"), this,
                                  [this] { SelectAll(); });
    all->setShortcut(QKeySequence::SelectAll);
    menu.exec(event->globalPos());
}

void TextLinesView::focusInEvent(QFocusEvent *event) {
    QAbstractScrollArea::focusInEvent(event);
    viewport()->update();
}

void TextLinesView::focusOutEvent(QFocusEvent *event) {
    QAbstractScrollArea::focusOutEvent(event);
    viewport()->update();
}
