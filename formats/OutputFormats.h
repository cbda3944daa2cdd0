#pragma once

#include "document/LineOut.h"
#include "document/Numbers.h"
#include "document/TextEncoding.h"
#include "document/TextList.h"
#include "formats/OutputWriting.h"

#include <functional>
#include <span>
#include <string>
#include <string_view>

// One format a subtitle list is saved in. Adding a format is one writer
// file and one row here.
struct OutputFormat {
    std::string_view key;       // as --to takes it: "srt"
    std::string_view name;      // "SubRip"
    std::string_view extension; // with its dot
    std::string_view mimeType;
    // Writes the file made from the list of FrameLines, line by line.
    void (*write)(const TextList &entries, EntryRange range, const WriteOptions &options, EntryLineOut &out);
    // The format knows no other encoding; the output encoding is not asked.
    bool alwaysUtf8;
};

// In the order of the window's output-format box: MicroDVD is the list
// itself, SubRip its conversion, then the formats of today's players.
std::span<const OutputFormat> OutputFormats();
// nullptr for a key no row has.
const OutputFormat *FindOutputFormat(std::string_view key);
// The first row whose extension the file name ends in, in any case; nullptr for none.
const OutputFormat *OutputFormatOfFileName(std::string_view fileName);
const OutputFormat &MicroDvdOutput();
const OutputFormat &SubRipOutput();
// The keys, "srt, sub, ...", for a message.
std::string OutputFormatKeys();

// The save dialog's filter of a format: "SubRip (*.srt)|*.srt".
std::string SaveDialogFilter(const OutputFormat &format);

// The encoding a format's file is written in when `chosen` is asked for.
TextEncoding OutputEncodingOf(const OutputFormat &format, const TextEncoding &chosen);

// Writes the format's lines to `out`; progress, when given, hears the
// progress bar's position after each entry, as the SubRip conversion tells it.
void WriteFormat(const OutputFormat &format, const TextList &entries, const WriteOptions &options,
                 LineOut &out, const std::function<void(int)> &progress = {});

// The lines of the format's file as a list.
TextList WrittenLines(const OutputFormat &format, const TextList &entries, const WriteOptions &options,
                      const std::function<void(int)> &progress = {});

// The subtitle (from 1) that line `line` of the format's file shows, found
// by writing it again; the line's own number (from 1) for a header line.
std::size_t SubtitleOfOutputLine(const OutputFormat &format, const TextList &entries,
                                 const WriteOptions &options, std::size_t line);
