#pragma once

#include "shell/Controls.h"

#include <QFont>

// Fonts cross between the core's font model and Qt here.

// A font of the core as a Qt font. A family that is not installed (the
// form's "MS Sans Serif" on Linux) falls back to an installed sans font of
// the same point size.
QFont FontFromSpec(const FontSpec &model);
// The chosen font back into the core's form; the colour is not part of a Qt
// font and keeps the value of `keep`.
FontSpec SpecFromFont(const QFont &font, const FontSpec &keep);
