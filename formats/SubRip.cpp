#include "formats/Importers.h"

#include "document/NumText.h"
#include "formats/ImportHalves.h"
#include "formats/SubRipBlocks.h"
#include "formats/SubRipTimes.h"

#include <optional>

namespace {

// A block the back half may start at: a number, which tells how many blocks
// come before it when the file is numbered from 1, and its time line.
std::optional<int> BlocksBefore(const WorkLines &work, std::size_t line) {
    const std::optional<int> number = TryStrToInt(work.Item(line));
    if (number && *number > 0 && line + 1 < work.Count() && LooksLikeSubRipTimeLine(work.Item(line + 1)))
        return *number - 1;
    return std::nullopt;
}

} // namespace

void ImportSubRip(ImportContext &ctx, std::string &firstLine, std::string &secondLine,
                  std::string &formatName) {
    WorkLines &work = ctx.WorkList;
    // CHOICE: a file of a single line declines rather than failing on the
    // missing second line.
    if (work.Count() < 2 || !(LooksLikeSubRipTimeLine(work.Item(0)) ||
                              (TryStrToInt(work.Item(0)) && LooksLikeSubRipTimeLine(work.Item(1)))))
        return;

    ctx.Begin(Alert::SameFps, ctx.ValueHeader());
    SubRipBlockReader front(work, ctx.CurrentFps, ctx.ImportBuffer);
    // The back half is read as though the file's numbering held up to the cut.
    const std::optional<std::size_t> cut = CutNearTheMiddle(
        work, [](const WorkLines &lines, std::size_t line) { return BlocksBefore(lines, line).has_value(); });
    const auto makeBack = [&](WorkLines &back, TextList &read) {
        return SubRipBlockReader(back, ctx.CurrentFps, read, *BlocksBefore(back, 1));
    };
    if (!ReadAllBlocks(ctx, work, ctx.ImportBuffer, front, cut, makeBack))
        return;
    ctx.LeftOut += front.leftOut;
    ctx.HandOver(firstLine, secondLine, formatName, "SubRip");
}
