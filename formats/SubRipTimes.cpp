#include "formats/SubRipTimes.h"

#include "document/Legendas.h"
#include "document/NumText.h"

#include <array>
#include <cstddef>
#include <string>

namespace {
constexpr std::string_view kArrow = "-->";
constexpr std::size_t kMaxFractionDigits = 3;
// Where the arrow of "hh:mm:ss,mmm --> hh:mm:ss,mmm" starts, from 0.
constexpr std::size_t kWellFormedArrow = 13;
// No time, blanks in it included, is longer; the search for the start of the
// time before the arrow looks back no further.
constexpr std::size_t kLongestTime = 64;

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

// The clock fields of one time: up to four groups of digits between ":",
// and a fraction after "," or ".".
struct ClockText {
    std::array<std::string_view, 4> groups{};
    std::size_t groupCount = 0;
    std::string_view fraction;
};

// The digits at `at`, after any blanks, as players read a number.
std::string_view Digits(std::string_view text, std::size_t &at) {
    while (at < text.size() && IsBlank(text[at]))
        ++at;
    const std::size_t from = at;
    while (at < text.size() && IsDigit(text[at]))
        ++at;
    return text.substr(from, at - from);
}

// Whether digits follow the separator at `at`, blanks between them allowed.
bool DigitsAfter(std::string_view text, std::size_t at) {
    for (++at; at < text.size() && IsBlank(text[at]); ++at) {
    }
    return at < text.size() && IsDigit(text[at]);
}

// Reads a time from `at`; `at` ends after it. A time right after a minus
// sign is before the film and does not read.
std::optional<ClockText> ReadClock(std::string_view text, std::size_t &at) {
    ClockText clock;
    for (;;) {
        const std::size_t from = at;
        const std::string_view group = Digits(text, at);
        if (group.empty() || clock.groupCount == clock.groups.size() ||
            (clock.groupCount == 0 && from > 0 && text[from - 1] == '-'))
            return std::nullopt;
        clock.groups[clock.groupCount++] = group;
        if (at >= text.size() || text[at] != ':' || !DigitsAfter(text, at))
            break;
        ++at;
    }
    if (at < text.size() && (text[at] == ',' || text[at] == '.') && DigitsAfter(text, at)) {
        ++at;
        clock.fraction = Digits(text, at);
    }
    return clock;
}

// "H:M:S,F" from the fields: "M:S", "H:M:S" and "H:M:S:F", each with an
// optional fraction after "," or "." unless it already has one.
std::optional<std::string> NormalTime(const ClockText &clock) {
    std::string_view hours = "0";
    std::string_view fraction = clock.fraction;
    std::size_t first = 0;
    switch (clock.groupCount) {
    case 2:
        break;
    case 3:
        hours = clock.groups[0];
        first = 1;
        break;
    case 4:
        if (!fraction.empty())
            return std::nullopt;
        hours = clock.groups[0];
        first = 1;
        fraction = clock.groups[3];
        break;
    default:
        return std::nullopt;
    }
    if (fraction.size() > kMaxFractionDigits)
        return std::nullopt;
    std::string time(hours);
    time += ':';
    time += clock.groups[first];
    time += ':';
    time += clock.groups[first + 1];
    if (!fraction.empty()) {
        time += ',';
        time += fraction;
    }
    return time;
}

std::optional<int> Frames(const ClockText &clock, Extended fps) {
    const std::optional<std::string> time = NormalTime(clock);
    if (!time)
        return std::nullopt;
    return TryTimeToFrames(*time, fps);
}

bool IsTimeChar(char c) {
    return IsDigit(c) || IsBlank(c) || c == ':' || c == ',' || c == '.';
}

// The time that ends just before the arrow, blanks between them allowed: the
// first number, at the start of a word and no further back than the longest
// time, from which a time reads up to the blanks before the arrow.
std::optional<ClockText> TimeBefore(std::string_view line, std::size_t arrow) {
    std::size_t end = arrow;
    while (end > 0 && IsBlank(line[end - 1]))
        --end;
    std::size_t from = end;
    while (from > 0 && end - from < kLongestTime && IsTimeChar(line[from - 1]))
        --from;
    const std::string_view text = line.substr(0, end);
    const std::size_t spanStart = from;
    for (; from < end; ++from) {
        if (!IsDigit(line[from]) || (from > spanStart && !IsBlank(line[from - 1])))
            continue;
        std::size_t at = from;
        if (const auto clock = ReadClock(text, at); clock && at == end)
            return clock;
    }
    return std::nullopt;
}

// The time that starts just after the arrow, blanks between them allowed.
std::optional<ClockText> TimeAfter(std::string_view line, std::size_t arrow) {
    std::size_t at = arrow + kArrow.size();
    while (at < line.size() && IsBlank(line[at]))
        ++at;
    return ReadClock(line, at);
}
} // namespace

std::optional<SubRipTimes> ReadSubRipTimes(std::string_view line, Extended fps) {
    const std::size_t arrow = line.find(kArrow);
    if (arrow == std::string_view::npos)
        return std::nullopt;
    const auto startClock = TimeBefore(line, arrow);
    const auto endClock = TimeAfter(line, arrow);
    if (!startClock || !endClock)
        return std::nullopt;
    const std::optional<int> start = Frames(*startClock, fps);
    const std::optional<int> end = Frames(*endClock, fps);
    if (!start || !end)
        return std::nullopt;
    return SubRipTimes{*start, *end};
}

bool LooksLikeSubRipTimeLine(std::string_view line) {
    const std::size_t arrow = line.find(kArrow);
    return arrow != std::string_view::npos &&
           (arrow == kWellFormedArrow || TimeBefore(line, arrow) || TimeAfter(line, arrow));
}
