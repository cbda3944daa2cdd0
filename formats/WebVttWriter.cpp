#include "formats/Writers.h"

#include "document/Legendas.h"

// A WebVTT file: "WEBVTT", then each cue's timing line, its lines and a
// blank line.

namespace {

// An empty line would end the cue early; a single space keeps the row.
void AppendCueLine(std::string_view line, std::string &out) {
    if (line.empty())
        out += ' ';
    AppendMarkupEscaped(line, out);
}

// A cue's text lines, escaped so that "&", "<" and ">" show as typed.
void AddPayload(std::string_view text, EntryLineOut &out) {
    if (text.empty()) {
        out.Add({});
        return;
    }
    std::string line;
    ForEachTextLine(text, [&](std::string_view typed) {
        line.clear();
        AppendCueLine(typed, line);
        out.Add(line);
    });
}

} // namespace

void WriteWebVtt(const TextList &entries, EntryRange range, const WriteOptions &options, EntryLineOut &out) {
    if (range.WritesHead()) {
        out.Add("WEBVTT");
        out.Add({});
    }
    for (std::size_t i = range.from; i < range.to; ++i) {
        const TimedEntry entry = TimeEntry(entries[i], options);
        out.Entry(i);
        out.Add(ClockText(entry.start, kWebVttClock) + " --> " + ClockText(entry.end, kWebVttClock));
        AddPayload(entry.text, out);
        if (!entry.text.empty())
            out.Add({});
    }
}
