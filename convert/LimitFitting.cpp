#include "convert/LimitFitting.h"

#include "document/FrameLine.h"
#include "document/NumText.h"
#include "document/TextWidth.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>

namespace {

long long Length(std::string_view text) {
    return TextWidth(text);
}

long long Length(std::string_view a, std::string_view b) {
    return Length(a) + Length(b);
}

// One word: no space before its last word and no CJK break.
bool IsOneWord(std::string_view line) {
    const std::size_t lastWordEnd = line.find_last_not_of(' ');
    return lastWordEnd == std::string_view::npos ||
           (line.substr(0, lastWordEnd).find(' ') == std::string_view::npos && FirstCjkBreak(line) == 0);
}

// FitsLine for a line already counted: counting is most of the fitting's work.
bool Fits(std::string_view line, long long width, int maxLine) {
    return width <= maxLine || IsOneWord(line);
}

void PutInFront(std::string &text, std::string_view front) {
    if (!front.empty())
        text = Joined(front, text);
}

// The lone full stops that a cut leaves at the end of a group, or alone in
// its overflow, go; the lines in front of them stay.
void DropLoneFullStops(std::span<std::string *> lines, std::string &overflow) {
    for (std::size_t i = 0; i < lines.size(); ++i) {
        bool restEmpty = overflow.empty();
        for (std::size_t j = i + 1; j < lines.size(); ++j)
            restEmpty = restEmpty && lines[j]->empty();
        if (*lines[i] == "." && restEmpty)
            lines[i]->clear();
    }
    if (overflow == ".")
        overflow.clear();
}

// Fits the lines of one group, two or three of them.
void FitGroup(std::span<std::string> lines, std::string &overflow, const FitLimits &limits) {
    if (lines.size() == 2)
        FitLinePair(lines[0], lines[1], overflow, limits);
    else
        FitLineTriple(lines[0], lines[1], lines[2], overflow, limits);
}

int SplitState(const FittedText &fitted) {
    if (!fitted.rest.empty())
        return static_cast<int>(fitted.slots.size()) + 1;
    for (std::size_t i = fitted.slots.size(); i > 0; --i)
        if (!fitted.slots[i - 1].empty())
            return static_cast<int>(i);
    return 0;
}

// Appends the subtitles of one fitted entry: every group up to the one that
// holds the last text, with the split points between them. False, with
// nothing appended, when a split point's next frame leaves the 32-bit range;
// `total` then holds the characters of all the text. They are counted only
// for a split, which most entries do not need.
bool AppendSplit(TextList &out, const FittedText &fitted, int state, const FrameLineViews &parts, int start,
                 int end, long long &total) {
    const std::size_t perGroup = fitted.slots.size() / 3;
    const std::size_t lastGroup = static_cast<std::size_t>(state - 1) / perGroup;
    if (lastGroup > 0) {
        total = Length(fitted.rest);
        for (const std::string &slot : fitted.slots)
            total += Length(slot);
    }
    // Split point g ends group g - 1; it lies between start and end, so only
    // the frame after it can leave 32 bits.
    std::array<long long, 4> split{};
    long long chars = 0;
    for (std::size_t g = 1; g <= lastGroup; ++g) {
        for (std::size_t i = (g - 1) * perGroup; i < g * perGroup; ++i)
            chars += Length(fitted.slots[i]);
        const Extended point = static_cast<Extended>(start) +
                               static_cast<Extended>(chars) * (static_cast<Extended>(end) - start) / total;
        split[g] = static_cast<long long>(RoundHalfEven(point));
        if (split[g] + 1 > std::numeric_limits<std::int32_t>::max())
            return false;
    }
    for (std::size_t g = 0; g <= lastGroup; ++g) {
        std::string text;
        if (g < 3) {
            const std::size_t last = std::min((g + 1) * perGroup, static_cast<std::size_t>(state));
            for (std::size_t i = g * perGroup; i < last; ++i) {
                if (i > g * perGroup)
                    text += '|';
                text += fitted.slots[i];
            }
        } else {
            text = fitted.rest;
        }
        const std::string frames =
            FrameLine(g == 0 ? std::string(parts.startText) : IntToStr(split[g] + 1),
                      g == lastGroup ? std::string(parts.endText) : IntToStr(split[g + 1]), "");
        out.AddJoined(frames, text);
    }
    return true;
}

// A pass over a million entries tells its progress some two hundred times.
constexpr std::size_t kEntriesBetweenProgress = 4096;

// True when fitting would give the text back as it stands: it has no more
// lines than a subtitle may, its last line is not empty, and every line and
// the whole fit the limits. Most subtitles of a film are such, and this
// answers for them in one count of each line.
bool FitsAsItStands(std::string_view text, const FitLimits &limits) {
    if (text.empty() || text.back() == '|')
        return false;
    long long total = 0;
    int lines = 0;
    for (std::size_t begin = 0; begin <= text.size(); ++lines) {
        const std::size_t bar = std::min(text.find('|', begin), text.size());
        const std::string_view line = text.substr(begin, bar - begin);
        const long long width = Length(line);
        if (lines == limits.lines || !Fits(line, width, limits.maxLine))
            return false;
        total += width;
        begin = bar + 1;
    }
    return total <= limits.maxTotal;
}

// Adds the entry as the fitting writes it, "{start}{end}text": most entries
// already stand so, and go in unchanged.
void AddRebuilt(TextList &out, std::string_view entry, const FrameLineViews &parts) {
    if (entry.size() == parts.startText.size() + parts.endText.size() + parts.text.size() + 4 &&
        entry.front() == '{')
        out.Add(entry);
    else
        out.AddJoined(FrameLine(parts.startText, parts.endText, ""), parts.text);
}

} // namespace

