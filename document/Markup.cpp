#include "document/Markup.h"

#include "document/TwoThreads.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

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

// The characters a marker begins with.
constexpr std::array<bool, 256> kStartsMarker = [] {
    std::array<bool, 256> starts{};
    for (const MarkupRule &rule : kMarkupRules)
        starts[static_cast<unsigned char>(rule.marker[0])] = true;
    return starts;
}();

// Replaces the leftmost occurrence again and again, starting over after each
// one, so that markers a deletion brings together go as well ("<<i>i>").
// All occurrences of one marker have the same length, so the leftmost one is
// also the one that ends first: copying the text across and checking the end
// of what has been copied finds them in the same order, in one pass. A "|"
// is in no marker and never completes one. The copy goes over the text
// itself: what is kept is never longer than what has been read.
void ApplyRule(std::string &text, const MarkupRule &rule) {
    const std::size_t first = text.find(rule.marker);
    if (first == std::string::npos)
        return;
    const std::string_view marker = rule.marker;
    char *const kept = text.data();
    std::size_t keptSize = first;
    // Only copying the marker's last character can complete it, so the text
    // is copied in runs that end at that character.
    for (std::size_t i = first; i < text.size();) {
        const std::size_t stop = std::min(text.find(marker.back(), i), text.size() - 1);
        std::memmove(kept + keptSize, kept + i, stop + 1 - i);
        keptSize += stop + 1 - i;
        i = stop + 1;
        if (kept[keptSize - 1] == marker.back() && std::string_view(kept, keptSize).ends_with(marker)) {
            keptSize -= marker.size();
            if (rule.becomesSeparator)
                kept[keptSize++] = '|';
        }
    }
    text.resize(keptSize);
}

void NormaliseInPlace(std::string &text) {
    // Removing markers and putting "|" in their place brings in no new
    // character, so a marker with a character the text lacks never occurs.
    std::array<bool, 256> present{};
    for (const char c : text)
        present[static_cast<unsigned char>(c)] = true;
    for (const MarkupRule &rule : kMarkupRules) {
        const bool possible = std::all_of(rule.marker.begin(), rule.marker.end(),
                                          [&](char c) { return present[static_cast<unsigned char>(c)]; });
        if (possible)
            ApplyRule(text, rule);
    }
}

} // namespace

bool HoldsMarkup(std::string_view text) {
    // Markers are at least two characters long and begin with one of four
    // characters, looked up in one step per character; comparing the second
    // character first passes over the braces of every FrameLine cheaply.
    for (std::size_t at = 0; at + 1 < text.size(); ++at) {
        if (!kStartsMarker[static_cast<unsigned char>(text[at])])
            continue;
        const std::string_view rest = text.substr(at);
        for (const MarkupRule &rule : kMarkupRules)
            if (rule.marker[1] == rest[1] && rest.starts_with(rule.marker))
                return true;
    }
    return false;
}

std::string NormaliseMarkupText(std::string text) {
    NormaliseInPlace(text);
    return text;
}

namespace {

// The lines from `from` to `to` that hold markup, normalised, and where they stand.
struct NormalisedLines {
    std::vector<std::size_t> at;
    TextList texts;
};

NormalisedLines NormalisedBetween(const TextList &lines, std::size_t from, std::size_t to) {
    NormalisedLines normalised;
    // One room for every line that changes.
    std::string text;
    for (std::size_t i = from; i < to; ++i) {
        if (HoldsMarkup(lines.Item(i))) {
            text.assign(lines.Item(i));
            NormaliseInPlace(text);
            normalised.at.push_back(i);
            normalised.texts.Add(text);
        }
    }
    return normalised;
}

void SetNormalised(const NormalisedLines &normalised, TextList &lines) {
    for (std::size_t k = 0; k < normalised.at.size(); ++k)
        lines.Set(normalised.at[k], normalised.texts[k]);
}

// CHOICE: a list below this many lines is looked through on one thread.
constexpr std::size_t kHalvedFrom = 100000;

} // namespace

void NormaliseListMarkup(TextList &lines) {
    const std::size_t count = lines.Count();
    if (!TwoThreadsFor(count, kHalvedFrom)) {
        SetNormalised(NormalisedBetween(lines, 0, count), lines);
        return;
    }
    // Two threads look through a long list's halves; the lines then change here, in order.
    const auto [front, back] = BothHalves([&] { return NormalisedBetween(lines, 0, count / 2); },
                                          [&] { return NormalisedBetween(lines, count / 2, count); });
    SetNormalised(front, lines);
    SetNormalised(back, lines);
}
