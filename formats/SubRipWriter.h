#pragma once

#include "document/LineOut.h"
#include "document/Numbers.h"
#include "document/TextList.h"

#include <cstddef>
#include <string_view>

// The pure part of the SubRip conversion: writing the block of a FrameLine,
// read as CutFrameLine reads it, as memo lines.

// Hands over the block of one subtitle, one memo line at a time: its number,
// the time line, each line of its text ("|" separates them) and an empty line.
// ConvertError when a bound is not a whole number; nothing is handed over then.
void AppendSubRipBlock(LineOut &memoLines, std::size_t number, std::string_view frameLine,
                       Extended delaySeconds, Extended fps);

// The progress bar's position after entry `index` of `count`: the whole part
// of index * 100 / (count - 1), and 100 for a single entry.
int ConversionProgress(std::size_t index, std::size_t count);

// The number of the SubRip subtitle that a memo line belongs to: that of the
// nearest number line above a time line at or before it; the line's own
// number (from 1) when there is none.
std::size_t SubRipSubtitleOf(const TextList &memoLines, std::size_t line);
