#include "document/Chars.h"
#include "formats/ImportSteps.h"
#include "formats/Importers.h"

// An Adobe Encore DVD subtitle starts with a time line
// "hh:mm:ss:ff hh:mm:ss:ff text"; the lines after it up to the next time
// line are its further lines.

namespace {
bool IsTimeLine(std::string_view line) {
    return ColonsAt(line, {3, 6, 9});
}
} // namespace

void ImportAdobeEncore(ImportContext &ctx, std::string &firstLine, std::string &secondLine,
                       std::string &formatName) {
    WorkLines &work = ctx.WorkList;
    ctx.Begin(Alert::SameFps, ctx.BoxHeader());
    std::string_view startTime;
    std::string_view endTime;
    std::string timeLine;
    std::string text;
    while (!work.Empty()) {
        std::string current = work.TakeTop();
        if (IsTimeLine(current)) {
            timeLine = std::move(current);
            startTime = Chars(timeLine, 1, 11);
            endTime = Chars(timeLine, 13, 23);
            text = CharsFrom(timeLine, 25);
        }
        // Each pass looks one line ahead: the subtitle is complete when the
        // next line starts another one or the file ends. A further line is
        // taken into the text here and only deleted in the next pass.
        if (work.Empty() || IsTimeLine(work.Top()))
            ctx.AddAtBoxRate(startTime, endTime, text);
        else
            // NOTE: an empty line inside a block is a further line too,
            // and leaves an empty line in the text ("One||two").
            AppendFurtherLine(text, work.Top());
    }
    ctx.HandOver(firstLine, secondLine, formatName, "Adobe Encore DVD");
}
