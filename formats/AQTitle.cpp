#include "formats/Importers.h"

#include "document/Chars.h"
#include "document/NumText.h"
#include "formats/ImportSteps.h"

#include <string>
#include <string_view>

// An AQTitle file: per subtitle a start marker "-->> frame", its text lines
// and an end marker of the same form; empty lines may stand anywhere.

namespace {
bool IsMarker(std::string_view line) {
    return CharsAre(line, 1, "-->>");
}

// The frame number of a marker line, after "-->>" and one blank.
std::string_view MarkerFrame(std::string_view line) {
    return Chars(line, 6, line.size());
}
} // namespace

void ImportAQTitle(ImportContext &ctx, std::string &firstLine, std::string &secondLine,
                   std::string &formatName) {
    WorkLines &work = ctx.WorkList;
    ctx.Begin(Alert::FpsInAvi, ctx.BoxHeader());

    // NOTE: a subtitle without a start marker keeps the start of the one before it.
    std::string startText;
    while (work.Count() > 2) {
        work.DeleteEmptyTop();
        if (work.Empty())
            break;
        if (IsMarker(work.Top()))
            startText = MarkerFrame(work.Top());
        work.DeleteTop();

        work.DeleteEmptyTop();
        if (work.Empty())
            break;
        std::string text = work.TakeTop();
        work.DeleteEmptyTop();
        while (!work.Empty() && !IsMarker(work.Top())) {
            if (!work.Top().empty())
                AppendTextLine(text, work.Top());
            work.DeleteTop();
        }
        // A subtitle cut off before its end marker is not added.
        if (work.Empty())
            break;
        const std::string endText(MarkerFrame(work.TakeTop()));
        ctx.AddSubtitle(StrToInt(startText), StrToInt(endText), text);
    }
    ctx.HandOver(firstLine, secondLine, formatName, "AQTitle");
}
