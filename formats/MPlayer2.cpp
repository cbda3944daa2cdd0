#include "formats/Importers.h"

#include "document/Chars.h"
#include "formats/ImportSteps.h"

#include <optional>
#include <string>
#include <string_view>

// An MPlayer 2 file: one subtitle per line, "[start][end]text" with start
// and end in tenths of a second.

namespace {
constexpr Extended kTenthsPerSecond = 10;

struct TenthsLine {
    std::string_view start, end, text;
};

// The parts of a line that begins "[" value "][" value "]".
std::optional<TenthsLine> SplitTenthsLine(std::string_view line) {
    if (CharAt(line, 1) != '[')
        return std::nullopt;
    const auto startClose = line.find(']');
    if (startClose == std::string_view::npos || CharAt(line, startClose + 2) != '[')
        return std::nullopt;
    const auto endClose = line.find(']', startClose + 2);
    if (endClose == std::string_view::npos)
        return std::nullopt;
    return TenthsLine{line.substr(1, startClose - 1), line.substr(startClose + 2, endClose - startClose - 2),
                      line.substr(endClose + 1)};
}
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
