#pragma once

#include <string>

// Letter case of cp1252 text, byte by byte through our own tables, never
// through the locale.

enum class LetterCase {
    Upper,     // a to z become A to Z
    Lower,     // A to Z become a to z
    AnsiUpper, // every lower-case letter of cp1252, accented ones included
    AnsiLower, // every upper-case letter of cp1252, accented ones included
};

// Changes the letters of the text in place; true when a byte changed.
bool ChangeCase(std::string &text, LetterCase to);
