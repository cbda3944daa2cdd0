#include "formats/Importers.h"

#include "document/Chars.h"
#include "document/NumText.h"

#include <string>
#include <string_view>

// An MPlayer 1 file: one subtitle per line, "start,end,field,text" with
// start and end as frame numbers. A ".mpl" file whose first line begins
// with "[" is of the second kind, read by the MPlayer 2 importer.

void ImportMPlayer1(ImportContext &ctx, std::string &firstLine, std::string &secondLine,
                    std::string &formatName) {
    WorkLines &work = ctx.WorkList;
    // Handed on before anything is shown, so the alert shows once.
    if (!work.Empty() && CharAt(work.Top(), 1) == '[') {
        ImportMPlayer2(ctx, firstLine, secondLine, formatName);
        return;
    }
    ctx.Begin(Alert::FpsInAvi, ctx.BoxHeader());

    for (; !work.Empty(); work.DeleteTop()) {
        const std::string_view line = work.Top();
        const auto firstComma = line.find(',');
        const auto secondComma = line.find(',', firstComma == std::string_view::npos ? 0 : firstComma + 1);
        // CHOICE: a line without its two frame numbers (an empty one among
        // them) is no subtitle and is skipped.
        if (firstComma == std::string_view::npos || secondComma == std::string_view::npos)
            continue;
        const std::string_view startText = line.substr(0, firstComma);
        const std::string_view endText = line.substr(firstComma + 1, secondComma - firstComma - 1);
        // The third field goes when it has a "," after it; texts may hold more commas.
        std::string_view text = line.substr(secondComma + 1);
        if (const auto thirdComma = text.find(','); thirdComma != std::string_view::npos)
            text.remove_prefix(thirdComma + 1);
        ctx.AddSubtitle(StrToInt(startText), StrToInt(endText), text);
    }
    ctx.HandOver(firstLine, secondLine, formatName, "MPlayer 1");
}
