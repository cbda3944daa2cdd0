#include "document/Legendas.h"

#include "document/Errors.h"
#include "document/NumText.h"

#include <array>
#include <charconv>
#include <cmath>

namespace {

// "00", "0" + n below ten, n itself from ten on; a negative or zero field is "00".
void AppendClockField(std::string &time, Extended value) {
    if (value >= 1 && value < 10)
        time += '0';
    // The fields are whole numbers; below 10^18 their digits are those of the integer.
    if (value >= 1 && value < 1e18L) {
        // A long double cast straight to an integer switches the x87 unit's
        // rounding mode there and back; through a double, which holds every
        // field a film has, it does not. A value the double does not hold
        // exactly takes the straight cast.
        long long whole = static_cast<long long>(static_cast<double>(value));
        if (static_cast<Extended>(whole) != value)
            whole = static_cast<long long>(value);
        std::array<char, 20> digits;
        const auto written = std::to_chars(digits.data(), digits.data() + digits.size(), whole);
        time.append(digits.data(), written.ptr);
    } else {
        time += value >= 1 ? FloatToStrFixed(value, 0) : "00";
    }
    time += ':';
}

struct TimeText {
    std::string_view hours;
    std::string_view minutes;
    std::string seconds; // with its first ":" and first "." read as the decimal comma
};

// H is the text before the first ":", M the text up to the second, S the
// rest. A missing ":" leaves an empty field, which then does not convert.
TimeText SplitTime(std::string_view text) {
    TimeText parts;
    std::size_t colon = text.find(':');
    parts.hours = colon == std::string_view::npos ? std::string_view{} : text.substr(0, colon);
    text = colon == std::string_view::npos ? text : text.substr(colon + 1);
    colon = text.find(':');
    parts.minutes = colon == std::string_view::npos ? std::string_view{} : text.substr(0, colon);
    text = colon == std::string_view::npos ? text : text.substr(colon + 1);
    parts.seconds = std::string(text);
    for (const char separator : {':', '.'}) {
        const std::size_t at = parts.seconds.find(separator);
        if (at != std::string::npos)
            parts.seconds[at] = ',';
    }
    return parts;
}

struct TimeValue {
    int hours;
    int minutes;
    Extended seconds;
};

// Nearly every time is written "hh:mm:ss.cc" or a shape close to it: whole
// hours and minutes of at most nine digits, which no int overflows, and
// seconds of digits with at most one ".", "," or ":" before the fraction.
// Those are read here without the full split; any other text gets nothing
// and takes the full route, which reads the common shape the same way.
std::optional<TimeValue> ReadCommonTime(std::string_view text) {
    std::size_t at = 0;
    const auto wholeField = [&](int &value) {
        const std::size_t start = at;
        for (value = 0; at < text.size() && at - start < 9 && IsDigit(text[at]); ++at)
            value = value * 10 + (text[at] - '0');
        if (at == start || at == text.size() || text[at] != ':')
            return false;
        ++at;
        return true;
    };
    TimeValue time{};
    if (!wholeField(time.hours) || !wholeField(time.minutes))
        return std::nullopt;
    // The seconds with their separator read as the decimal comma.
    std::array<char, 20> seconds;
    const std::string_view rest = text.substr(at);
    if (rest.size() > seconds.size())
        return std::nullopt;
    bool separatorSeen = false;
    for (std::size_t i = 0; i < rest.size(); ++i) {
        seconds[i] = rest[i];
        if (IsDigit(rest[i]))
            continue;
        if (separatorSeen || (rest[i] != '.' && rest[i] != ',' && rest[i] != ':'))
            return std::nullopt;
        separatorSeen = true;
        seconds[i] = ',';
    }
    const std::optional<Extended> value = TryStrToFloat(std::string_view(seconds.data(), rest.size()));
    if (!value)
        return std::nullopt;
    time.seconds = *value;
    return time;
}

std::optional<TimeValue> ReadTime(std::string_view text) {
    if (const std::optional<TimeValue> common = ReadCommonTime(text))
        return common;
    const TimeText parts = SplitTime(text);
    const std::optional<int> hours = TryStrToInt(parts.hours);
    const std::optional<int> minutes = TryStrToInt(parts.minutes);
    const std::optional<Extended> seconds = TryStrToFloat(parts.seconds);
    if (!hours || !minutes || !seconds)
        return std::nullopt;
    return TimeValue{*hours, *minutes, *seconds};
}

} // namespace

Extended FramesToSeconds(Extended frames, Extended delaySeconds, Extended fps) {
    return (frames - delaySeconds * fps) / fps;
}

