#pragma once

#include "document/TextList.h"
#include "formats/OutputFormats.h"

#include <cstddef>
#include <string_view>

// The window's output-format box: one item per row of the output table, in
// its order. The first item saves the list as it stands ("Original to
// MicroDVD"); every other item names the format Convert writes and the
// save buttons save.

// The items as the box shows them.
TextList OutputBoxItems();

// The format of an item; SubRip for a position the box does not have.
const OutputFormat &OutputOfBoxItem(int item);

// The format Convert writes for an item. The list saved as it stands needs
// no conversion, so with the first item Convert writes SubRip, as it
// always has.
const OutputFormat &ConvertedOutputOf(int item);

// The item of a format's key; -1 for a key no row has.
int BoxItemOfKey(std::string_view key);

// What the memo holds: the format it was converted to and the timing it was
// converted with. The multi-rate batch leaves SubRip in it.
struct ConvertedMemo {
    const OutputFormat *format = &SubRipOutput();
    WriteOptions options{25, 0};
};

// The subtitle (from 1) that a memo line shows, for a message. SubRip text
// tells its own numbers, which stay right after the user edits it; the
// other formats are written again from the list.
std::size_t SubtitleOfMemoLine(const ConvertedMemo &memo, const TextList &memoLines, const TextList &entries,
                               std::size_t line);

// The save button's dialog filter for the memo's format; SubRip keeps the
// filter the button has always shown.
std::string MemoSaveFilter(const OutputFormat &format);
