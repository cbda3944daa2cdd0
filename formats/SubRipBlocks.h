#pragma once

#include "formats/ImportContext.h"

#include <cstddef>
#include <string>

// A SubRip file is a sequence of blocks: a number line, a time line
// "hh:mm:ss,mmm --> hh:mm:ss,mmm", one or more text lines and an empty line.
// Players also read blocks without their number line. A block whose time
// line does not read is left out and counted.

enum class SubRipBlock {
    Read,      // a FrameLine was added, or the block was left out and counted
    Ended,     // no block is left
    Stopped,   // the user stopped the import: nothing is handed over
    NeedsUser, // the block needs a question or a message, which this reader may not show
};

// Reads the blocks at the top of a list of lines one by one, each as a
// FrameLine added to a list. A reader with the import's context asks and tells
// the user what a block needs; one without it, on a second thread, stops
// before such a block with NeedsUser and leaves it to the reader with the
// context.
class SubRipBlockReader {
public:
    // `blocksBefore`: the blocks of the file above the list's top line.
    SubRipBlockReader(WorkLines &work, Extended fps, TextList &read, int blocksBefore = 0)
        : counter(blocksBefore), work_(work), fps_(fps), read_(read) {}

    SubRipBlock Next(ImportContext *ctx);

    // Blocks met so far, read or not; the numbering of the file is checked against it.
    int counter = 0;
    // Whether a block numbered out of turn is still asked about.
    bool checkNumbering = true;
    // Blocks left out because their time line does not read.
    std::size_t leftOut = 0;

private:
    WorkLines &work_;
    Extended fps_;
    TextList &read_;
    // Kept across blocks, which reuse their room.
    std::string numberLine_;
    std::string timeLine_;
};
