#include "formats/Importers.h"

#include "document/Legendas.h"
#include "formats/SingleLineFormats.h"

#include <string>
#include <string_view>
#include <vector>

// The classic TMPlayer layout: one line a subtitle, "hh:mm:ss:text" (also
// "hh:mm:ss=text" and "h:mm:ss:text") with "|" between the subtitle's
// lines. Only the start is given: a subtitle lasts until the next line's
// time, and a line without text only clears the screen.

namespace {
struct Timed {
    int start;
    std::string_view text;
};
} // namespace

void ImportTMPlayerOneLine(ImportContext &ctx, std::string &firstLine, std::string &secondLine,
                           std::string &formatName) {
    WorkLines &work = ctx.WorkList;
    ctx.Begin(Alert::SameFps, ctx.PlainBoxHeader());

    // CHOICE: a line of another shape (an empty one among them) is no
    // subtitle and is skipped.
    const Extended fps = ctx.BoxFps();
    std::vector<Timed> lines;
    for (std::size_t i = 0; i < work.Count(); ++i)
        if (const auto parts = SplitClockLine(work.Item(i)))
            lines.push_back({TimeToFrames(parts->time, fps), parts->text});

    // CHOICE: the last subtitle, and one whose successor starts with it,
    // lasts the default duration of 23 frames, as a last SAMI cue does.
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].text.empty())
            continue;
        const int end = i + 1 < lines.size() ? lines[i + 1].start : lines[i].start;
        ctx.AddSubtitle(lines[i].start, end, lines[i].text);
    }
    ctx.HandOver(firstLine, secondLine, formatName, "TMPlayer (one line)");
}
