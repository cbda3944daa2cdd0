#include "formats/Importers.h"

#include "document/Chars.h"

// A SubViewer 1.0 file has a header up to "[BEGIN]", an optional start
// line, then subtitles of four lines: "[hh:mm:ss]", the text with "|"
// between its lines, "[hh:mm:ss]" and a separator. "[end]" closes the list.

namespace {
constexpr std::string_view kStartScript = "******** START SCRIPT ********";

// The time inside the square brackets of a time line.
std::string_view BracketedTime(std::string_view line) {
    return Chars(line, 2, 9);
}
} // namespace

void ImportSubViewer1(ImportContext &ctx, std::string &firstLine, std::string &secondLine,
                      std::string &formatName) {
    WorkLines &work = ctx.WorkList;
    ctx.Begin(Alert::SameFps, ctx.BoxHeader());
    work.DeleteThrough("[BEGIN]");
    work.DeleteTopIf(kStartScript);

    // NOTE: whatever follows "[end]" is dropped with it.
    // A last subtitle whose separator is missing still counts, so three
    // lines are enough.
    while (work.Count() >= 3 && work.Top() != "[end]") {
        ctx.AddAtBoxRate(BracketedTime(work.Item(0)), BracketedTime(work.Item(2)), work.Item(1));
        for (int line = 0; line < 4 && !work.Empty(); ++line)
            work.DeleteTop();
    }
    ctx.HandOver(firstLine, secondLine, formatName, "SubViewer 1.0");
}
