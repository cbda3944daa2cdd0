#include "formats/Importers.h"

#include "document/Errors.h"
#include "formats/ImportHalves.h"
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

// Reads the blocks at the top of a list one by one, each cue as a FrameLine
// added to a list (see ImportHalves.h). Cues need no question, and no block
// depends on those before it.
class CueReader {
public:
    CueReader(WorkLines &work, Extended fps, TextList &read) : work_(work), fps_(fps), read_(read) {}

    BlockRead Next(ImportContext * /*ctx*/) {
        work_.DeleteEmptyTop();
        if (work_.Empty())
            return BlockRead::Ended;
        if (IsIgnoredBlock(work_.Top())) {
            DeleteBlock(work_);
            return BlockRead::Read;
        }
        // An identifier line before the timing line names the cue.
        if (!HasArrow(work_.Top()) && work_.Count() > 1 && HasArrow(work_.Item(1)))
            work_.DeleteTop();
        if (!HasArrow(work_.Top())) {
            // Text that belongs to no cue: a cue whose timing line is lost.
            DeleteBlock(work_);
            ++leftOut;
            return BlockRead::Read;
        }
        const std::optional<CueTiming> timing = ReadCueTiming(work_.TakeTop());
        const std::string text = TakePayload(work_);
        if (timing) {
            try {
                AddTimedFrameLine(read_, timing->start, timing->end, fps_, text);
                return BlockRead::Read;
            } catch (const ConvertError &) {
                // The default duration took the end past the 32-bit range.
            }
        }
        ++leftOut;
        return BlockRead::Read;
    }

    bool TakeOverFrom(const CueReader &back) {
        leftOut += back.leftOut;
        return true;
    }

    // Cues left out because their timing line does not read or is lost.
    std::size_t leftOut = 0;

private:
    WorkLines &work_;
    Extended fps_;
    TextList &read_;
};

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

    CueReader front(work, ctx.CurrentFps, ctx.ImportBuffer);
    const std::optional<std::size_t> cut = CutNearTheMiddle(
        work, [](const WorkLines &lines, std::size_t line) { return !lines.Item(line).empty(); });
    const auto makeBack = [&](WorkLines &back, TextList &read) {
        return CueReader(back, ctx.CurrentFps, read);
    };
    ReadAllBlocks(ctx, work, ctx.ImportBuffer, front, cut, makeBack);
    ctx.LeftOut += front.leftOut;
    ctx.HandOver(firstLine, secondLine, formatName, "WebVTT");
}
