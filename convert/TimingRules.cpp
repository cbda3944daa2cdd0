#include "convert/TimingRules.h"

#include "document/FrameLine.h"
#include "document/NumText.h"
#include "document/TwoThreads.h"

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

namespace {

// A subtitle that is left without length gets this many frames, a little
// under one second at the usual rates; the importers use the same 23.
constexpr int kDefaultDuration = 23;

// Sums of frame numbers go through Extended so that one beyond the 32-bit
// range is a conversion error rather than a wrapped number.
int FrameAfter(int frame, int frames) {
    return ToInt32(static_cast<Extended>(frame) + frames);
}

struct TimedEntry {
    int start;
    int end;
    std::string_view line;
};

// The entries in order of their start frames. An entry that starts before
// the one above it is put in its place rather than pushed behind it, so one
// stray entry (a credits line saved first, say) cannot drag every later
// subtitle to its time. The sort is stable: entries that start together
// keep their order, and a list already in order is left as it is.
std::vector<TimedEntry> EntriesByStart(const TextList &frameLines) {
    std::vector<TimedEntry> entries;
    entries.reserve(frameLines.Count());
    for (std::size_t i = 0; i < frameLines.Count(); ++i) {
        TimedEntry entry{0, 0, frameLines[i]};
        FrameLineFrames(entry.line, entry.start, entry.end);
        entries.push_back(entry);
    }
    const auto byStart = [](const TimedEntry &a, const TimedEntry &b) { return a.start < b.start; };
    if (!std::is_sorted(entries.begin(), entries.end(), byStart))
        std::stable_sort(entries.begin(), entries.end(), byStart);
    return entries;
}

} // namespace

namespace {

// The faults of the entries from `from` (at least 1) to `to`, each judged
// with the entry before it.
TextList FaultsBetween(const TextList &frameLines, std::size_t from, std::size_t to) {
    TextList faults;
    int start = 0;
    int end = 0;
    FrameLineFrames(frameLines[from - 1], start, end);
    for (std::size_t i = from; i < to; ++i) {
        const int prevEnd = end;
        FrameLineFrames(frameLines[i], start, end);
        if (start <= prevEnd)
            faults.Add(IntToStr(static_cast<long long>(i)));
        if (start >= end)
            faults.Add(IntToStr(static_cast<long long>(i)));
    }
    return faults;
}

// CHOICE: a list below this many entries is checked on one thread.
constexpr std::size_t kHalvedFrom = 100000;

} // namespace

TextList FindTimingFaults(const TextList &frameLines) {
    const std::size_t count = frameLines.Count();
    if (!TwoThreadsFor(count, kHalvedFrom))
        return FaultsBetween(frameLines, 1, count);
    auto [faults, back] = BothHalves([&] { return FaultsBetween(frameLines, 1, count / 2); },
                                     [&] { return FaultsBetween(frameLines, count / 2, count); });
    faults.AddAll(std::move(back));
    return faults;
}

namespace {
// The last piece the correction made, kept back until the next entry says
// whether it is cut.
struct Piece {
    int start;
    int end;
    std::string text;
};

// An entry within the piece before it: it starts at or after the piece's
// start and at or before its end, and ends after its start and at or before
// the piece's end. Players show such stacked subtitles together (a sign and a
// line of dialogue, two speakers).
bool LiesWithin(const TimedEntry &entry, const Piece &piece) {
    return entry.start >= piece.start && entry.start <= piece.end && entry.end > entry.start &&
           entry.end <= piece.end;
}
} // namespace

TextList CorrectedTiming(const TextList &frameLines) {
    const std::vector<TimedEntry> entries = EntriesByStart(frameLines);
    TextList corrected;
    if (entries.empty())
        return corrected;
    corrected.Reserve(entries.size());
    Piece last{entries[0].start, entries[0].end, std::string(FrameLineTextView(entries[0].line))};
    std::string shared;
    for (std::size_t i = 1; i < entries.size(); ++i) {
        const TimedEntry &entry = entries[i];
        const std::string_view text = FrameLineTextView(entry.line);
        if (LiesWithin(entry, last)) {
            // The piece before is cut around the entry, and the time they
            // share shows both texts.
            if (entry.start > last.start)
                AddFrameLine(corrected, last.start, entry.start - 1, last.text);
            if (entry.end < last.end) {
                shared.assign(last.text).append("|").append(text);
                AddFrameLine(corrected, entry.start, entry.end, shared);
                last.start = entry.end + 1;
            } else {
                // Appended in place, so a run of identical spans stays linear.
                last.start = entry.start;
                last.text.append("|").append(text);
            }
            continue;
        }
        AddFrameLine(corrected, last.start, last.end, last.text);
        int start = entry.start;
        int end = entry.end;
        if (last.end >= start)
            start = FrameAfter(last.end, 1);
        if (start >= end)
            end = FrameAfter(start, kDefaultDuration);
        last = Piece{start, end, std::string(text)};
    }
    AddFrameLine(corrected, last.start, last.end, last.text);
    return corrected;
}
