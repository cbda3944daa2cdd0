#include "document/Chars.h"
#include "formats/ImportSteps.h"
#include "formats/Importers.h"

// A FAB Subtitler file is a sequence of blocks: a time line of two
// timecodes "hh:mm:ss:ff  hh:mm:ss:ff", one or more text lines and an empty
// line.

void ImportFabSubtitler(ImportContext &ctx, std::string &firstLine, std::string &secondLine,
                        std::string &formatName) {
    WorkLines &work = ctx.WorkList;
    ctx.Begin(Alert::SameFps, ctx.BoxHeader());
    while (true) {
        // CHOICE: an empty line where a time line belongs (more than one
        // empty line between blocks) is skipped rather than read as a
        // subtitle without times or text.
        work.DeleteEmptyTop();
        if (work.Empty())
            break;
        const std::string timeLine = work.TakeTop();
        std::string text;
        if (!work.Empty() && !work.Top().empty())
            text = work.TakeTop();
        while (!work.Empty() && !work.Top().empty())
            AppendFurtherLine(text, work.TakeTop());
        ctx.AddAtBoxRate(Chars(timeLine, 1, 11), Chars(timeLine, 14, 24), text);
    }
    ctx.HandOver(firstLine, secondLine, formatName, "FAB Subtitler");
}
