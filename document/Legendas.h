#pragma once

#include "document/Numbers.h"

#include <optional>
#include <string>
#include <string_view>

// The time routines: frame counts and clock times at a rate.

// The seconds into the film at which the conversion shows a frame count, less
// the delay in seconds; below zero for a time before the film starts.
Extended FramesToSeconds(Extended frames, Extended delaySeconds, Extended fps);

// The clock time "hh:mm:ss,mmm" of a frame count, less the delay in seconds.
// Seconds that round to 60,000 carry into the minutes and 60 minutes into
// the hours; a time before the start of the film is "00:00:00,000".
// Throws ConvertError when framesText is not a whole number, DivisionError
// for a rate of 0.
std::string FramesToTime(std::string_view framesText, Extended delaySeconds, Extended fps);

// The same time in whole milliseconds, rounded and held at the start as
// FramesToTime does; ConvertError as there, and for a time past a billion
// hours, which no clock text could carry.
long long FramesToMilliseconds(std::string_view framesText, Extended delaySeconds, Extended fps);

// How a format writes a clock time: the least digits of the hours, the mark
// before the fraction of a second and the fraction's digits (1 to 3).
struct ClockStyle {
    int hourDigits;
    char fractionMark;
    int fractionDigits;
};
inline constexpr ClockStyle kWebVttClock{2, '.', 3}; // 00:01:02.480, TTML's too
inline constexpr ClockStyle kAssClock{1, '.', 2};    // 0:01:02.48, SubStation Alpha's too
inline constexpr ClockStyle kSubViewerClock{2, '.', 2};

// Milliseconds (at least 0) as "h:mm:ss.f" in the style, the fraction
// rounded ties to even and carried into the seconds.
std::string ClockText(long long milliseconds, const ClockStyle &style);

// Milliseconds in whole units of `unit` milliseconds, ties to even: tenths
// of a second for a unit of 100.
long long RoundToUnit(long long milliseconds, long long unit);

// "H:M:S" with whole H and M and a decimal S (its first ":" and first "."
// read as the decimal comma).
bool IsValidTime(std::string_view text);
// The time as a frame number at the rate, ties to even; 0 for an invalid
// time and for one whose frame number does not fit in 32 bits.
int TimeToFrames(std::string_view text, Extended fps);
// The same, with no frame for an invalid time or one out of the 32-bit range.
std::optional<int> TryTimeToFrames(std::string_view text, Extended fps);
// The frame of a time already read into its fields, as TryTimeToFrames
// converts them.
std::optional<int> ClockToFrames(int hours, int minutes, Extended seconds, Extended fps);
// A count of seconds (decimal comma or point) as a frame number at the rate:
// the seconds are split into whole hours and minutes, each rounded to the
// nearest, and the clock time converted by TimeToFrames, so minutes and
// seconds may be negative ("0:2:-20" for 100 seconds). The result is the
// seconds times the rate, ties to even. Throws ConvertError naming the text
// when it is not a number.
int SecondsToFrames(std::string_view secondsText, Extended fps);

// The time in whole seconds, ties to even; 0 for an invalid time and for one
// whose seconds do not fit in 32 bits.
int TimeToSeconds(std::string_view text);
