#include "formats/OutputFormats.h"

#include "formats/SubRipWriter.h"

void ConvertToSubRip(const TextList &frameLines, const SubRipTiming &timing, TextList &memoLines,
                     const std::function<void(int)> &progress) {
    memoLines.Reserve(memoLines.Count() + SubRipLineCount(frameLines));
    ListLineOut out(memoLines);
    ConvertToSubRip(frameLines, timing, out, progress);
}

void ConvertToSubRip(const TextList &frameLines, const SubRipTiming &timing, LineOut &memoLines,
                     const std::function<void(int)> &progress) {
    const std::size_t count = frameLines.Count();
    for (std::size_t i = 0; i < count; ++i) {
        AppendSubRipBlock(memoLines, i + 1, frameLines[i], timing.delaySeconds, timing.fps);
        if (progress)
            progress(ConversionProgress(i, count));
    }
}

namespace {

// The list of FrameLines is already a MicroDVD file, line for line.
TextList WriteMicroDvd(const TextList &frameLines, const SubRipTiming &) {
    return frameLines;
}

TextList WriteSubRip(const TextList &frameLines, const SubRipTiming &timing) {
    TextList memoLines;
    ConvertToSubRip(frameLines, timing, memoLines);
    return memoLines;
}

} // namespace

const std::array<OutputFormat, 2> kOutputFormats{{
    {"MicroDVD", ".sub", WriteMicroDvd},
    {"SubRip", ".srt", WriteSubRip},
}};

std::string SaveDialogFilter(const OutputFormat &format) {
    const std::string pattern = "*" + std::string(format.extension);
    return std::string(format.name) + " (" + pattern + ")|" + pattern;
}
