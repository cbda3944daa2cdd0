#include "tools/SubtitleTimeline.h"

#include "document/FrameLine.h"
#include "document/Legendas.h"
#include "document/NumText.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr std::size_t kUntimed = std::numeric_limits<std::size_t>::max();

// CHOICE: a seek lands on the millisecond the player reports, a hair beside
// the start asked for; "next" looks past that hair, and "previous" within half
// a second of a start goes to the one before, so pressing it again walks back.
constexpr double kSeekSlack = 0.01;
constexpr double kRepeatWindow = 0.5;

} // namespace

void SubtitleTimeline::Time(const TextList &entries, Extended fps, Extended delaySeconds) {
    spans_.clear();
    lastEnding_.clear();
    placeOf_.assign(entries.Count(), kUntimed);
    if (!(fps > 0))
        return;
    spans_.reserve(entries.Count());
    for (std::size_t i = 0; i < entries.Count(); ++i) {
        const FrameLineViews source = CutFrameLine(entries[i]);
        const std::optional<int> start = TryStrToInt(source.startText);
        const std::optional<int> end = TryStrToInt(source.endText);
        if (!start || !end)
            continue;
        const auto startSeconds = static_cast<double>(FramesToSeconds(*start, delaySeconds, fps));
        const auto endSeconds = static_cast<double>(FramesToSeconds(*end, delaySeconds, fps));
        // A rate or delay beyond any film (or not a number at all) times nothing that could show.
        if (std::isfinite(startSeconds) && std::isfinite(endSeconds))
            spans_.push_back({startSeconds, endSeconds, i});
    }
    // A list fresh from the timing check is in order already; only a faulty one pays for sorting.
    const auto byStart = [](const Span &a, const Span &b) { return a.start < b.start; };
    if (!std::is_sorted(spans_.begin(), spans_.end(), byStart))
        std::stable_sort(spans_.begin(), spans_.end(), byStart);
    lastEnding_.resize(spans_.size());
    for (std::size_t place = 0; place < spans_.size(); ++place) {
        placeOf_[spans_[place].index] = place;
        const bool endsLater = place == 0 || spans_[place].end >= spans_[lastEnding_[place - 1]].end;
        lastEnding_[place] = endsLater ? place : lastEnding_[place - 1];
    }
}

std::optional<std::size_t> SubtitleTimeline::At(double seconds) const {
    const auto after = std::upper_bound(spans_.begin(), spans_.end(), seconds,
                                        [](double t, const Span &span) { return t < span.start; });
    if (after == spans_.begin())
        return std::nullopt;
    const std::size_t latest = static_cast<std::size_t>(after - spans_.begin()) - 1;
    // The subtitle that started last wins; failing that, an earlier one still on screen.
    for (const std::size_t place : {latest, lastEnding_[latest]})
        if (seconds < spans_[place].end)
            return spans_[place].index;
    return std::nullopt;
}

std::optional<double> SubtitleTimeline::StartOf(std::size_t index) const {
    if (index >= placeOf_.size() || placeOf_[index] == kUntimed)
        return std::nullopt;
    return spans_[placeOf_[index]].start;
}

std::optional<double> SubtitleTimeline::NextStart(double seconds) const {
    const auto next = std::upper_bound(spans_.begin(), spans_.end(), seconds + kSeekSlack,
                                       [](double t, const Span &span) { return t < span.start; });
    if (next == spans_.end())
        return std::nullopt;
    return next->start;
}

std::optional<double> SubtitleTimeline::PreviousStart(double seconds) const {
    const auto next = std::lower_bound(spans_.begin(), spans_.end(), seconds - kRepeatWindow,
                                       [](const Span &span, double t) { return span.start < t; });
    if (next == spans_.begin())
        return std::nullopt;
    return std::prev(next)->start;
}
