#pragma once

#include <optional>
#include <string>
#include <string_view>

// The Windows ANSI code page, our own table (Qt does not guarantee one).

// cp1252 bytes as UTF-8; the five undefined bytes map to U+FFFD.
std::string Cp1252ToUtf8(std::string_view text);

struct Cp1252Text {
    std::string text;
    std::size_t replaced = 0; // characters that cp1252 lacks, written as "?"
};
// UTF-8 as cp1252; invalid sequences and characters cp1252 lacks become "?".
Cp1252Text Utf8ToCp1252(std::string_view utf8);

// The cp1252 byte of a Unicode character, when cp1252 has it.
std::optional<char> UnicodeToCp1252(char32_t c);

// UTF-16 code units without their byte-order mark, little- or big-endian, as
// cp1252; characters cp1252 lacks, unpaired surrogates and a last odd byte
// become "?".
Cp1252Text Utf16ToCp1252(std::string_view bytes, bool bigEndian);

// True when the bytes are well-formed UTF-8 (no overlongs, no surrogates).
bool IsValidUtf8(std::string_view bytes);
