#include "formats/Importers.h"

#include "document/Chars.h"

// A TurboTitler subtitle is one line: the start time at characters 1 to 10,
// the end time at 12 to 21, "NTP" at 23 to 25, a blank and the text.

void ImportTurboTitler(ImportContext &ctx, std::string &firstLine, std::string &secondLine,
                       std::string &formatName) {
    WorkLines &work = ctx.WorkList;
    ctx.Begin(Alert::SameFps, ctx.BoxHeader());

    // NOTE: the times are not tested; one that is not a time is frame 0.
    while (!work.Empty() && !work.Top().empty()) {
        const std::string_view line = work.Top();
        ctx.AddAtBoxRate(Chars(line, 1, 10), Chars(line, 12, 21), CharsFrom(line, 27));
        work.DeleteTop();
    }
    ctx.HandOver(firstLine, secondLine, formatName, "TurboTitler");
}
