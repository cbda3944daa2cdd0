#include "app/QtFonts.h"

#include "app/QtText.h"

#include <QFontDatabase>

#include <cmath>

namespace {

constexpr qreal kFallbackScale = 0.9;

} // namespace

QFont FontFromSpec(const FontSpec &model) {
    QFont font;
    const QString family = ToQString(model.Name);
    const qreal size = model.Size > 0 ? model.Size : 8;
    if (QFontDatabase::hasFamily(family)) {
        font.setFamily(family);
        font.setPointSizeF(size);
    } else {
        const QString fallback = QStringLiteral("DejaVu Sans");
        font.setFamily(QFontDatabase::hasFamily(fallback)
                           ? fallback
                           : QFontDatabase::systemFont(QFontDatabase::GeneralFont).family());
        font.setStyleHint(QFont::SansSerif);
        // The fallback runs wider than the Windows bitmap font it stands for;
        // a slightly smaller size keeps the captions inside the form's bounds.
        font.setPointSizeF(size * kFallbackScale);
    }
    font.setBold(model.Bold);
    font.setItalic(model.Italic);
    font.setUnderline(model.Underline);
    font.setStrikeOut(model.StrikeOut);
    return font;
}

FontSpec SpecFromFont(const QFont &font, const FontSpec &keep) {
    FontSpec model = keep;
    model.Name = FromQString(font.family());
    if (font.pointSizeF() > 0)
        model.Size = static_cast<int>(std::lround(font.pointSizeF()));
    else if (font.pixelSize() > 0)
        model.Size = (font.pixelSize() * 72 + 48) / 96;
    model.Bold = font.bold();
    model.Italic = font.italic();
    model.Underline = font.underline();
    model.StrikeOut = font.strikeOut();
    return model;
}
