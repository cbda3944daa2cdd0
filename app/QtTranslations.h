#pragma once

#include <QTranslator>

#include <cstdint>

// Qt's own texts (the buttons of message boxes, the file dialog) in the
// interface language, from the catalogues Debian installs with Qt.
class QtTranslations {
public:
    QtTranslations();
    ~QtTranslations();
    QtTranslations(const QtTranslations &) = delete;
    QtTranslations &operator=(const QtTranslations &) = delete;

    // Installs the catalogue of the language (1 Portuguese, 2 English,
    // 3 Danish, 4 Spanish) when it differs from the one installed.
    void Follow(std::uint8_t language);
    std::uint8_t Language() const { return language_; }

private:
    QTranslator translator_;
    std::uint8_t language_ = 2;
    bool installed_ = false;
};
