#pragma once

#include "document/EncodingChoice.h"
#include "document/LineOut.h"
#include "document/TextList.h"

#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

struct LoadedText {
    TextList lines; // UTF-8
    ChosenEncoding encoding;
    // Ill-formed or unmapped sequences, each read as U+FFFD.
    std::size_t invalidCharacters = 0;
};

// Decodes bytes to UTF-8 in the encoding ChooseEncoding picks and splits
// them into lines at CR, LF or CR LF; a final line end adds no empty item.
// Bytes that do not fit an encoding the user named throw FileError, naming
// the file they came from.
LoadedText DecodeTextLines(std::string_view bytes, const ReadingOptions &options = {},
                           const std::string &fileName = "");

// File names are UTF-8 like every text.

// A whole file's bytes, as read.
struct FileBytes {
    std::shared_ptr<char[]> block;
    std::size_t size = 0;
    std::string_view View() const { return {block.get(), size}; }
};

// Reads a whole file. Throws FileError naming the file ("Cannot open file
// \"NAME\". No such file or directory"); a folder, a pipe, a device or a
// file over 1 GiB is refused before it is read.
FileBytes ReadFileBytes(const std::string &fileName);

// Reads a whole file with ReadFileBytes and decodes it with DecodeTextLines.
LoadedText ReadTextFile(const std::string &fileName, const ReadingOptions &options = {});

// Encodes the lines, each followed by lineEnd, after the encoding's
// byte-order mark, and hands them to `write` in pieces of about a megabyte;
// false as soon as `write` is. Throws EncodingError at the first character
// the encoding lacks, the pieces before it handed over already.
bool WriteEncodedLines(const TextList &lines, const TextEncoding &encoding, std::string_view lineEnd,
                       const std::function<bool(std::string_view)> &write);

// Throws EncodingError at the first character of the lines the encoding lacks.
void CheckEncodable(const TextList &lines, const TextEncoding &encoding);

// Writes every line in the encoding followed by CR LF, after the encoding's
// byte-order mark, through a temporary file in the target folder that is
// renamed over the target only when complete. A character the encoding lacks
// throws EncodingError and writes nothing. The new file keeps the permissions of the one it replaces;
// through a symbolic link it replaces the file the link points to. A file
// that nobody may write is not replaced. Throws FileError naming the file;
// an existing file is then left as it was.
void WriteTextFile(const std::string &fileName, const TextList &lines, const TextEncoding &encoding);

// Writes the lines `produce` hands over, one at a time, as WriteTextFile
// writes a list, without holding them. `produce` runs to its end whatever
// becomes of the file, so that its own errors and messages come first; then
// the first thing that went wrong with the file is thrown.
void WriteTextFile(const std::string &fileName, const TextEncoding &encoding,
                   const std::function<void(LineOut &)> &produce);
