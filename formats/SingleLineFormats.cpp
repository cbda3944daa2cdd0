#include "formats/SingleLineFormats.h"

#include "document/Chars.h"

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
