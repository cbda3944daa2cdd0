#include "formats/Importers.h"
#include "formats/SingleLineFormats.h"

#include "document/Chars.h"

// A Captions 32 file: one line per subtitle, "start , end , " and two
// blank-padded text fields of fixed width separated by "|".

void ImportCaptions32(ImportContext &ctx, std::string &firstLine, std::string &secondLine,
                      std::string &formatName) {
    WorkLines &work = ctx.WorkList;
    ctx.Begin(Alert::SameFps, ctx.BoxHeader());
    while (!work.Empty()) {
        const std::string_view line = work.Top();
        ctx.AddAtBoxRate(Chars(line, 1, 11), Chars(line, 15, 25),
                         Captions32Text(Chars(line, 29, line.size())));
        work.DeleteTop();
    }
    ctx.HandOver(firstLine, secondLine, formatName, "Captions32");
}
