#include "formats/Writers.h"

#include "document/NumText.h"

// A SAMI document: a head whose style names one language class, then a
// SYNC with the subtitle's lines for each start, and a clearing SYNC at
// each end that the next subtitle does not start at.

namespace {

void AddHead(const WrittenLanguage &language, EntryLineOut &out) {
    out.Add("<SAMI>");
    out.Add("<HEAD>");
    out.Add("<STYLE TYPE=\"text/css\">");
    out.Add("<!--");
    out.Add("P { margin-left: 8pt; margin-right: 8pt; margin-bottom: 2pt; margin-top: 2pt; "
            "text-align: center; font-size: 20pt; font-family: Arial; font-weight: normal; color: white; }");
    out.Add("." + std::string(language.samiClass) + " { Name: " + std::string(language.name) +
            "; lang: " + std::string(language.tag) + "; SAMIType: CC; }");
    out.Add("-->");
    out.Add("</STYLE>");
    out.Add("</HEAD>");
    out.Add("<BODY>");
}

std::string SyncLine(long long milliseconds, std::string_view pTag) {
    std::string line = "<SYNC Start=";
    line += IntToStr(milliseconds);
    line += '>';
    line += pTag;
    return line;
}

} // namespace

void WriteSami(const TextList &entries, EntryRange range, const WriteOptions &options, EntryLineOut &out) {
    const WrittenLanguage &language = WrittenLanguageOf(options.language);
    if (range.WritesHead())
        AddHead(language, out);
    const std::string pTag = "<P Class=" + std::string(language.samiClass) + ">";
    std::string line;
    for (std::size_t i = range.from; i < range.to; ++i) {
        const TimedEntry entry = TimeEntry(entries[i], options);
        out.Entry(i);
        // HTML: "&", "<" and ">" as references, so that they show as typed.
        line = SyncLine(entry.start, pTag);
        AppendJoinedLines(line, entry.text, "<br>", AppendMarkupEscaped);
        out.Add(line);
        // The last subtitle is cleared too; so is one the next starts before.
        const bool nextStartsThen =
            i + 1 < entries.Count() && TimeEntry(entries[i + 1], options).start == entry.end;
        if (!nextStartsThen)
            out.Add(SyncLine(entry.end, pTag) + "&nbsp;");
    }
    if (range.WritesTail(entries)) {
        out.Add("</BODY>");
        out.Add("</SAMI>");
    }
}
