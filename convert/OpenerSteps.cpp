#include "convert/OpenerSteps.h"

#include "document/NumText.h"

#include <algorithm>
#include <iterator>
#include <vector>

std::string FileNameWithoutFolder(std::string_view path) {
    // CHOICE: "/" separates folders as well as "\", since paths come from
    // desktops that use either.
    const auto separator = path.find_last_of("\\/");
    return std::string(separator == std::string_view::npos ? path : path.substr(separator + 1));
}

bool IsFpsHeaderLine(std::string_view line) {
    return line.starts_with("{1}{1}") || (line.starts_with("{0}{0}") && FpsHeaderRate(line));
}

std::optional<Extended> FpsHeaderRate(std::string_view line) {
    std::string rate(line.substr(line.rfind('}') + 1));
    std::replace(rate.begin(), rate.end(), '.', ',');
    return TryStrToFloat(rate);
}

TextList WithoutEmptyLines(const TextList &lines) {
    const auto isEmpty = [](std::string_view line) { return line.empty(); };
    if (lines.Empty() || std::none_of(lines.begin(), lines.end() - 1, isEmpty))
        return lines;
    TextList kept;
    kept.Reserve(lines.Count());
    for (auto line = lines.begin(); line != lines.end() - 1; ++line)
        if (!(*line).empty())
            kept.Add(*line);
    kept.Add(lines.Item(lines.Count() - 1));
    return kept;
}
