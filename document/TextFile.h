#pragma once

#include "document/TextList.h"

#include <string>

struct LoadedText {
    TextList lines;
    // Characters of a UTF-8 or UTF-16 file that cp1252 lacks, each read as "?".
    std::size_t replacedCharacters = 0;
    bool decodedFromUnicode = false;
};

// Splits bytes into lines at CR, LF or CR LF; a final line end adds no empty
// item. Bytes that start with a UTF-16 byte-order mark (LE or BE) or the
// UTF-8 one, or are valid UTF-8 holding a multi-byte sequence, are decoded to
// cp1252 first; all other bytes are cp1252 as they stand.
LoadedText DecodeTextLines(std::string_view bytes);

// File names are cp1252 like every text; the file system gets their UTF-8 form.

// Reads a whole file with DecodeTextLines. Throws FileError naming the file
// ("Cannot open file \"NAME\". No such file or directory"); a folder, a
// pipe, a device or a file over 1 GiB is refused before it is read.
LoadedText ReadTextFile(const std::string& fileName);

// Writes every line followed by CR LF, no byte-order mark, through a
// temporary file in the target folder that is renamed over the target only
// when complete. The new file keeps the permissions of the one it replaces;
// through a symbolic link it replaces the file the link points to. A file
// that nobody may write is not replaced. Throws FileError naming the file;
// an existing file is then left as it was.
void WriteTextFile(const std::string& fileName, const TextList& lines);
