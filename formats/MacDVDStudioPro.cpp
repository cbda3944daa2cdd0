#include "formats/Importers.h"
#include "formats/SingleLineFormats.h"

// A Mac DVD Studio Pro file: one line per subtitle, the start and end
// timecodes and the text in columns, each followed by a separator.

void ImportMacDVDStudioPro(ImportContext &ctx, std::string &firstLine, std::string &secondLine,
                           std::string &formatName) {
    WorkLines &work = ctx.WorkList;
    ctx.Begin(Alert::SameFps, ctx.BoxHeader());
    // NOTE: no line is tested for the layout: what stands at the columns is
    // converted, so a line of anything else is a subtitle at frames 0 to 23.
    while (!work.Empty()) {
        AddColumnSubtitle(ctx, work.Top(), ctx.BoxFps());
        work.DeleteTop();
    }
    ctx.HandOver(firstLine, secondLine, formatName, "Mac DVD Studio Pro");
}
