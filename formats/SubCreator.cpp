#include "document/Chars.h"
#include "formats/Importers.h"

// A SubCreator 1.x subtitle is a pair of lines: "hh:mm:ss.t:text" with the
// text's lines already joined by "|", then the clear line "hh:mm:ss.t:" at
// which the text disappears.

void ImportSubCreator(ImportContext &ctx, std::string &firstLine, std::string &secondLine,
                      std::string &formatName) {
    WorkLines &work = ctx.WorkList;
    ctx.Begin(Alert::SameFps, ctx.BoxHeader());
    while (!work.Empty()) {
        const std::string textLine = work.TakeTop();
        const std::string_view startTime = Chars(textLine, 1, 10);
        // CHOICE: a last text line without its clear line ends where it
        // starts, so it gets the default duration.
        const std::string clearLine = work.Empty() ? std::string(startTime) : work.TakeTop();
        ctx.AddAtBoxRate(startTime, Chars(clearLine, 1, 10), CharsFrom(textLine, 12));
    }
    ctx.HandOver(firstLine, secondLine, formatName, "SubCreator");
}
