#include "app/QtText.h"

#include "document/Cp1252.h"

#include <QByteArray>
#include <QChar>

QString ToQString(const std::string &cp1252) {
    return QString::fromStdString(Cp1252ToUtf8(cp1252));
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
    std::string text;
    text.reserve(size);
    for (const auto &line : lines) {
        text += line;
        text += '\n';
    }
    return ToQString(text);
}

std::vector<std::string> MemoLines(const QString &text) {
    // Rich-text documents separate paragraphs and soft line breaks with their
    // own characters; both are line ends for the memo.
    QString plain = text;
    plain.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    plain.replace(QChar::LineSeparator, QLatin1Char('\n'));
    const std::string bytes = FromQString(plain);
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end = bytes.find('\n'); end != std::string::npos; end = bytes.find('\n', start)) {
        lines.push_back(bytes.substr(start, end - start));
        start = end + 1;
    }
    if (start < bytes.size())
        lines.push_back(bytes.substr(start));
    return lines;
}
