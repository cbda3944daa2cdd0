#pragma once

#include "formats/OutputWriting.h"

#include <cstddef>
#include <functional>

// Writes the entries 0 to `count` through `write`, a range at a time, and
// gives their lines to `out` in order. A long list is cut into pieces, and
// most pieces are written on a second thread into memory while this thread
// writes the others straight to `out` and passes on the held ones; `write`
// must then be safe to call on two threads at once. An exception from a piece reaches
// the caller after every line before it has reached `out`, as if the whole
// list were written in one call.
void WriteInPieces(std::size_t count, const std::function<void(EntryRange, EntryLineOut &)> &write,
                   EntryLineOut &out);
