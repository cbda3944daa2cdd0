#include "document/Chars.h"
#include "formats/ImportSteps.h"
#include "formats/Importers.h"

#include <optional>

// A Sonic DVD Creator subtitle is a block: a time line
// "0001  hh:mm:ss:ff  hh:mm:ss:ff  text", further text lines and an empty line.

namespace {
bool IsTimeLine(std::string_view line) {
    return ColonsAt(line, {9, 12, 15, 22, 25, 28});
}

struct Block {
    std::string startTime;
    std::string endTime;
    std::string text;
};

void AddBlock(ImportContext &ctx, const Block &block) {
    ctx.AddAtBoxRate(block.startTime, block.endTime, block.text);
}
} // namespace

void ImportSonicDVDCreator(ImportContext &ctx, std::string &firstLine, std::string &secondLine,
                           std::string &formatName) {
    WorkLines &work = ctx.WorkList;
    ctx.Begin(Alert::SameFps, ctx.BoxHeader());
    std::optional<Block> building;
    while (!work.Empty()) {
        const std::string line = work.TakeTop();
        if (IsTimeLine(line)) {
            // CHOICE: a time line right after a block's text, without the
            // empty line between, completes that block rather than losing it.
            if (building)
                AddBlock(ctx, *building);
            building = Block{std::string(Chars(line, 7, 17)), std::string(Chars(line, 20, 30)),
                             std::string(CharsFrom(line, 33))};
        } else if (line.empty()) {
            // Further empty lines before the next time line add nothing.
            if (building)
                AddBlock(ctx, *building);
            building.reset();
        } else if (building) {
            AppendFurtherLine(building->text, line);
        }
        // CHOICE: a text line outside any block (before the first time line,
        // or after the empty line that ended one) belongs to no subtitle
        // and is left out.
    }
    if (building)
        AddBlock(ctx, *building);
    ctx.HandOver(firstLine, secondLine, formatName, "Sonic DVD Creator");
}
