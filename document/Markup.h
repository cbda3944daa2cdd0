#pragma once

#include "document/TextList.h"

#include <string>
#include <string_view>

// Line-break markers of the source formats become "|", italic markers are
// removed; everything else stays.
std::string NormaliseMarkupText(std::string text);

// Whether the text holds any marker, that is whether NormaliseMarkupText
// would change it.
bool HoldsMarkup(std::string_view text);

// Every line of the list normalised; lines without markup stay shared with
// the lists they came from.
void NormaliseListMarkup(TextList &lines);
