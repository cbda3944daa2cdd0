#include "formats/Importers.h"

// An SBT file is a sequence of four-line records: start time, end time,
// first text line, second text line.

namespace {
// The record's line, or an empty one where a short last record has none.
std::string RecordLine(const WorkLines &work, std::size_t index) {
    return index < work.Count() ? std::string(work.Item(index)) : std::string();
}

constexpr std::size_t kRecordLines = 4;
} // namespace

void ImportSBT(ImportContext &ctx, std::string &firstLine, std::string &secondLine, std::string &formatName) {
    WorkLines &work = ctx.WorkList;
    ctx.Begin(Alert::SameFps, ctx.BoxHeader());
    while (!work.Empty()) {
        const std::string startTime = RecordLine(work, 0);
        const std::string endTime = RecordLine(work, 1);
        std::string text = RecordLine(work, 2);
        const std::string secondTextLine = RecordLine(work, 3);
        // An empty second line adds nothing; an empty first line leaves the second alone.
        if (!secondTextLine.empty())
            text = text.empty() ? secondTextLine : text + "|" + secondTextLine;
        work.DeleteTop(kRecordLines);
        ctx.AddAtBoxRate(startTime, endTime, text);
    }
    ctx.HandOver(firstLine, secondLine, formatName, "SBT");
}
