#include "formats/SingleLineFormats.h"

#include "document/Chars.h"
#include "document/NumText.h"

#include <algorithm>

void AddColumnSubtitle(ImportContext &ctx, std::string_view line, Extended fps) {
    ctx.AddTimedSubtitle(Chars(line, 1, 11), Chars(line, 13, 23), fps, Chars(line, 25, line.size()));
}

bool SplitDVDJuniorLine(std::string_view line, DVDJuniorLine &parts) {
    const auto ampersand = line.find('&');
    if (ampersand == std::string_view::npos)
        return false;
    const auto hash = line.find('#', ampersand + 1);
    if (hash == std::string_view::npos)
        return false;
    parts.start = line.substr(0, ampersand);
    parts.end = line.substr(ampersand + 1, hash - ampersand - 1);
    parts.text.assign(line.substr(hash + 1));
    std::replace(parts.text.begin(), parts.text.end(), '<', '|');
    return true;
}

std::optional<TenthsLine> SplitTenthsLine(std::string_view line) {
    if (CharAt(line, 1) != '[')
        return std::nullopt;
    const auto startClose = line.find(']');
    if (startClose == std::string_view::npos || CharAt(line, startClose + 2) != '[')
        return std::nullopt;
    const auto endClose = line.find(']', startClose + 2);
    if (endClose == std::string_view::npos)
        return std::nullopt;
    return TenthsLine{line.substr(1, startClose - 1), line.substr(startClose + 2, endClose - startClose - 2),
                      line.substr(endClose + 1)};
}

namespace {
bool IsDigitAt(std::string_view line, std::size_t position) {
    const auto c = CharAt(line, position);
    return c && IsDigit(*c);
}

// "h:mm:ss" or "hh:mm:ss" at the start of the line: its length, 0 when neither.
std::size_t ClockLength(std::string_view line) {
    const std::size_t hourDigits = IsDigitAt(line, 2) ? 2 : 1;
    if (!IsDigitAt(line, 1))
        return 0;
    const std::size_t colon = hourDigits + 1;
    const bool clock = ColonsAt(line, {colon, colon + 3}) && IsDigitAt(line, colon + 1) &&
                       IsDigitAt(line, colon + 2) && IsDigitAt(line, colon + 4) && IsDigitAt(line, colon + 5);
    return clock ? colon + 5 : 0;
}
} // namespace

std::optional<ClockLine> SplitClockLine(std::string_view line) {
    const std::size_t length = ClockLength(line);
    const auto separator = CharAt(line, length + 1);
    if (length == 0 || (separator != ':' && separator != '='))
        return std::nullopt;
    return ClockLine{line.substr(0, length), line.substr(length + 1)};
}

namespace {
std::string_view TrimTrailingSpaces(std::string_view text) {
    const auto last = text.find_last_not_of(' ');
    return last == std::string_view::npos ? std::string_view() : text.substr(0, last + 1);
}
} // namespace

// The dash rules are applied in one pass rather than one after the other:
// every "-" becomes "|", a leading dash is dropped and the spaces after it
// with it, the run of spaces after each "|" goes, a bar of the file's own
// included (which is what deleting the space of the first "| " until none is
// left comes to), and a leading dash is put back in front. A line of a
// million dashes stays linear.
std::string SpruceMaestroText(std::string_view text) {
    const bool leadingDash = text.starts_with('-');
    if (leadingDash)
        text.remove_prefix(1);
    text.remove_prefix(std::min(text.find_first_not_of(' '), text.size()));

    std::string result = leadingDash ? "-" : "";
    result.reserve(text.size() + 1);
    bool afterBreak = false;
    for (char c : text) {
        if (c == ' ' && afterBreak)
            continue;
        const char kept = c == '-' ? '|' : c;
        afterBreak = kept == '|';
        result += kept;
    }
    return result;
}

std::string Captions32Text(std::string_view area) {
    const auto bar = area.find('|');
    // CHOICE: an area without "|" is one field; the format always has the bar.
    const std::string_view first = TrimTrailingSpaces(area.substr(0, bar));
    const std::string_view second =
        bar == std::string_view::npos ? std::string_view() : TrimTrailingSpaces(area.substr(bar + 1));
    std::string text(first);
    if (!second.empty()) {
        text += '|';
        text += second;
    }
    return text;
}
