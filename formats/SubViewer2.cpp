#include "formats/Importers.h"

#include "document/Chars.h"
#include "document/Legendas.h"

// A SubViewer 2.0 file has a header up to "[SUBTITLE]", an optional style
// line starting with "[COLF]", then subtitles: a time line "start,end", the
// text on one or more lines, and an empty line.

namespace {
// The comma that splits a time line, when the text before it is a time.
std::size_t TimeLineComma(std::string_view line) {
    const auto comma = line.find(',');
    if (comma == std::string_view::npos || !IsValidTime(line.substr(0, comma)))
        return std::string_view::npos;
    return comma;
}

// The line after the time line and, unless it is empty, the non-empty
// lines right after it, joined with "|" into `text`, whose room is reused
// from subtitle to subtitle.
void TakeText(WorkLines &work, std::string &text) {
    work.TakeTop(text);
    if (text.empty())
        return;
    for (; !work.Empty() && !work.Top().empty(); work.DeleteTop()) {
        text += '|';
        text += work.Top();
    }
}
} // namespace

void ImportSubViewer2(ImportContext &ctx, std::string &firstLine, std::string &secondLine,
                      std::string &formatName) {
    WorkLines &work = ctx.WorkList;
    ctx.Begin(Alert::SameFps, ctx.BoxHeader());
    work.DeleteThrough("[SUBTITLE]");
    if (!work.Empty() && CharsAre(work.Top(), 1, "[COLF]"))
        work.DeleteTop();

    // Empty lines before the first subtitle are skipped. After it, the
    // empty line that separates subtitles is read with the subtitle.
    // NOTE: an empty line at the top is then the second one in a row, and
    // it ends the list.
    bool subtitleSeen = false;
    std::string timeLine;
    std::string text;
    while (!work.Empty()) {
        if (work.Top().empty()) {
            if (subtitleSeen)
                break;
            work.DeleteTop();
            continue;
        }
        // A time line with its text line makes a subtitle, the last lines of the file among them.
        if (const auto comma = TimeLineComma(work.Top());
            comma != std::string_view::npos && work.Count() >= 2) {
            subtitleSeen = true;
            work.TakeTop(timeLine);
            TakeText(work, text);
            ctx.AddAtBoxRate(std::string_view(timeLine).substr(0, comma),
                             std::string_view(timeLine).substr(comma + 1), text);
        }
        // The empty separator, or a line that is no time line.
        if (!work.Empty())
            work.DeleteTop();
    }
    ctx.HandOver(firstLine, secondLine, formatName, "SubViewer 2.0");
}
