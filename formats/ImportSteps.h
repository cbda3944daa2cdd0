#pragma once

#include "formats/ImportContext.h"

#include <optional>
#include <string>
#include <string_view>

// Small steps that several importers take over the WorkList and their texts.

// A subtitle line joined to a text: the line itself when the text is
// empty, otherwise "|" and the line.
void AppendTextLine(std::string &text, std::string_view line);

// A further line of a subtitle goes behind a "|", even when the text so far is empty.
void AppendFurtherLine(std::string &text, std::string_view line);

// Whether `part` stands anywhere in the line.
bool Holds(std::string_view line, std::string_view part);

// The text after the first `separator`; the whole text when it has none.
std::string_view AfterFirst(std::string_view text, char separator);

// The text after the first `count` commas; none when the text has fewer.
std::optional<std::string_view> AfterCommas(std::string_view text, int count);

// A time given as a decimal count of units (tenths, milliseconds) as a
// frame number at the rate, ties to even. ConvertError when the text is not
// a number or the frame leaves the 32-bit range.
int UnitsToFrame(std::string_view valueText, Extended fps, Extended unitsPerSecond);