Cut CutAtSpace(std::string_view x, long long keep) {
    const std::size_t looked = WidthPrefix(x, keep);
    const std::size_t space = x.substr(0, looked).rfind(' ');
    const std::size_t cut = space != std::string_view::npos ? space + 1 : LastCjkBreak(x, looked);
    if (cut == 0)
        return {{}, std::string(x)};
    return {std::string(x.substr(0, cut)), std::string(x.substr(cut))};
}

Cut CutAtLineLimit(std::string_view x, int maxLine) {
    Cut cut = CutAtSpace(x, maxLine);
    if (!cut.head.empty())
        return cut;
    const std::size_t space = x.find(' ');
    const std::size_t cjk = FirstCjkBreak(x);
    const std::size_t first = cjk != 0 && (space == std::string_view::npos || cjk <= space) ? cjk
                              : space != std::string_view::npos                             ? space + 1
                                                                                            : x.size();
    return {std::string(x.substr(0, first)), std::string(x.substr(first))};
}

bool FitsLine(std::string_view line, int maxLine) {
    return Fits(line, Length(line), maxLine);
}

std::string Joined(std::string_view left, std::string_view right) {
    std::string joined;
    joined.reserve(left.size() + right.size() + 1);
    joined += left;
    if (!left.empty() && !right.empty() && left.back() != ' ' && !CjkBreakBetween(left, right))
        joined += ' ';
    joined += right;
    return joined;
}

namespace {
// Two lines that each fit but together pass the total: the second is cut at
// a space so that they fit it, and its tail goes to the overflow.
void CutPairToTotal(std::string &l1, std::string &l2, std::string &overflow, const FitLimits &limits) {
    const long long w1 = Length(l1);
    const long long w2 = Length(l2);
    if (!Fits(l1, w1, limits.maxLine) || !Fits(l2, w2, limits.maxLine) || w1 + w2 <= limits.maxTotal)
        return;
    const long long excess = w1 + w2 - limits.maxTotal;
    Cut cut = CutAtSpace(l2, w2 - excess);
    l2 = std::move(cut.head);
    PutInFront(overflow, cut.tail);
}

// Three lines whose first two fit but pass the total: the third goes to the
// overflow, and the second is cut so that the tail becomes the third.
void CutFirstTwoToTotal(std::string &l1, std::string &l2, std::string &l3, std::string &overflow,
                        const FitLimits &limits) {
    const long long w1 = Length(l1);
    const long long w2 = Length(l2);
    if (!Fits(l1, w1, limits.maxLine) || !Fits(l2, w2, limits.maxLine) || w1 + w2 <= limits.maxTotal)
        return;
    const long long excess = w1 + w2 - limits.maxTotal;
    PutInFront(overflow, l3);
    Cut cut = CutAtSpace(l2, w2 - excess);
    l2 = std::move(cut.head);
    l3 = std::move(cut.tail);
}

// Three lines that each fit but together pass the total: the third is cut,
// its tail to the overflow.
void CutTripleToTotal(std::string &l1, std::string &l2, std::string &l3, std::string &overflow,
                      const FitLimits &limits) {
    const int maxLine = limits.maxLine;
    if (!FitsLine(l1, maxLine) || !FitsLine(l2, maxLine) || !FitsLine(l3, maxLine))
        return;
    const long long total = Length(l1, l2) + Length(l3);
    if (total <= limits.maxTotal)
        return;
    Cut cut = CutAtSpace(l3, Length(l3) - (total - limits.maxTotal));
    l3 = std::move(cut.head);
    PutInFront(overflow, cut.tail);
}
} // namespace

void FitLinePair(std::string &l1, std::string &l2, std::string &overflow, const FitLimits &limits) {
    const int maxLine = limits.maxLine;
    const long long w1 = Length(l1);
    const long long w2 = Length(l2);
    const bool firstFits = Fits(l1, w1, maxLine);
    if (firstFits && Fits(l2, w2, maxLine) && w1 + w2 <= limits.maxTotal)
        return;
    CutPairToTotal(l1, l2, overflow, limits);
    if (!firstFits) {
        PutInFront(overflow, l2);
        Cut cut = CutAtLineLimit(l1, maxLine);
        l1 = std::move(cut.head);
        l2 = std::move(cut.tail);
    }
    if (!FitsLine(l2, maxLine)) {
        Cut cut = CutAtLineLimit(l2, maxLine);
        l2 = std::move(cut.head);
        PutInFront(overflow, cut.tail);
    }
    // The line cuts can leave two lines that each fit but pass the total.
    CutPairToTotal(l1, l2, overflow, limits);
    std::array<std::string *, 2> lines{&l1, &l2};
    DropLoneFullStops(lines, overflow);
}

