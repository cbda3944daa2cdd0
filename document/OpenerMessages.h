#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// Texts of the opener that are ours, in the four interface languages
// (1 Portuguese, 2 English, 3 Danish, 4 Spanish), cp1252.

// How many characters of a UTF-8 or UTF-16 file were read as "?" because the Windows
// code page lacks them. Throws ListIndexError for a language outside 1..4.
std::string ReplacedCharactersText(std::size_t count, std::uint8_t language);

// The question before a file dropped on the window replaces the open one;
// name is the dropped file's name without its folder. Throws ListIndexError
// for a language outside 1..4.
std::string CloseForDroppedFileText(const std::string& name, std::uint8_t language);
