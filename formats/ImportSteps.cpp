#include "formats/ImportSteps.h"

#include "document/NumText.h"

void AppendTextLine(std::string &text, std::string_view line) {
    if (!text.empty())
        text += '|';
    text += line;
}

void AppendFurtherLine(std::string &text, std::string_view line) {
    text += '|';
    text += line;
}

bool Holds(std::string_view line, std::string_view part) {
    return line.find(part) != std::string_view::npos;
}

std::string_view AfterFirst(std::string_view text, char separator) {
    const auto at = text.find(separator);
    return at == std::string_view::npos ? text : text.substr(at + 1);
}

std::optional<std::string_view> AfterCommas(std::string_view text, int count) {
    std::size_t at = 0;
    for (; count > 0; --count) {
        at = text.find(',', at);
        if (at == std::string_view::npos)
            return std::nullopt;
        ++at;
    }
    return text.substr(at);
}

int UnitsToFrame(std::string_view valueText, Extended fps, Extended unitsPerSecond) {
    return ToInt32(RoundHalfEven(StrToFloat(valueText) * fps / unitsPerSecond));
}