namespace {

// A frame count's time as the clock shows it: whole hours and minutes and
// the seconds in thousandths, rounded as FloatToStrFixed rounds them.
struct ClockParts {
    Extended hours = 0;
    Extended minutes = 0;
    unsigned long long thousandths = 0;
};

// Below 2^32 seconds (136 years) the step-by-step split of ClockPartsOf is
// exact: taking whole hours and minutes off leaves a multiple of the time's
// last bit, which Extended holds, and a division that rounds across a whole
// number leaves at most 2^-32 s below it, which the thousandths round away.
// Its parts are then those of the whole time in thousandths, rounded as the
// seconds are, which one exact scaling finds at a fraction of the cost.
constexpr Extended kSplitAtOnceBelow = 4294967296.0L;

// The seconds from the start of the film to the frame.
Extended FrameSeconds(std::string_view framesText, Extended delaySeconds, Extended fps) {
    const Extended frames = StrToInt(framesText);
    if (fps == 0)
        throw DivisionError("Floating point division by zero");
    const Extended total = FramesToSeconds(frames, delaySeconds, fps);
    // CHOICE: a delay larger than the frame's own time would give a time
    // before the film starts, written with a minus sign ("0-1,500") that no
    // player reads; such a time is held at the start instead.
    return total >= 0 ? total : 0;
}

// The whole thousandths of a time below kSplitAtOnceBelow.
unsigned long long ThousandthsOf(Extended total) {
    return ScaledToWhole(total, 3).value_or(0);
}

ClockParts ClockPartsOf(std::string_view framesText, Extended delaySeconds, Extended fps) {
    const Extended total = FrameSeconds(framesText, delaySeconds, fps);
    if (total < kSplitAtOnceBelow) {
        const unsigned long long thousandths = ThousandthsOf(total);
        return {static_cast<Extended>(thousandths / 3600000), static_cast<Extended>(thousandths / 60000 % 60),
                thousandths % 60000};
    }
    ClockParts parts;
    parts.hours = std::trunc(total / 3600);
    parts.minutes = std::trunc(total / 60 - parts.hours * 60);
    Extended seconds = total - parts.hours * 3600 - parts.minutes * 60;
    // Far past any film (beyond 10^15 hours, from an absurdly small rate)
    // the subtractions lose minutes and seconds to rounding; they are held
    // in their ranges rather than written negative or oversized.
    if (!(parts.minutes >= 0 && parts.minutes <= 60) || !(seconds > -1 && seconds < 61)) {
        parts.minutes = 0;
        seconds = 0;
    }
    // A division that rounds up leaves a hair below zero.
    if (seconds < 0)
        seconds = 0;
    // Below 2^-64 seconds are 0.
    parts.thousandths = ScaledToWhole(std::fabs(seconds), 3).value_or(0);
    // Seconds that round to 60,000 belong to the next minute, and 60 minutes
    // to the next hour; the step-by-step split can also leave a whole 60
    // minutes when a division rounds up.
    if (parts.thousandths == 60000) {
        parts.thousandths = 0;
        parts.minutes += 1;
    }
    if (parts.minutes >= 60) {
        parts.minutes -= 60;
        parts.hours += 1;
    }
    return parts;
}

char Digit(unsigned long long value) {
    return static_cast<char>('0' + value % 10);
}

} // namespace

std::string FramesToTime(std::string_view framesText, Extended delaySeconds, Extended fps) {
    const ClockParts parts = ClockPartsOf(framesText, delaySeconds, fps);
    const unsigned long long thousandths = parts.thousandths;
    // Seconds below 61: two digits, the comma and three.
    const std::array<char, 6> secondsText{
        Digit(thousandths / 10000), Digit(thousandths / 1000), ',',
        Digit(thousandths / 100),   Digit(thousandths / 10),   Digit(thousandths)};
    // The hours of any film and the minutes, whole and in their ranges by
    // now, take two digits each: the twelve characters are written at once.
    if (parts.hours < 100) {
        const auto wholeHours = static_cast<unsigned>(static_cast<double>(parts.hours));
        const auto wholeMinutes = static_cast<unsigned>(static_cast<double>(parts.minutes));
        const std::array<char, 6> clock{Digit(wholeHours / 10),   Digit(wholeHours),   ':',
                                        Digit(wholeMinutes / 10), Digit(wholeMinutes), ':'};
        std::string time(clock.data(), clock.size());
        time.append(secondsText.data(), secondsText.size());
        return time;
    }
    std::string time;
    AppendClockField(time, parts.hours);
    AppendClockField(time, parts.minutes);
    time.append(secondsText.data(), secondsText.size());
    return time;
}

