#pragma once

#include "document/Numbers.h"

#include <optional>
#include <string_view>

// A SubRip time line as players read it: "H:MM:SS,F --> H:MM:SS,F" anywhere
// in the line. The hours may be left out or have any number of digits, the
// fraction of a second has one to three digits after ",", "." or ":" ("5" is
// half a second, "04" 40 ms) or is left out, blanks may stand before each
// number and around the arrow, and whatever follows the end time (display
// coordinates) is ignored. A time after a minus sign does not read.

struct SubRipTimes {
    int start;
    int end; // as written, even when it is not after the start
};

// Both times as frames at the rate; none when either does not read or
// leaves the 32-bit range.
std::optional<SubRipTimes> ReadSubRipTimes(std::string_view line, Extended fps);

// Whether the line was meant as a time line: an arrow with a time on at
// least one side, or one at characters 14 to 16 where a well-formed time
// line has it. Such a line starts a new block, even when it does not read.
bool LooksLikeSubRipTimeLine(std::string_view line);
