// An arbitrary line through the FrameLine and time routines and the
// timeline of the preview, with a rate and a delay taken from the input itself.

#include "document/Errors.h"
#include "document/FrameLine.h"
#include "document/Legendas.h"
#include "document/NumText.h"
#include "document/TextFile.h"
#include "tests/fuzz/FuzzCheck.h"
#include "tools/SubtitleTimeline.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace {

constexpr std::array<Extended, 8> kRates = {25, 23.976L, 29.97L, 30, 24, 0, -25, 1e-4000L};
constexpr std::array<Extended, 6> kDelays = {0, 1.5L, -2, 100000, 1e300L, -0.001L};

void Line(const std::string &line, Extended fps, Extended delay) {
    const FrameLineParts parts = SplitFrameLine(line);
    FUZZ_CHECK(parts.prefix + parts.text == line);
    FUZZ_CHECK(FrameLineText(line) == parts.text);
    const FrameLineBoundTexts bounds = FrameLineBounds(line);
    FUZZ_CHECK(bounds.startText.size() + bounds.endText.size() <= parts.prefix.size());
    FUZZ_CHECK(ListedFrameLine(line).text == parts.text);

    int start = 0;
    int end = 0;
    try {
        FrameLineFrames(line, start, end);
        FUZZ_CHECK(line.empty() || (start == StrToInt(bounds.startText) && end == StrToInt(bounds.endText)));
    } catch (const ConvertError &) {
    }
    for (const std::string &frames : {bounds.startText, bounds.endText}) {
        try {
            const std::string time = FramesToTime(frames, delay, fps);
            FUZZ_CHECK(time.find('-') == std::string::npos);
            FUZZ_CHECK(time.size() >= 12);
        } catch (const ConvertError &) {
        } catch (const DivisionError &) {
            FUZZ_CHECK(fps == 0);
        }
    }
    const bool valid = IsValidTime(line);
    const int frames = TimeToFrames(line, fps);
    FUZZ_CHECK(valid || frames == 0);
}

// Every question about a timed entry's start answers inside the list and
// moves the right way.
void Timeline(const TextList &lines, Extended fps, Extended delay) {
    SubtitleTimeline timeline;
    timeline.Time(lines, fps, delay);
    for (std::size_t i = 0; i < lines.Count(); ++i) {
        const std::optional<double> start = timeline.StartOf(i);
        if (!start)
            continue;
        const std::optional<std::size_t> shown = timeline.At(*start);
        FUZZ_CHECK(!shown || *shown < lines.Count());
        if (const std::optional<double> next = timeline.NextStart(*start))
            FUZZ_CHECK(*next > *start);
        if (const std::optional<double> previous = timeline.PreviousStart(*start))
            FUZZ_CHECK(*previous < *start);
    }
}

} // namespace

// One line per input, the bytes up to the first line end: the FrameLine
// routines read one line at a time, so more lines only repeat the same paths.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    if (size < 1)
        return 0;
    const Extended fps = kRates[data[0] % kRates.size()];
    const Extended delay = kDelays[(data[0] / kRates.size()) % kDelays.size()];
    std::string_view bytes(reinterpret_cast<const char *>(data) + 1, size - 1);
    bytes = bytes.substr(0, bytes.find_first_of("\r\n"));
    const LoadedText loaded = DecodeTextLines(bytes);
    if (!loaded.lines.Empty())
        Line(std::string(loaded.lines.Item(0)), fps, delay);
    Timeline(loaded.lines, fps, delay);
    return 0;
}
