#pragma once

#include "document/TextList.h"

// The timing rules over a list of FrameLines, apart from the window.

// The 0-based indexes, as decimal text, of the entries that start before the
// previous one has ended, and of those that do not end after they start; an
// entry at fault both ways is listed twice. Entry 0 is read but never judged.
// ConvertError when an entry's frames are not whole numbers.
TextList FindTimingFaults(const TextList &frameLines);

// The list in order of start frames (a stable sort, so a list in order
// keeps its order), then with every overlap moved to one frame after its predecessor's
// (corrected) end and every entry left without length given 23 frames; texts
// stay as they are. ConvertError when an entry's frames are not whole numbers
// or a corrected frame does not fit in 32 bits.
TextList CorrectedTiming(const TextList &frameLines);
