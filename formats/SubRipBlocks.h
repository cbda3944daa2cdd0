#pragma once

#include "formats/ImportContext.h"
#include "formats/ImportHalves.h"

#include <cstddef>
#include <string>

// A SubRip file is a sequence of blocks: a number line, a time line
// "hh:mm:ss,mmm --> hh:mm:ss,mmm", one or more text lines and an empty line.
// Players also read blocks without their number line. A block whose time
// line does not read is left out and counted.

// Reads the blocks at the top of a list of lines one by one, each as a
// FrameLine added to a list (see ImportHalves.h).
class SubRipBlockReader {
public:
    // `blocksBefore`: the blocks of the file above the list's top line.
    SubRipBlockReader(WorkLines &work, Extended fps, TextList &read, int blocksBefore = 0)
        : counter(blocksBefore), work_(work), fps_(fps), read_(read), blocksBefore_(blocksBefore) {}

    BlockRead Next(ImportContext *ctx);
    // The back half was read as though the blocks before it were as many as
    // its first number says; its blocks are this reader's only when they were.
    bool TakeOverFrom(const SubRipBlockReader &back);

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
    const int blocksBefore_;
    // Kept across blocks, which reuse their room.
    std::string numberLine_;
    std::string timeLine_;
};
