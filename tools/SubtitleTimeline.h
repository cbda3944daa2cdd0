#pragma once

#include "document/Numbers.h"
#include "document/TextList.h"

#include <cstddef>
#include <optional>
#include <vector>

// The list's subtitles on the film's clock, timed as the conversion times
// them (the frames at the rate, less the delay), for finding what is on
// screen at a moment of playback. Every question is a binary search, so a
// list of a million subtitles keeps up with the picture.
class SubtitleTimeline {
public:
    // Times the list anew. Entries whose bounds are no whole numbers are left
    // out; a rate that is not above zero times nothing.
    void Time(const TextList &entries, Extended fps, Extended delaySeconds);

    // The list index of the subtitle on screen at `seconds`, shown from its
    // start up to (not including) its end.
    std::optional<std::size_t> At(double seconds) const;
    // Where the list's entry at `index` starts, when it is timed.
    std::optional<double> StartOf(std::size_t index) const;
    // The start of the next subtitle after `seconds`, and of the one before.
    std::optional<double> NextStart(double seconds) const;
    std::optional<double> PreviousStart(double seconds) const;

private:
    struct Span {
        double start;
        double end;
        std::size_t index;
    };
    // In order of start.
    std::vector<Span> spans_;
    // For each span, the span at or before it that ends last: a long subtitle
    // still on screen when later, shorter ones have gone.
    std::vector<std::size_t> lastEnding_;
    // Where each entry sits in spans_; kUntimed when left out.
    std::vector<std::size_t> placeOf_;
};
