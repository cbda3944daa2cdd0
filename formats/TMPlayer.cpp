#include "formats/Importers.h"

#include "document/Chars.h"
#include "document/Legendas.h"

// A TMPlayer subtitle is four lines: "hh:mm:ss,1=" and "hh:mm:ss,2=" with
// the start time and the subtitle's two lines, then the same two with the
// end time and nothing after them, which clear the screen.

namespace {
std::string_view LineTime(std::string_view line) {
    return Chars(line, 1, 8);
}

// What follows "hh:mm:ss,n=".
std::string_view LineText(std::string_view line) {
    return CharsFrom(line, 12);
}
} // namespace

void ImportTMPlayer(ImportContext &ctx, std::string &firstLine, std::string &secondLine,
                    std::string &formatName) {
    WorkLines &work = ctx.WorkList;
    ctx.Begin(Alert::SameFps, ctx.PlainBoxHeader());

    while (work.Count() >= 4 && !work.Top().empty()) {
        const std::string_view startTime = LineTime(work.Item(0));
        const std::string_view endTime = LineTime(work.Item(3));
        // NOTE: a group whose times are not both valid is skipped one line at a time.
        if (IsValidTime(startTime) && IsValidTime(endTime)) {
            std::string text(LineText(work.Item(0)));
            if (const std::string_view second = LineText(work.Item(1)); !second.empty()) {
                text += '|';
                text += second;
            }
            ctx.AddAtBoxRate(startTime, endTime, text);
            for (int line = 0; line < 3; ++line)
                work.DeleteTop();
        }
        work.DeleteTop();
    }
    ctx.HandOver(firstLine, secondLine, formatName, "TMPlayer");
}
