#include "app/QtText.h"

#include <QByteArray>
#include <QChar>

namespace {

// CHOICE: the memo's document holds a run of lines per paragraph, joined by
// line separators. Qt builds a paragraph per line far too slowly for the
// four million lines of a million converted subtitles (most of a minute);
// grouped, they show in well under a second and look and edit the same.
constexpr std::size_t kLinesPerParagraph = 64;

} // namespace

QString ToQString(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

std::string FromQString(const QString &text) {
    return text.toStdString();
}

QString DisplayText(const std::string &utf8) {
    std::string text;
    text.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const char c = utf8[i];
        if (c != '\r' && c != '\n') {
            text += c;
            continue;
        }
        text += '\n';
        const char partner = c == '\r' ? '\n' : '\r';
        if (i + 1 < utf8.size() && utf8[i + 1] == partner)
            ++i;
    }
    return ToQString(text);
}

// The lines are gathered as UTF-8 with their line ends and converted in one
// pass, the separators becoming line separators afterwards.
QString MemoText(const TextList &lines) {
    std::size_t size = 0;
    for (const auto &line : lines)
        size += line.size() + 1;
    std::string utf8;
    utf8.reserve(size);
    for (const auto &line : lines) {
        utf8 += line;
        utf8 += '\n';
    }
    QString text = ToQString(utf8);
    QChar *unit = text.data();
    const QChar *const end = unit + text.size();
    std::size_t count = 0;
    for (; unit != end; ++unit)
        if (*unit == u'\n' && ++count % kLinesPerParagraph != 0)
            *unit = QChar(QChar::LineSeparator);
    return text;
}

TextList MemoLines(const QString &text) {
    // Paragraphs and the line separators within them are both line ends.
    QString plain = text;
    plain.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    plain.replace(QChar::LineSeparator, QLatin1Char('\n'));
    const std::string bytes = FromQString(plain);
    const std::string_view all = bytes;
    TextList lines;
    std::size_t start = 0;
    for (std::size_t end = all.find('\n'); end != std::string_view::npos; end = all.find('\n', start)) {
        lines.Add(all.substr(start, end - start));
        start = end + 1;
    }
    if (start < all.size())
        lines.Add(all.substr(start));
    return lines;
}
