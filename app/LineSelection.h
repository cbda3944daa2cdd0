#pragma once

#include "document/TextList.h"

#include <QString>

#include <compare>
#include <cstddef>

// The arithmetic of a view over a list of text lines, apart from the widget:
// which lines a scroll position shows and which text a selection holds.
// The view shows one more line than the list holds, the empty line after the
// last line end, as a memo shows its text.

// A place between two characters: the line and the UTF-16 offset within it.
struct TextPoint {
    std::size_t line = 0;
    qsizetype column = 0;
    friend auto operator<=>(const TextPoint &, const TextPoint &) = default;
};

// The lines from `first` up to, not including, `end`.
struct LineRange {
    std::size_t first = 0;
    std::size_t end = 0;
    friend bool operator==(const LineRange &, const LineRange &) = default;
};

// The lines the view shows, the list's and the empty one after them.
std::size_t ShownLineCount(const TextList &lines);

// A shown line as the widgets take it; the empty line after the list is "".
QString ShownLine(const TextList &lines, std::size_t line);

// The lines a viewport of `height` pixels shows from line `top` on, a line
// cut off at the bottom included.
LineRange VisibleLines(std::size_t top, int height, int lineHeight, std::size_t shownLines);

// The text between two points in either order, lines joined by "\n", as the
// clipboard receives a selection.
QString TextBetween(const TextList &lines, TextPoint a, TextPoint b);

// Replaces the text between two points in either order with `text`, whose
// "\n" break lines, and returns the point right after it. Only the lines
// between the points change, so typing into one line of a million costs one
// line. Text typed into the empty line after the list makes it a line of
// the list.
TextPoint ReplaceText(TextList &lines, TextPoint a, TextPoint b, const QString &text);
