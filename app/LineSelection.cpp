#include "app/LineSelection.h"

#include "app/QtText.h"

#include <QStringList>

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

TextPoint ReplaceText(TextList &lines, TextPoint a, TextPoint b, const QString &text) {
    const TextPoint from = std::min(a, b);
    const TextPoint to = std::max(a, b);
    const QString joined =
        ShownLine(lines, from.line).left(from.column) + text + ShownLine(lines, to.line).mid(to.column);
    QStringList parts = joined.split(QLatin1Char('\n'));
    const TextPoint after{from.line + static_cast<std::size_t>(parts.size() - 1),
                          parts.back().size() - (ShownLine(lines, to.line).size() - to.column)};
    // The empty line after the list stays the one shown after it.
    const std::size_t count = lines.Count();
    const std::size_t last = std::min(to.line, count == 0 ? 0 : count - 1);
    if (to.line >= count && parts.back().isEmpty())
        parts.removeLast();
    std::size_t line = from.line;
    std::size_t old = from.line < count ? last - from.line + 1 : 0;
    for (const QString &part : parts) {
        const std::string utf8 = part.toStdString();
        if (old > 0) {
            lines.Set(line, utf8);
            --old;
        } else {
            lines.Insert(line, utf8);
        }
        ++line;
    }
    for (; old > 0; --old)
        lines.Delete(line);
    return after;
}
