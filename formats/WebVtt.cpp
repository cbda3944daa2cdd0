#include "formats/Importers.h"

#include "document/Errors.h"
#include "formats/ImportSteps.h"
#include "formats/WebVttText.h"

#include <string_view>

// A WebVTT file starts with "WEBVTT" and a header that ends at the first
// empty line. Blocks follow, each ended by an empty line: a cue is an
// optional identifier line, a timing line "[hh:]mm:ss.ttt --> [hh:]mm:ss.ttt"
// with optional settings, and its payload lines; NOTE, STYLE and REGION
// blocks say nothing about the subtitles.

namespace {

bool HasArrow(std::string_view line) {
    return Holds(line, "-->");
}

bool IsIgnoredBlock(std::string_view firstLine) {
    return StartsWithWord(firstLine, "NOTE") || StartsWithWord(firstLine, "STYLE") ||
           StartsWithWord(firstLine, "REGION");
}

void DeleteBlock(WorkLines &work) {
    while (!work.Empty() && !work.Top().empty())
        work.DeleteTop();
}

// The cue's payload lines up to the empty line that ends the cue, or up
// to a timing line when a writer left that empty line out.
std::string TakePayload(WorkLines &work) {
    std::string text;
    CueTextReader reader;
    while (!work.Empty() && !work.Top().empty() && !HasArrow(work.Top())) {
        const std::string line = reader.Line(work.Top());
        // Lines that show nothing, as the auto-generated captions' single
        // blanks, are no subtitle lines.
        if (line.find_first_not_of(" \t") != std::string::npos)
            AppendTextLine(text, line);
        work.DeleteTop();
    }
    return text;
}

} // namespace

void ImportWebVtt(ImportContext &ctx, std::string &firstLine, std::string &secondLine,
                  std::string &formatName) {
    WorkLines &work = ctx.WorkList;
    if (work.Empty() || !IsWebVttSignature(work.Top()))
        return;
    ctx.Begin(Alert::SameFps, ctx.ValueHeader());

    // CHOICE: a timing line ends the header too, so a file that lacks the
    // empty line after its header loses no cue.
    work.DeleteTop();
    while (!work.Empty() && !work.Top().empty() && !HasArrow(work.Top()))
        work.DeleteTop();

    std::size_t leftOut = 0;
    while (true) {
        work.DeleteEmptyTop();
        if (work.Empty())
            break;
        if (IsIgnoredBlock(work.Top())) {
            DeleteBlock(work);
            continue;
        }
        // An identifier line before the timing line names the cue.
        if (!HasArrow(work.Top()) && work.Count() > 1 && HasArrow(work.Item(1)))
            work.DeleteTop();
        if (!HasArrow(work.Top())) {
            // Text that belongs to no cue: a cue whose timing line is lost.
            DeleteBlock(work);
            ++leftOut;
            continue;
        }
        const std::optional<CueTiming> timing = ReadCueTiming(work.TakeTop());
        const std::string text = TakePayload(work);
        bool added = false;
        if (timing) {
            try {
                ctx.AddTimedSubtitle(timing->start, timing->end, ctx.CurrentFps, text);
                added = true;
            } catch (const ConvertError &) {
                // The default duration took the end past the 32-bit range.
            }
        }
        if (!added)
            ++leftOut;
    }
    ctx.LeftOut += leftOut;
    ctx.HandOver(firstLine, secondLine, formatName, "WebVTT");
}
