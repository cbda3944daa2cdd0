#pragma once

#include "document/LineOut.h"
#include "document/Numbers.h"
#include "document/TextList.h"

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

// What a conversion to SubRip needs besides the list: the rate its frames
// count in and the delay, in seconds taken off every time.
struct SubRipTiming {
    Extended fps;
    Extended delaySeconds;
};

// Converts every FrameLine into its SubRip block, appended to memoLines one
// item per line; progress, when given, hears the progress bar's position after
// each entry. An entry whose bounds do not convert throws ConvertError and
// leaves the blocks before it in memoLines.
void ConvertToSubRip(const TextList &frameLines, const SubRipTiming &timing, TextList &memoLines,
                     const std::function<void(int)> &progress = {});

// The same conversion, each line handed over as it is made.
void ConvertToSubRip(const TextList &frameLines, const SubRipTiming &timing, LineOut &memoLines,
                     const std::function<void(int)> &progress = {});

// One format a subtitle list is saved in. Adding a format is one row here
// and one writer.
struct OutputFormat {
    std::string_view name;
    std::string_view extension; // with its dot
    // The lines of the file made from the list of FrameLines.
    TextList (*write)(const TextList &frameLines, const SubRipTiming &timing);
};

// The formats in the order of the window's save-format box: MicroDVD is the
// list itself, SubRip its conversion.
extern const std::array<OutputFormat, 2> kOutputFormats;
inline const OutputFormat &MicroDvdOutput() {
    return kOutputFormats[0];
}
inline const OutputFormat &SubRipOutput() {
    return kOutputFormats[1];
}

// The save dialog's filter of a format: "SubRip (*.srt)|*.srt".
std::string SaveDialogFilter(const OutputFormat &format);
