#include "formats/TtmlTimes.h"

#include "document/Chars.h"
#include "document/NumText.h"

#include <array>
#include <vector>

namespace {

constexpr std::string_view kBlanks = " \t\r\n";

// Digits, with a fraction after a "." when `fraction` allows one.
std::optional<Extended> ReadNumber(std::string_view text, bool fraction = true) {
    Extended value = 0;
    std::size_t i = 0;
    for (; i < text.size() && IsDigit(text[i]); ++i)
        value = value * 10 + (text[i] - '0');
    if (i == 0)
        return std::nullopt;
    if (i < text.size() && text[i] == '.' && fraction) {
        Extended scale = 1;
        for (++i; i < text.size() && IsDigit(text[i]); ++i) {
            scale /= 10;
            value += (text[i] - '0') * scale;
        }
    }
    if (i != text.size())
        return std::nullopt;
    return value;
}

std::optional<Extended> PositiveNumber(std::string_view text) {
    const auto value = ReadNumber(Trimmed(text, kBlanks));
    if (!value || *value <= 0)
        return std::nullopt;
    return value;
}

std::optional<Extended> ClockSeconds(std::string_view text, const TtmlRates &rates) {
    std::vector<std::string_view> parts;
    for (std::size_t from = 0;;) {
        const auto colon = text.find(':', from);
        parts.push_back(text.substr(from, colon == std::string_view::npos ? colon : colon - from));
        if (colon == std::string_view::npos)
            break;
        from = colon + 1;
    }
    if (parts.size() != 3 && parts.size() != 4)
        return std::nullopt;
    const auto hours = ReadNumber(parts[0], false);
    const auto minutes = ReadNumber(parts[1], false);
    const auto seconds = ReadNumber(parts[2], parts.size() == 3);
    if (!hours || !minutes || !seconds)
        return std::nullopt;
    Extended total = *hours * 3600 + *minutes * 60 + *seconds;
    if (parts.size() == 4) {
        const auto point = parts[3].find('.');
        const auto frames = ReadNumber(parts[3].substr(0, point), false);
        const auto subFrames = point == std::string_view::npos
                                   ? std::optional<Extended>(0)
                                   : ReadNumber(parts[3].substr(point + 1), false);
        if (!frames || !subFrames)
            return std::nullopt;
        total += *frames / rates.frameRate + *subFrames / (rates.frameRate * rates.subFrameRate);
    }
    return total;
}

std::optional<Extended> OffsetSeconds(std::string_view text, const TtmlRates &rates) {
    // "ms" comes before "s", which ends it too.
    const std::array<std::pair<std::string_view, Extended>, 6> units = {{{"ms", 0.001L},
                                                                         {"h", 3600},
                                                                         {"m", 60},
                                                                         {"s", 1},
                                                                         {"f", 1 / rates.frameRate},
                                                                         {"t", 1 / rates.tickRate}}};
    for (const auto &[name, seconds] : units) {
        if (!text.ends_with(name))
            continue;
        const auto count = ReadNumber(text.substr(0, text.size() - name.size()));
        if (!count)
            return std::nullopt;
        return *count * seconds;
    }
    return std::nullopt;
}

} // namespace

TtmlRates ReadTtmlRates(std::string_view frameRate, std::string_view multiplier,
                        std::string_view subFrameRate, std::string_view tickRate) {
    TtmlRates rates;
    const auto frames = PositiveNumber(frameRate);
    if (frames)
        rates.frameRate = *frames;
    const std::string_view factors = Trimmed(multiplier, kBlanks);
    const auto blank = factors.find_first_of(kBlanks);
    if (blank != std::string_view::npos) {
        const auto numerator = PositiveNumber(factors.substr(0, blank));
        const auto denominator = PositiveNumber(factors.substr(blank + 1));
        if (numerator && denominator)
            rates.frameRate = rates.frameRate * *numerator / *denominator;
    }
    if (const auto sub = PositiveNumber(subFrameRate))
        rates.subFrameRate = *sub;
    if (const auto ticks = PositiveNumber(tickRate))
        rates.tickRate = *ticks;
    else if (frames)
        rates.tickRate = rates.frameRate * rates.subFrameRate;
    return rates;
}

std::optional<Extended> TtmlSeconds(std::string_view expression, const TtmlRates &rates) {
    const std::string_view text = Trimmed(expression, kBlanks);
    if (text.find(':') != std::string_view::npos)
        return ClockSeconds(text, rates);
    return OffsetSeconds(text, rates);
}
