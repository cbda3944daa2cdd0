#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

// Markup normalisation exactly as it is defined, slow on purpose: each
// marker in order, its leftmost occurrence replaced and the search started
// again from the beginning. The real routine must give the same text.
inline std::string NormaliseMarkupStepByStep(std::string text) {
    static const std::vector<std::pair<std::string_view, std::string_view>> rows = {
        {"<br>", "|"}, {"<BR>", "|"}, {"[br]", "|"}, {"[BR]", "|"}, {"<P>", "|"},
        {"<p>", "|"},  {"<i>", ""},   {"<I>", ""},   {"</i>", ""},  {"</I>", ""},
        {"\\n", "|"},  {"\\N", "|"},  {"{y:i}", ""}, {"{i:y}", ""}, {"{Y:i}", ""},
        {"{i:Y}", ""}, {"{y:I}", ""}, {"{I:y}", ""}, {"{Y:I}", ""}, {"{I:Y}", ""},
    };
    for (const auto &[marker, replacement] : rows)
        for (std::size_t at = text.find(marker); at != std::string::npos; at = text.find(marker))
            text.replace(at, marker.size(), replacement);
    return text;
}
