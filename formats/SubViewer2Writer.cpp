#include "formats/Writers.h"

#include "document/Legendas.h"

// A SubViewer 2.0 file: its information header, then for each subtitle a
// time line, the lines joined with "[br]", and an empty line. The format
// has no escape: a "[br]" typed in a text reads as a line break.

void WriteSubViewer2(const TextList &entries, EntryRange range, const WriteOptions &options,
                     EntryLineOut &out) {
    if (range.WritesHead())
        for (const std::string_view line :
             {"[INFORMATION]", "[TITLE]", "[AUTHOR]", "[SOURCE]", "[PRG]", "[FILEPATH]", "[DELAY]0",
              "[CD TRACK]0", "[COMMENT]", "[END INFORMATION]", "[SUBTITLE]",
              "[COLF]&HFFFFFF,[STYLE]no,[SIZE]18,[FONT]Arial"})
            out.Add(line);
    std::string text;
    for (std::size_t i = range.from; i < range.to; ++i) {
        const TimedEntry entry = TimeEntry(entries[i], options);
        out.Entry(i);
        out.Add(ClockText(entry.start, kSubViewerClock) + "," + ClockText(entry.end, kSubViewerClock));
        // An empty line after the time line would read as the end of the file.
        text = entry.text.empty() ? " " : "";
        AppendJoinedLines(text, entry.text, "[br]", AppendUnescaped);
        out.Add(text);
        out.Add({});
    }
}
