#pragma once

#include "formats/OutputWriting.h"

// The writers of the output formats, one file each: every one writes its
// header, then each entry's lines of the range after calling Entry(i), then
// its trailer, the header and trailer only as the range says.
// An entry whose bounds do not convert throws ConvertError with the lines
// before it written.

void WriteWebVtt(const TextList &entries, EntryRange range, const WriteOptions &options, EntryLineOut &out);
void WriteAdvancedSubStationAlpha(const TextList &entries, EntryRange range, const WriteOptions &options,
                                  EntryLineOut &out);
void WriteSubStationAlpha(const TextList &entries, EntryRange range, const WriteOptions &options,
                          EntryLineOut &out);
void WriteSami(const TextList &entries, EntryRange range, const WriteOptions &options, EntryLineOut &out);
void WriteTtml(const TextList &entries, EntryRange range, const WriteOptions &options, EntryLineOut &out);
void WriteSubViewer2(const TextList &entries, EntryRange range, const WriteOptions &options,
                     EntryLineOut &out);
void WriteMpl2(const TextList &entries, EntryRange range, const WriteOptions &options, EntryLineOut &out);
