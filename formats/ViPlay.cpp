#include "formats/Importers.h"

#include "document/Chars.h"
#include "document/Legendas.h"

// A ViPlay subtitle file starts with its header line; then one subtitle a
// line: the start time at characters 1 to 12, the end time at 14 to 25 and
// the text from character 27, "|" between its lines.

void ImportViPlay(ImportContext &ctx, std::string &firstLine, std::string &secondLine,
                  std::string &formatName) {
    WorkLines &work = ctx.WorkList;
    ctx.Begin(Alert::SameFps, ctx.BoxHeader());
    work.DeleteTopIf("{* VIPLAY SUBTITLE FILE *}");

    while (!work.Empty() && !work.Top().empty()) {
        const std::string_view line = work.Top();
        // A line whose times are not both valid gives no subtitle.
        if (IsValidTime(Chars(line, 1, 12)) && IsValidTime(Chars(line, 14, 25)))
            ctx.AddAtBoxRate(Chars(line, 1, 12), Chars(line, 14, 25), CharsFrom(line, 27));
        work.DeleteTop();
    }
    ctx.HandOver(firstLine, secondLine, formatName, "ViPlay Subtitle File");
}
