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

std::string_view AfterFirst(std::string_view text, char separator) {
    const auto at = text.find(separator);
    return at == std::string_view::npos ? text : text.substr(at + 1);
}

int UnitsToFrame(std::string_view valueText, Extended fps, Extended unitsPerSecond) {
    return ToInt32(RoundHalfEven(StrToFloat(valueText) * fps / unitsPerSecond));
}
