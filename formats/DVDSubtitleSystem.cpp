#include "document/Chars.h"
#include "formats/ImportSteps.h"
#include "formats/Importers.h"

// A DVD Subtitle System subtitle is a time line
// "hh:mm:ss:ff hh:mm:ss:ff text", its line breaks written "//", and the
// lines after it up to the next line with ":" at character 3 or 6. The
// same layout without any "//" in the file is Adobe Encore DVD.

namespace {
bool IsTimeLine(std::string_view line) {
    return ColonsAt(line, {3, 6, 9, 15, 18, 21}) && CharAt(line, 12) == ' ';
}

bool IsContinuationLine(std::string_view line) {
    return CharAt(line, 3) != ':' && CharAt(line, 6) != ':';
}

bool AnyLineHoldsBreaks(const WorkLines &work) {
    return work.AnyLine([](std::string_view line) { return Holds(line, "//"); });
}

// Every "//" read as a line break, from left to right ("///" gives "|/").
std::string WithLineBreaks(std::string_view text) {
    std::string result;
    result.reserve(text.size());
    for (std::size_t at = 0; at < text.size(); ++at) {
        if (text.substr(at, 2) == "//") {
            result += '|';
            ++at;
        } else {
            result += text[at];
        }
    }
    return result;
}
} // namespace

void ImportDVDSubtitleSystem(ImportContext &ctx, std::string &firstLine, std::string &secondLine,
                             std::string &formatName) {
    WorkLines &work = ctx.WorkList;
    if (!AnyLineHoldsBreaks(work)) {
        ImportAdobeEncore(ctx, firstLine, secondLine, formatName);
        return;
    }
    ctx.Begin(Alert::SameFps, ctx.BoxHeader());
    while (!work.Empty()) {
        // CHOICE: a line with ":" at character 3 or 6 but not the layout of
        // a time line starts no subtitle: it is dropped, and so are the
        // lines that would have continued it.
        if (!IsTimeLine(work.Top())) {
            work.DeleteTop();
            continue;
        }
        const std::string timeLine = work.TakeTop();
        std::string text(CharsFrom(timeLine, 25));
        while (!work.Empty() && IsContinuationLine(work.Top()))
            AppendFurtherLine(text, work.TakeTop());
        ctx.AddAtBoxRate(Chars(timeLine, 1, 11), Chars(timeLine, 13, 23), WithLineBreaks(text));
    }
    ctx.HandOver(firstLine, secondLine, formatName, "DVD Subtitle System");
}
