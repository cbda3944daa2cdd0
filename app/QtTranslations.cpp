#include "app/QtTranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QStringList>

namespace {

// The catalogues of each language, the first one found used; English is
// Qt's own language and needs none.
// CHOICE: the interface's Portuguese is European, so Portugal's catalogue
// comes before Brazil's.
QStringList CataloguesOf(std::uint8_t language) {
    switch (language) {
    case 1:
        return {QStringLiteral("qt_pt_PT"), QStringLiteral("qt_pt_BR")};
    case 3:
        return {QStringLiteral("qt_da")};
    case 4:
        return {QStringLiteral("qt_es")};
    default:
        return {};
    }
}

} // namespace

QtTranslations::QtTranslations() = default;

QtTranslations::~QtTranslations() {
    if (installed_)
        QCoreApplication::removeTranslator(&translator_);
}

void QtTranslations::Follow(std::uint8_t language) {
    if (language == language_)
        return;
    language_ = language;
    if (installed_) {
        QCoreApplication::removeTranslator(&translator_);
        installed_ = false;
    }
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    for (const QString &catalogue : CataloguesOf(language)) {
        if (translator_.load(catalogue, folder)) {
            installed_ = QCoreApplication::installTranslator(&translator_);
            return;
        }
    }
}
