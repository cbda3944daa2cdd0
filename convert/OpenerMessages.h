#pragma once

#include "document/EncodingChoice.h"
#include "formats/ImportContext.h"

#include <cstddef>
#include <cstdint>
#include <string>

// Texts of the opener that are ours, in the four interface languages
// (1 Portuguese, 2 English, 3 Danish, 4 Spanish). Each throws ListIndexError
// for a language outside 1..4.

// How many byte sequences of a file could not be read and show as U+FFFD.
std::string InvalidCharactersText(std::size_t count, std::uint8_t language);

// The question when a save meets a character its encoding lacks: the
// character, shown and as U+XXXX, its subtitle, and the offer of UTF-8.
std::string UnencodableCharacterText(char32_t character, std::size_t subtitle, const TextEncoding &encoding,
                                     std::uint8_t language);

// The status bar's "Windows-1251 (Cyrillic), detected".
std::string EncodingStatusText(const ChosenEncoding &chosen, std::uint8_t language);

// The status bar's "; Language read: English" after a SAMI file with a class
// per language; empty for every other file.
std::string SamiClassStatusText(const SamiClassesRead &found, std::uint8_t language);

// The question before a file dropped on the window replaces the open one;
// name is the dropped file's name without its folder.
std::string CloseForDroppedFileText(const std::string &name, std::uint8_t language);

// The message when a recent file no longer exists; it leaves the list.
std::string MissingRecentFileText(const std::string &fileName, std::uint8_t language);

// The captions of the encoding menus.
enum class EncodingMenuText { Reopen, SaveIn, AsRead };
std::string EncodingMenuCaption(EncodingMenuText which, std::uint8_t language);
