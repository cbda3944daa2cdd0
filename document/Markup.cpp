#include "document/Markup.h"

#include <array>
#include <string_view>

namespace {

struct MarkupRule {
    std::string_view marker;
    bool becomesSeparator; // "|" in its place; otherwise the marker is removed
};

// Applied in this order, each one to the end before the next.
constexpr std::array<MarkupRule, 20> kMarkupRules = {{
    {"<br>", true},   {"<BR>", true},   {"[br]", true},   {"[BR]", true},   {"<P>", true},
    {"<p>", true},    {"<i>", false},   {"<I>", false},   {"</i>", false},  {"</I>", false},
    {"\\n", true},    {"\\N", true},    {"{y:i}", false}, {"{i:y}", false}, {"{Y:i}", false},
    {"{i:Y}", false}, {"{y:I}", false}, {"{I:y}", false}, {"{Y:I}", false}, {"{I:Y}", false},
}};

// Replaces the leftmost occurrence again and again, starting over after each
// one, so that markers a deletion brings together go as well ("<<i>i>").
// All occurrences of one marker have the same length, so the leftmost one is
// also the one that ends first: copying the text across and checking the end
// of what has been copied finds them in the same order, in one pass. A "|"
// is in no marker and never completes one.
void ApplyRule(std::string &text, const MarkupRule &rule) {
    const std::size_t first = text.find(rule.marker);
    if (first == std::string::npos)
        return;
    const std::string_view marker = rule.marker;
    std::string result;
    result.reserve(text.size());
    result.append(text, 0, first);
    for (std::size_t i = first; i < text.size(); ++i) {
        result += text[i];
        if (text[i] == marker.back() && std::string_view(result).ends_with(marker)) {
            result.resize(result.size() - marker.size());
            if (rule.becomesSeparator)
                result += '|';
        }
    }
    text = std::move(result);
}

} // namespace

std::string NormaliseMarkupText(std::string text) {
    for (const MarkupRule &rule : kMarkupRules)
        ApplyRule(text, rule);
    return text;
}
