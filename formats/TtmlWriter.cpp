#include "formats/Writers.h"

#include "document/Legendas.h"

#include <cstdint>

// A TTML document: one div in the body, and a p per subtitle with its times
// and its lines parted by br.

namespace {

// XML 1.0 allows no control character but tab, even as a reference; one
// that came in from a file shows as U+FFFD, the rest is escaped as markup.
void AppendXmlEscaped(std::string_view line, std::string &out) {
    for (const char c : line) {
        const auto byte = static_cast<std::uint8_t>(c);
        if (byte < 0x20 && c != '\t')
            out += "\xEF\xBF\xBD";
        else if (c == '&' || c == '<' || c == '>')
            AppendMarkupEscaped(std::string_view(&c, 1), out);
        else
            out += c;
    }
}

} // namespace

void WriteTtml(const TextList &entries, EntryRange range, const WriteOptions &options, EntryLineOut &out) {
    if (range.WritesHead()) {
        const std::string_view tag = WrittenLanguageOf(options.language).tag;
        out.Add("<?xml version=\"1.0\" encoding=\"UTF-8\"?>");
        out.Add("<tt xmlns=\"http://www.w3.org/ns/ttml\" xml:lang=\"" + std::string(tag.substr(0, 2)) +
                "\">");
        out.Add("<body>");
        out.Add("<div>");
    }
    std::string line;
    for (std::size_t i = range.from; i < range.to; ++i) {
        const TimedEntry entry = TimeEntry(entries[i], options);
        out.Entry(i);
        line = "<p begin=\"";
        line += ClockText(entry.start, kWebVttClock);
        line += "\" end=\"";
        line += ClockText(entry.end, kWebVttClock);
        line += "\">";
        AppendJoinedLines(line, entry.text, "<br/>", AppendXmlEscaped);
        line += "</p>";
        out.Add(line);
    }
    if (range.WritesTail(entries)) {
        out.Add("</div>");
        out.Add("</body>");
        out.Add("</tt>");
    }
}