long long FramesToMilliseconds(std::string_view framesText, Extended delaySeconds, Extended fps) {
    if (const Extended total = FrameSeconds(framesText, delaySeconds, fps); total < kSplitAtOnceBelow)
        return static_cast<long long>(ThousandthsOf(total));
    const ClockParts parts = ClockPartsOf(framesText, delaySeconds, fps);
    // A billion hours is far past any film, yet its milliseconds still fit.
    if (!(parts.hours < 1e9L))
        throw ConvertError("'" + std::string(framesText) + "' is too far out to be written as a time");
    const auto hours = static_cast<long long>(parts.hours);
    const auto minutes = static_cast<long long>(parts.minutes);
    return (hours * 60 + minutes) * 60000 + static_cast<long long>(parts.thousandths);
}

long long RoundToUnit(long long milliseconds, long long unit) {
    const long long whole = milliseconds / unit;
    const long long rest = milliseconds % unit;
    const bool up = 2 * rest > unit || (2 * rest == unit && whole % 2 != 0);
    return up ? whole + 1 : whole;
}

std::string ClockText(long long milliseconds, const ClockStyle &style) {
    long long unitsPerSecond = 1;
    for (int i = 0; i < style.fractionDigits; ++i)
        unitsPerSecond *= 10;
    const long long units = RoundToUnit(milliseconds, 1000 / unitsPerSecond);
    const long long seconds = units / unitsPerSecond;
    std::string text = IntToStr(seconds / 3600);
    if (text.size() < static_cast<std::size_t>(style.hourDigits))
        text.insert(0, static_cast<std::size_t>(style.hourDigits) - text.size(), '0');
    const auto unsignedSeconds = static_cast<unsigned long long>(seconds);
    const std::array<char, 6> clock{':', Digit(unsignedSeconds / 600 % 6), Digit(unsignedSeconds / 60),
                                    ':', Digit(unsignedSeconds % 60 / 10), Digit(unsignedSeconds % 60)};
    text.append(clock.data(), clock.size());
    text += style.fractionMark;
    auto fraction = static_cast<unsigned long long>(units % unitsPerSecond);
    std::array<char, 3> fractionText{};
    for (int i = style.fractionDigits; i-- > 0; fraction /= 10)
        fractionText[static_cast<std::size_t>(i)] = Digit(fraction);
    text.append(fractionText.data(), static_cast<std::size_t>(style.fractionDigits));
    return text;
}

bool IsValidTime(std::string_view text) {
    return ReadTime(text).has_value();
}

std::optional<int> ClockToFrames(int hours, int minutes, Extended seconds, Extended fps) {
    const Extended frames = (static_cast<Extended>(hours) * 3600) * fps +
                            (static_cast<Extended>(minutes) * fps) * 60 + seconds * fps;
    return TryToInt32(RoundHalfEven(frames));
}

std::optional<int> TryTimeToFrames(std::string_view text, Extended fps) {
    const std::optional<TimeValue> time = ReadTime(text);
    if (!time)
        return std::nullopt;
    return ClockToFrames(time->hours, time->minutes, time->seconds, fps);
}

int TimeToFrames(std::string_view text, Extended fps) {
    // CHOICE: a time too far out for a 32-bit frame number is no usable
    // time either; it converts to 0 like any invalid time.
    return TryTimeToFrames(text, fps).value_or(0);
}

int SecondsToFrames(std::string_view secondsText, Extended fps) {
    std::string seconds(secondsText);
    if (const std::size_t dot = seconds.find('.'); dot != std::string::npos)
        seconds[dot] = ',';
    const Extended total = StrToFloat(seconds);
    const Extended hours = RoundHalfEven(total / 3600);
    const Extended minutes = RoundHalfEven((total - 3600 * hours) / 60);
    const Extended rest = total - 3600 * hours - 60 * minutes;
    return TimeToFrames(FloatToStr(hours) + ":" + FloatToStr(minutes) + ":" + FloatToStr(rest), fps);
}

int TimeToSeconds(std::string_view text) {
    const std::optional<TimeValue> time = ReadTime(text);
    if (!time)
        return 0;
    const Extended seconds =
        static_cast<Extended>(time->hours) * 3600 + static_cast<Extended>(time->minutes) * 60 + time->seconds;
    return TryToInt32(RoundHalfEven(seconds)).value_or(0);
}
