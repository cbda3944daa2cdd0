#include "app/QtText.h"

#include "document/Cp1252.h"

#include <QByteArray>
#include <QChar>

#include <array>

namespace {

// Every cp1252 byte is one UTF-16 code unit. The table is our own cp1252
// table read once, so a text of millions of characters converts at copying speed.
const std::array<char16_t, 256> &Cp1252Units() {
    static const std::array<char16_t, 256> units = [] {
        std::array<char16_t, 256> table{};
        for (int byte = 0; byte < 256; ++byte) {
            const QString unit =
                QString::fromStdString(Cp1252ToUtf8(std::string(1, static_cast<char>(byte))));
            table[static_cast<std::size_t>(byte)] = unit.isEmpty() ? u'\uFFFD' : unit[0].unicode();
        }
        return table;
    }();
    return units;
}

QChar *AppendUnits(QChar *out, std::string_view cp1252) {
    const auto &units = Cp1252Units();
    for (const char c : cp1252)
        *out++ = QChar(units[static_cast<unsigned char>(c)]);
    return out;
}

// CHOICE: the memo's document holds a run of lines per paragraph, joined by
// line separators. Qt builds a paragraph per line far too slowly for the
// four million lines of a million converted subtitles (most of a minute);
// grouped, they show in well under a second and look and edit the same.
constexpr std::size_t kLinesPerParagraph = 64;

} // namespace

QString ToQString(std::string_view cp1252) {
    QString text(static_cast<qsizetype>(cp1252.size()), Qt::Uninitialized);
    AppendUnits(text.data(), cp1252);
    return text;
}

std::string FromQString(const QString &text) {
    const QByteArray utf8 = text.toUtf8();
    return Utf8ToCp1252(std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size()))).text;
}

QString DisplayText(const std::string &cp1252) {
    std::string text;
    text.reserve(cp1252.size());
    for (std::size_t i = 0; i < cp1252.size(); ++i) {
        const char c = cp1252[i];
        if (c != '\r' && c != '\n') {
            text += c;
            continue;
        }
        text += '\n';
        const char partner = c == '\r' ? '\n' : '\r';
        if (i + 1 < cp1252.size() && cp1252[i + 1] == partner)
            ++i;
    }
    return ToQString(text);
}

QString MemoText(const TextList &lines) {
    std::size_t size = 0;
    for (const auto &line : lines)
        size += line.size() + 1;
    QString text(static_cast<qsizetype>(size), Qt::Uninitialized);
    QChar *out = text.data();
    std::size_t count = 0;
    for (const auto &line : lines) {
        out = AppendUnits(out, line);
        *out++ = ++count % kLinesPerParagraph == 0 ? QChar(u'\n') : QChar(QChar::LineSeparator);
    }
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
