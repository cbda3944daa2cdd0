#pragma once

#include "document/Chars.h"
#include "formats/ImportContext.h"

#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>

// Steps shared by the importers of timecode blocks, paired lines, records
// and picture scripts.

// The start of an import that reads the frame rate from the box: the
// reminder to use the same rate, an emptied ImportBuffer and the box header.
inline void StartBoxHeaderImport(ImportContext &ctx) {
    ctx.ShowAlert(Alert::SameFps);
    ctx.ImportBuffer.Clear();
    ctx.ImportBuffer.Add(ctx.BoxHeader());
}

// True when the line has ":" at every position given (counted from 1).
inline bool ColonsAt(std::string_view line, std::initializer_list<std::size_t> positions) {
    for (const std::size_t position : positions)
        if (CharAt(line, position) != ':')
            return false;
    return true;
}

// The characters from the position to the end of the line; empty when the line ends before it.
inline std::string_view CharsFrom(std::string_view line, std::size_t from) {
    return Chars(line, from, std::string_view::npos);
}

// A further line of a subtitle goes behind a "|", even when the text so far is empty.
inline void AppendFurtherLine(std::string &text, std::string_view line) {
    text += '|';
    text += line;
}
