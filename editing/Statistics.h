#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

// The lines of a subtitle's text: the first six, and the rest after the
// sixth "|" with its own "|" separators; missing lines are empty.
struct TextLines {
    std::array<std::string, 6> lines;
    std::string rest;
};

TextLines SplitTextLines(std::string_view text);

// The statistics of one subtitle's text, as one message box text: the sizes
// of its lines in characters, every line ended by CR LF.
std::string LineSizesReport(std::string_view text, std::uint8_t language);
