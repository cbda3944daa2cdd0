#include "formats/WebVttText.h"

#include "document/Chars.h"
#include "document/NumText.h"
#include "formats/Entities.h"

namespace {

constexpr std::string_view kBlanks = " \t";

bool AllDigits(std::string_view text) {
    if (text.empty())
        return false;
    for (const char c : text)
        if (!IsDigit(c))
            return false;
    return true;
}

// "mm:ss.ttt" or "hh:mm:ss.ttt" as "H:M:S.ttt". Writers that came from
// SubRip put a comma before the milliseconds, and some leave them out.
std::optional<std::string> ClockText(std::string_view time) {
    const auto lastColon = time.rfind(':');
    if (lastColon == std::string_view::npos)
        return std::nullopt;
    std::string_view seconds = time.substr(lastColon + 1);
    if (const auto point = seconds.find_first_of(".,"); point != std::string_view::npos) {
        if (!AllDigits(seconds.substr(point + 1)))
            return std::nullopt;
        seconds = seconds.substr(0, point);
    }
    const std::string_view hoursAndMinutes = time.substr(0, lastColon);
    const auto colon = hoursAndMinutes.find(':');
    const bool withHours = colon != std::string_view::npos;
    if (!AllDigits(seconds) || !AllDigits(hoursAndMinutes.substr(withHours ? colon + 1 : 0)) ||
        (withHours && !AllDigits(hoursAndMinutes.substr(0, colon))))
        return std::nullopt;
    std::string clock(withHours ? "" : "0:");
    return clock.append(time);
}

// The name of a tag's inside: "c.loud" and "v Anna" are "c" and "v".
std::string_view TagName(std::string_view tag) {
    return tag.substr(0, tag.find_first_of(". \t"));
}

} // namespace

bool StartsWithWord(std::string_view line, std::string_view word) {
    return line.starts_with(word) &&
           (line.size() == word.size() || line[word.size()] == ' ' || line[word.size()] == '\t');
}

bool IsWebVttSignature(std::string_view line) {
    constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
    if (line.starts_with(kByteOrderMark))
        line.remove_prefix(kByteOrderMark.size());
    return StartsWithWord(line, "WEBVTT");
}

std::optional<CueTiming> ReadCueTiming(std::string_view line) {
    const auto arrow = line.find("-->");
    if (arrow == std::string_view::npos)
        return std::nullopt;
    const std::string_view afterArrow = Trimmed(line.substr(arrow + 3));
    auto start = ClockText(Trimmed(line.substr(0, arrow)));
    auto end = ClockText(afterArrow.substr(0, afterArrow.find_first_of(kBlanks)));
    if (!start || !end)
        return std::nullopt;
    return CueTiming{std::move(*start), std::move(*end)};
}

std::string CueTextReader::Line(std::string_view line) {
    std::string text;
    std::size_t i = 0;
    while (i < line.size()) {
        if (line[i] == '<') {
            // A tag left open runs to the end of the line.
            const auto close = line.find('>', i);
            const std::string_view tag =
                line.substr(i + 1, close == std::string_view::npos ? close : close - i - 1);
            const std::string_view name = TagName(tag);
            if (name == "rt")
                inRubyText_ = true;
            else if (name == "/rt" || name == "/ruby")
                inRubyText_ = false;
            i = close == std::string_view::npos ? line.size() : close + 1;
        } else if (inRubyText_) {
            ++i;
        } else if (const auto entity = line[i] == '&' ? DecodeEntity(line, i) : std::nullopt) {
            text += entity->characters;
            i += entity->length;
        } else {
            text += line[i++];
        }
    }
    return text;
}
