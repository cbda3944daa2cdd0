#include "convert/SubRipConversion.h"

#include "convert/TimingQuestions.h"
#include "document/MessageTable.h"
#include "document/NumText.h"
#include "document/TextFile.h"
#include "formats/OutputFormats.h"
#include "formats/SubRipWriter.h"

#include <optional>

namespace {

// Offers the correction of the list's timing faults, then reads the boxes;
// nothing to convert for an empty list.
std::optional<SubRipTiming> TimingToConvert(TextList &frameLines, const SubRipRequest &request,
                                            Questions &questions) {
    if (frameLines.Empty())
        return std::nullopt;
    // Either answer goes on to convert whatever the list then holds.
    const TextList faults = TimingFaultsOf(frameLines);
    if (!faults.Empty())
        OfferTimingCorrection(frameLines, faults, questions, request.language, request.pointedAt);
    const Extended fps = StrToFloat(request.fpsText);
    const Extended delay = StrToFloat(request.delayText);
    return SubRipTiming{fps, delay};
}

void AnnounceSuccess(const SubRipRequest &request, Questions &questions) {
    if (request.announceSuccess)
        questions.ShowMessage(MessageText(MessageRow::Success, request.language));
}

// The subtitle that a line of the SubRip text belongs to, as the memo tells
// it: the search for a number line above it never leaves the line's own
// block, which starts with one, so only that block is made again.
std::size_t SubtitleOfSubRipLine(const TextList &frameLines, const SubRipTiming &timing, std::size_t line) {
    TextList block;
    ListLineOut out(block);
    std::size_t start = 0;
    for (std::size_t i = 0; i < frameLines.Count(); ++i) {
        block.Clear();
        AppendSubRipBlock(out, i + 1, frameLines[i], timing.delaySeconds, timing.fps);
        if (line < start + block.Count())
            return SubRipSubtitleOf(block, line - start);
        start += block.Count();
    }
    return line + 1;
}

} // namespace

TextList ConvertListToSubRip(TextList &frameLines, const SubRipRequest &request, Questions &questions,
                             const std::function<void(int)> &progress) {
    TextList subRip;
    if (const std::optional<SubRipTiming> timing = TimingToConvert(frameLines, request, questions)) {
        ConvertToSubRip(frameLines, *timing, subRip, progress);
        AnnounceSuccess(request, questions);
    }
    return subRip;
}

void SaveListAsSubRip(TextList &frameLines, const SubRipRequest &request, Questions &questions,
                      const std::string &fileName, const TextEncoding &encoding) {
    const std::optional<SubRipTiming> timing = TimingToConvert(frameLines, request, questions);
    try {
        WriteTextFile(fileName, encoding, [&](LineOut &out) {
            if (!timing)
                return;
            ConvertToSubRip(frameLines, *timing, out);
            AnnounceSuccess(request, questions);
        });
    } catch (const EncodingError &error) {
        if (!timing)
            throw;
        throw UnencodableSubtitle(error, SubtitleOfSubRipLine(frameLines, *timing, error.line));
    }
}
