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

// A time's fields, each of digits.
struct ClockFields {
    std::string_view hours;
    std::string_view minutes;
    std::string_view seconds;
    std::string_view fraction;
};

// The fields of "M:S", "H:M:S" and "H:M:S:F", each with an optional
// fraction after "," or "." unless it already has one.
std::optional<ClockFields> FieldsOf(const ClockText &clock) {
    ClockFields fields{"0", clock.groups[0], clock.groups[1], clock.fraction};
    switch (clock.groupCount) {
    case 2:
        break;
    case 3:
        fields = {clock.groups[0], clock.groups[1], clock.groups[2], clock.fraction};
        break;
    case 4:
        if (!clock.fraction.empty())
            return std::nullopt;
        fields = {clock.groups[0], clock.groups[1], clock.groups[2], clock.groups[3]};
        break;
    default:
        return std::nullopt;
    }
    if (fields.fraction.size() > kMaxFractionDigits)
        return std::nullopt;
    return fields;
}

// "H:M:S,F", as TryTimeToFrames reads it.
std::string NormalTime(const ClockFields &fields) {
    std::string time(fields.hours);
    time += ':';
    time += fields.minutes;
    time += ':';
    time += fields.seconds;
    if (!fields.fraction.empty()) {
        time += ',';
        time += fields.fraction;
    }
    return time;
}

// Digits read as a whole number.
unsigned long long WholeOf(std::string_view digits) {
    unsigned long long value = 0;
    for (const char c : digits)
        value = value * 10 + static_cast<unsigned long long>(c - '0');
    return value;
}

// The frame of nearly every time, whose hours and minutes have at most nine
// digits and whose seconds and fraction at most eighteen, straight from its
// fields: TryTimeToFrames reads such a time's normal text into the same
// whole hours and minutes and the same seconds, all digits over a power of
// ten. None for any other, which takes the normal text.
std::optional<std::optional<int>> CommonClockFrames(const ClockFields &fields, Extended fps) {
    constexpr std::size_t kMostWholeDigits = 9;
    constexpr std::size_t kMostSecondsDigits = 18;
    constexpr std::array<Extended, kMaxFractionDigits + 1> kFractionScale{1, 10, 100, 1000};
    if (fields.hours.size() > kMostWholeDigits || fields.minutes.size() > kMostWholeDigits ||
        fields.seconds.size() + fields.fraction.size() > kMostSecondsDigits)
        return std::nullopt;
    const unsigned long long secondsDigits =
        WholeOf(fields.seconds) * static_cast<unsigned long long>(kFractionScale[fields.fraction.size()]) +
        WholeOf(fields.fraction);
    const Extended seconds = static_cast<Extended>(secondsDigits) / kFractionScale[fields.fraction.size()];
    return ClockToFrames(static_cast<int>(WholeOf(fields.hours)), static_cast<int>(WholeOf(fields.minutes)),
                         seconds, fps);
}

std::optional<int> Frames(const ClockText &clock, Extended fps) {
    const std::optional<ClockFields> fields = FieldsOf(clock);
    if (!fields)
        return std::nullopt;
    if (const std::optional<std::optional<int>> common = CommonClockFrames(*fields, fps))
        return *common;
    return TryTimeToFrames(NormalTime(*fields), fps);
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
