#include "formats/Importers.h"

#include "formats/ImportSteps.h"
#include "formats/SingleLineFormats.h"

#include <string>
#include <string_view>

// An MPlayer 2 file: one subtitle per line, "[start][end]text" with start
// and end in tenths of a second.

namespace {
constexpr Extended kTenthsPerSecond = 10;
} // namespace

void ImportMPlayer2(ImportContext &ctx, std::string &firstLine, std::string &secondLine,
                    std::string &formatName) {
    WorkLines &work = ctx.WorkList;
    ctx.Begin(Alert::FpsInAvi, ctx.BoxHeader());

    for (; !work.Empty(); work.DeleteTop()) {
        // CHOICE: a line that does not begin with the two values in brackets
        // (an empty line, a line of other text) is no subtitle and is skipped.
        const auto parts = SplitTenthsLine(work.Top());
        if (!parts)
            continue;
        const Extended fps = ctx.BoxFps();
        ctx.AddSubtitle(UnitsToFrame(parts->start, fps, kTenthsPerSecond),
                        UnitsToFrame(parts->end, fps, kTenthsPerSecond), parts->text);
    }
    ctx.HandOver(firstLine, secondLine, formatName, "MPlayer 2");
}
