#pragma once

#include "document/TextList.h"

#include <QString>

#include <string>
#include <string_view>

// Texts cross from the core (UTF-8) to the widgets (QString) here.

QString ToQString(std::string_view utf8);

// What the user typed, as UTF-8.
std::string FromQString(const QString &text);

// A message for a box or a label: the core ends lines with CR LF or, in some
// stored texts, LF CR; both pairs and a lone CR or LF become one line break.
QString DisplayText(const std::string &utf8);
