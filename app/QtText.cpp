#include "app/QtText.h"

#include <QByteArray>
#include <QChar>

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
