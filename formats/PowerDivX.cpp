#include "formats/Importers.h"
#include "formats/SingleLineFormats.h"

#include "document/Chars.h"

// A PowerDivX file: one line per subtitle, "{h:mm:ss}{h:mm:ss}text", the
// text's lines already joined with "|".

namespace {
bool IsSubtitleLine(std::string_view line) {
    return CharAt(line, 1) == '{' && CharAt(line, 9) == '}' && CharAt(line, 10) == '{' &&
           CharAt(line, 18) == '}';
}
} // namespace

void ImportPowerDivX(ImportContext &ctx, std::string &firstLine, std::string &secondLine,
                     std::string &formatName) {
    WorkLines &work = ctx.WorkList;
    ctx.Begin(Alert::SameFps, ctx.BoxHeader());
    while (!work.Empty()) {
        const std::string_view line = work.Top();
        if (IsSubtitleLine(line))
            ctx.AddAtBoxRate(Chars(line, 2, 8), Chars(line, 11, 17), Chars(line, 19, line.size()));
        work.DeleteTop();
    }
    ctx.HandOver(firstLine, secondLine, formatName, "PowerDivX");
}
