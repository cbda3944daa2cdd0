#include "formats/Writers.h"

#include "document/Legendas.h"
#include "document/NumText.h"

// An MPL2 file: one subtitle per line, "[start][end]text" in tenths of a
// second, "|" between lines as in the list. The format has no escape: a line
// that begins with "/" reads as italic.

void WriteMpl2(const TextList &entries, EntryRange range, const WriteOptions &options, EntryLineOut &out) {
    std::string line;
    for (std::size_t i = range.from; i < range.to; ++i) {
        const TimedEntry entry = TimeEntry(entries[i], options);
        out.Entry(i);
        line = '[';
        line += IntToStr(RoundToUnit(entry.start, 100));
        line += "][";
        line += IntToStr(RoundToUnit(entry.end, 100));
        line += ']';
        AppendJoinedLines(line, entry.text, "|", AppendUnescaped);
        out.Add(line);
    }
}
