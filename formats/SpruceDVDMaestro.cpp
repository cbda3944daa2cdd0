#include "formats/Importers.h"
#include "formats/SingleLineFormats.h"

#include "document/Chars.h"

// A Spruce DVD Maestro (.son) file: settings lines, then one line per
// subtitle from "0001" on: the number, the start and end timecodes at
// characters 7 and 19, the text from character 31, "-" marking a line break.

namespace {
bool IsSubtitleLine(std::string_view line) {
    for (std::size_t position : {9, 12, 15, 21, 24, 27})
        if (CharAt(line, position) != ':')
            return false;
    return true;
}
} // namespace

void ImportSpruceDVDMaestro(ImportContext &ctx, std::string &firstLine, std::string &secondLine,
                            std::string &formatName) {
    WorkLines &work = ctx.WorkList;
    ctx.Begin(Alert::SameFps, ctx.BoxHeader());
    while (!work.Empty() && !work.Top().starts_with("0001"))
        work.DeleteTop();
    while (!work.Empty()) {
        const std::string_view line = work.Top();
        if (IsSubtitleLine(line))
            ctx.AddAtBoxRate(Chars(line, 7, 17), Chars(line, 19, 29),
                             SpruceMaestroText(Chars(line, 31, line.size())));
        work.DeleteTop();
    }
    ctx.HandOver(firstLine, secondLine, formatName, "Spruce DVD Maestro");
}
