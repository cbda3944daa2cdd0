#include "formats/Importers.h"
#include "formats/SingleLineFormats.h"

// A DVD Junior file: the header line "Subtitle File Mark...", then one line
// per subtitle, "start&end#text", the text using "<" as its line break.

void ImportDVDJunior(ImportContext &ctx, std::string &firstLine, std::string &secondLine,
                     std::string &formatName) {
    WorkLines &work = ctx.WorkList;
    ctx.Begin(Alert::SameFps, ctx.BoxHeader());
    work.DeleteTop(1);
    DVDJuniorLine parts;
    while (!work.Empty()) {
        // CHOICE: a line without "&" or without "#" after it holds no
        // subtitle and is skipped, rather than reusing the times of the line before.
        if (SplitDVDJuniorLine(work.Top(), parts))
            ctx.AddAtBoxRate(parts.start, parts.end, parts.text);
        work.DeleteTop();
    }
    ctx.HandOver(firstLine, secondLine, formatName, "DVDJunior");
}
