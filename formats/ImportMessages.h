#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// What an importer says about the parts of a file it could not read, in the
// four interface languages (1 Portuguese, 2 English, 3 Danish, 4 Spanish).
// Each throws ListIndexError for a language outside 1..4.

// How many subtitles of the file could not be read and were left out.
std::string LeftOutText(std::size_t count, std::uint8_t language);

// The file stops being readable at this line; nothing after it was read.
std::string BrokenOffText(std::size_t line, std::uint8_t language);
