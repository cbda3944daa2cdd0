#pragma once

#include "document/Numbers.h"
#include "document/TextList.h"

#include <cstddef>
#include <string_view>

// The pure part of the SubRip conversion: taking a FrameLine apart the way
// the conversion reads it and writing its block as memo lines.

struct SubRipSource {
    std::string_view startText;
    std::string_view endText;
    std::string_view text;
};

// The start text lies between the first character and the first "}"; the end
// text between the first character after that "}" and the next "}"; the text
// is all that follows. A line without "}" gives empty bound texts.
SubRipSource SplitForSubRip(std::string_view frameLine);

// Appends the block of one subtitle, one item per memo line: its number, the
// time line, each line of its text ("|" separates them) and an empty line.
// ConvertError when a bound is not a whole number; nothing is appended then.
void AppendSubRipBlock(TextList &memoLines, std::size_t number, std::string_view frameLine,
                       Extended delaySeconds, Extended fps);

// The number of memo lines the blocks of these entries take, so that the memo
// can be sized once rather than grown step by step.
std::size_t SubRipLineCount(const TextList &entries);

// The progress bar's position after entry `index` of `count`: the whole part
// of index * 100 / (count - 1), and 100 for a single entry.
int ConversionProgress(std::size_t index, std::size_t count);

// The number of the SubRip subtitle that a memo line belongs to: that of the
// nearest number line above a time line at or before it; the line's own
// number (from 1) when there is none.
std::size_t SubRipSubtitleOf(const TextList &memoLines, std::size_t line);
