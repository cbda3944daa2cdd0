#include "formats/Importers.h"
#include "formats/SingleLineFormats.h"

// A Pinnacle Impression file: three header lines (a rule of dashes,
// "#INPOINT OUTPOINT PATH" and another rule), one line per subtitle with the
// timecodes and the text in columns, and a closing rule.

void ImportPinnacle(ImportContext &ctx, std::string &firstLine, std::string &secondLine,
                    std::string &formatName) {
    WorkLines &work = ctx.WorkList;
    ctx.Begin(Alert::SameFps, ctx.BoxHeader());
    work.DeleteTop(3);
    // NOTE: the last line is taken for the closing rule and never read, even
    // when it holds a subtitle.
    while (work.Count() > 1) {
        AddColumnSubtitle(ctx, work.Top(), ctx.CurrentFps);
        work.DeleteTop();
    }
    ctx.HandOver(firstLine, secondLine, formatName, "Pinnacle Impression");
}
