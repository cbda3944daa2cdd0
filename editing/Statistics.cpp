#include "editing/Statistics.h"

#include "document/MessageTable.h"
#include "document/NumText.h"
#include "document/TextWidth.h"

namespace {

constexpr std::string_view kLineEnd = "\r\n";
constexpr std::string_view kRule = "------------------------";

} // namespace

TextLines SplitTextLines(std::string_view text) {
    TextLines split;
    std::string_view remaining = text;
    for (std::string &line : split.lines) {
        const std::size_t bar = remaining.find('|');
        line = remaining.substr(0, bar);
        if (bar == std::string_view::npos)
            return split;
        remaining.remove_prefix(bar + 1);
    }
    split.rest = remaining;
    return split;
}

std::string LineSizesReport(std::string_view text, std::uint8_t language) {
    const TextLines split = SplitTextLines(text);
    std::string report = MessageText(MessageRow::LineSizes, language);
    report += kLineEnd;
    report += kRule;
    report += kLineEnd;
    for (std::size_t i = 0; i < split.lines.size(); ++i)
        report += MessageText(MessageRow::LineLabel, language) + IntToStr(static_cast<long long>(i) + 1) +
                  " = " + IntToStr(TextWidth(split.lines[i])) + std::string(kLineEnd);
    report += MessageText(MessageRow::Remainder, language) + IntToStr(TextWidth(split.rest));
    report += kLineEnd;
    report += kRule;
    report += kLineEnd;
    return report;
}
