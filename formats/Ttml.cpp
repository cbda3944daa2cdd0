#include "formats/Importers.h"

#include "document/Errors.h"
#include "document/Legendas.h"
#include "document/NumText.h"
#include "document/OwnMessages.h"
#include "formats/TtmlReader.h"

#include <algorithm>

// A timed-text (TTML or DFXP) document: each paragraph of its body is a
// subtitle, its line breaks become "|".

namespace {

// The frame of a time as SubRip's importer finds it for the same clock
// text, so a time gives the same frame in every format that writes it to
// the millisecond; the microsecond is as fine as the text gets. None when
// the frame does not fit in 32 bits.
std::optional<int> FrameAt(Extended seconds, Extended fps) {
    if (!(seconds >= 0 && seconds < 1e12L) || !TryToInt32(RoundHalfEven(seconds * fps)))
        return std::nullopt;
    const auto micro = static_cast<long long>(RoundHalfEven(seconds * 1'000'000));
    std::string fraction = IntToStr(1'000'000 + micro % 1'000'000);
    fraction[0] = '.';
    return TimeToFrames(IntToStr(micro / 3'600'000'000) + ":" + IntToStr(micro / 60'000'000 % 60) + ":" +
                            IntToStr(micro / 1'000'000 % 60) + fraction,
                        fps);
}

std::string JoinedLines(const WorkLines &work) {
    std::size_t size = 0;
    for (std::size_t i = 0; i < work.Count(); ++i)
        size += work.Item(i).size() + 1;
    std::string text;
    text.reserve(size);
    for (std::size_t i = 0; i < work.Count(); ++i)
        text.append(work.Item(i)).push_back('\n');
    return text;
}

} // namespace

void ImportTtml(ImportContext &ctx, std::string &firstLine, std::string &secondLine,
                std::string &formatName) {
    std::optional<TtmlDocument> document = ReadTtml(JoinedLines(ctx.WorkList));
    if (!document)
        return;
    const std::size_t lineCount = ctx.WorkList.Count();
    ctx.Begin(Alert::SameFps, ctx.ValueHeader());
    std::size_t leftOut = document->leftOut;
    for (const TtmlCue &cue : document->cues) {
        const auto start = FrameAt(cue.begin, ctx.CurrentFps);
        const auto end = FrameAt(cue.end, ctx.CurrentFps);
        try {
            if (start && end) {
                ctx.AddSubtitle(*start, *end, cue.text);
                continue;
            }
        } catch (const ConvertError &) {
            // The default duration took the end past the 32-bit range.
        }
        ++leftOut;
    }
    document->cues = {};
    ctx.LeftOut += leftOut;
    ctx.HandOver(firstLine, secondLine, formatName, "TTML");
    if (document->brokenAtLine)
        // The parser counts the end after the last line end as a line of its own.
        ctx.UI.ShowMessage(BrokenOffText(std::min(*document->brokenAtLine, lineCount), ctx.Language));
}
