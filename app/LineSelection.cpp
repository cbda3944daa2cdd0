#include "app/LineSelection.h"

#include "app/QtText.h"

#include <algorithm>

std::size_t ShownLineCount(const TextList &lines) {
    return lines.Count() + 1;
}

QString ShownLine(const TextList &lines, std::size_t line) {
    return line < lines.Count() ? ToQString(lines[line]) : QString();
}

LineRange VisibleLines(std::size_t top, int height, int lineHeight, std::size_t shownLines) {
    const std::size_t first = std::min(top, shownLines);
    if (height <= 0 || lineHeight <= 0)
        return {first, first};
    const auto rows = static_cast<std::size_t>((height + lineHeight - 1) / lineHeight);
    return {first, std::min(shownLines, first + rows)};
}

QString TextBetween(const TextList &lines, TextPoint a, TextPoint b) {
    const TextPoint from = std::min(a, b);
    const TextPoint to = std::max(a, b);
    if (from.line == to.line)
        return ShownLine(lines, from.line).mid(from.column, to.column - from.column);
    QString text = ShownLine(lines, from.line).mid(from.column);
    for (std::size_t line = from.line + 1; line < to.line; ++line) {
        text += QLatin1Char('\n');
        text += ShownLine(lines, line);
    }
    text += QLatin1Char('\n');
    text += ShownLine(lines, to.line).left(to.column);
    return text;
}
