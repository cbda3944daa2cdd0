#pragma once

#include "formats/ImportContext.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// What the formats that put a whole subtitle on one line share: the column
// layout two of them use, and the rules that turn their texts into
// FrameLine texts.

// One subtitle of a line laid out in columns: the start time at characters
// 1 to 11, the end time at 13 to 23, the text from character 25 on.
void AddColumnSubtitle(ImportContext &ctx, std::string_view line, Extended fps);

// A DVD Junior subtitle line, "start&end#text" with "<" as the line break.
struct DVDJuniorLine {
    std::string_view start, end;
    std::string text; // "<" already turned into "|"
};
// False when the line has no "&", or no "#" after it.
bool SplitDVDJuniorLine(std::string_view line, DVDJuniorLine &parts);

// A Spruce DVD Maestro text in FrameLine form: every "-" is a line break,
// blanks after a break go, and a leading dash stays in front of the first line.
std::string SpruceMaestroText(std::string_view text);

// An MPlayer 2 line "[start][end]text": the two values in brackets at the
// start of the line, unchecked, and the text after them.
struct TenthsLine {
    std::string_view start, end, text;
};
std::optional<TenthsLine> SplitTenthsLine(std::string_view line);

// A one-line TMPlayer line "hh:mm:ss:text", also with "=" before the text
// and with a one-digit hour: the time and the text.
struct ClockLine {
    std::string_view time, text;
};
std::optional<ClockLine> SplitClockLine(std::string_view line);

// A Captions 32 text area: two blank-padded fields separated by "|", the
// second one only kept when something is left of it.
std::string Captions32Text(std::string_view area);