void FitLineTriple(std::string &l1, std::string &l2, std::string &l3, std::string &overflow,
                   const FitLimits &limits) {
    const int maxLine = limits.maxLine;
    const long long w1 = Length(l1);
    const long long w2 = Length(l2);
    const long long w3 = Length(l3);
    if (Fits(l1, w1, maxLine) && Fits(l2, w2, maxLine) && Fits(l3, w3, maxLine) &&
        w1 + w2 + w3 <= limits.maxTotal)
        return;
    CutFirstTwoToTotal(l1, l2, l3, overflow, limits);
    CutTripleToTotal(l1, l2, l3, overflow, limits);
    // NOTE: a first line too long sends the second to the overflow and leaves
    // the third in place. Fitting never gets here with a third line: every
    // line taken into a group already fits.
    if (!FitsLine(l1, maxLine)) {
        PutInFront(overflow, l2);
        Cut cut = CutAtLineLimit(l1, maxLine);
        l1 = std::move(cut.head);
        l2 = std::move(cut.tail);
    }
    if (!FitsLine(l2, maxLine)) {
        Cut cut = CutAtLineLimit(l2, maxLine);
        l2 = std::move(cut.head);
        PutInFront(overflow, l3);
        l3 = std::move(cut.tail);
    }
    if (!FitsLine(l3, maxLine)) {
        Cut cut = CutAtLineLimit(l3, maxLine);
        l3 = std::move(cut.head);
        PutInFront(overflow, cut.tail);
    }
    // The line cuts can leave lines that each fit but pass the total.
    CutFirstTwoToTotal(l1, l2, l3, overflow, limits);
    CutTripleToTotal(l1, l2, l3, overflow, limits);
    std::array<std::string *, 3> lines{&l1, &l2, &l3};
    DropLoneFullStops(lines, overflow);
}

void TakeLine(std::string &e, std::string &slot, const FitLimits &limits) {
    const std::size_t bar = e.find('|');
    if (bar == std::string::npos) {
        slot = std::move(e);
        e.clear();
        return;
    }
    const std::string_view line = std::string_view(e).substr(0, bar);
    if (FitsLine(line, limits.maxLine)) {
        slot = std::string(line);
        e.erase(0, bar + 1);
        return;
    }
    // The last word goes on with the next line; the rest of the line is
    // fitted as a group of its own, and what does not fit goes back in front
    // of that word, in the order it stood.
    const std::size_t space = line.rfind(' ');
    const std::size_t kept = space == std::string_view::npos ? LastCjkBreak(line, line.size()) : space + 1;
    std::vector<std::string> lines(static_cast<std::size_t>(limits.lines));
    lines[0] = e.substr(0, kept);
    e.erase(0, kept);
    std::string overflow;
    FitGroup(lines, overflow, limits);
    std::string back;
    for (std::size_t i = 1; i < lines.size(); ++i)
        back = Joined(back, lines[i]);
    back = Joined(back, overflow);
    PutInFront(e, back);
    slot = std::move(lines[0]);
}

FittedText FitText(std::string e, const FitLimits &limits) {
    const std::size_t perGroup = static_cast<std::size_t>(limits.lines);
    FittedText fitted;
    fitted.slots.resize(3 * perGroup);
    for (std::size_t group = 0; group < 3; ++group) {
        const std::span<std::string> lines(fitted.slots.data() + group * perGroup, perGroup);
        for (std::string &slot : lines)
            TakeLine(e, slot, limits);
        std::string overflow;
        FitGroup(lines, overflow, limits);
        PutInFront(e, overflow);
    }
    fitted.rest = std::move(e);
    return fitted;
}

bool FitPass(const TextList &entries, const FitLimits &limits, TextList &out, const FitNotices &notices) {
    bool restLeft = false;
    for (std::size_t i = 0; i < entries.Count(); ++i) {
        if (notices.progress && i % kEntriesBetweenProgress == 0)
            notices.progress(static_cast<int>(i * 100 / entries.Count()));
        const std::string_view entry = entries[i];
        const FrameLineViews parts = ListedFrameLine(entry);
        const int start = StrToInt(parts.startText);
        const int end = StrToInt(parts.endText);
        if (!(start < end))
            notices.boundsOutOfOrder(parts.startText, parts.endText);
        if (FitsAsItStands(parts.text, limits)) {
            AddRebuilt(out, entry, parts);
            continue;
        }
        const FittedText fitted = FitText(std::string(parts.text), limits);
        const int state = SplitState(fitted);
        if (state == 0)
            continue;
        long long total = 0;
        if (!AppendSplit(out, fitted, state, parts, start, end, total)) {
            notices.splitOutOfRange(i, total);
            out.Add(entry);
            continue;
        }
        restLeft = restLeft || !fitted.rest.empty();
    }
    return restLeft;
}
