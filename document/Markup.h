#pragma once

#include <string>

// Line-break markers of the source formats become "|", italic markers are
// removed; everything else stays.
std::string NormaliseMarkupText(std::string text);
