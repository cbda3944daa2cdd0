#pragma once

#include <string>

// Letter case of UTF-8 text, never through the locale.

enum class LetterCase {
    Upper,     // a to z become A to Z
    Lower,     // A to Z become a to z
    AnsiUpper, // every lower-case letter, accented, Cyrillic and Greek ones included
    AnsiLower, // every upper-case letter, accented, Cyrillic and Greek ones included
};

// Changes the letters of the text in place; true when a byte changed.
bool ChangeCase(std::string &text, LetterCase to);
