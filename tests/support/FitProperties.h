#pragma once

#include "convert/LimitFitting.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// What fitting must keep, whatever the text and the limits: the passes end,
// the words keep their order (only lone "." words may go) and every line is
// within the line limit or a single word. Shared by the property test and
// the fuzz target.

// Runs passes over the list until none leaves a rest; nothing when that
// takes more than maxPasses.
inline std::optional<TextList> FitToTheEnd(TextList list, const FitLimits &limits, int maxPasses) {
    const FitNotices quiet{[](std::string_view, std::string_view) {}, [](std::size_t, long long) {}};
    for (int pass = 0; pass < maxPasses; ++pass) {
        TextList out;
        const bool again = FitPass(list, limits, out, quiet);
        list = out;
        if (!again)
            return list;
    }
    return std::nullopt;
}

// The words of a text, split at blanks and at the "|" between lines.
inline std::vector<std::string> WordsOf(std::string_view text) {
    std::vector<std::string> words;
    std::string word;
    for (const char c : std::string(text) + ' ') {
        if (c != ' ' && c != '|') {
            word += c;
        } else if (!word.empty()) {
            words.push_back(word);
            word.clear();
        }
    }
    return words;
}

// The text of an entry that fitting wrote: everything after its two frames.
inline std::string_view FittedEntryText(std::string_view entry) {
    const std::size_t end = entry.find('}', entry.find('}') + 1);
    return entry.substr(end + 1);
}

// Empty when the fitted entries keep the properties for the texts fitted;
// otherwise what went wrong.
inline std::string FitPropertyFault(const std::vector<std::string> &texts, const TextList &fitted,
                                    int maxLine) {
    std::vector<std::string> before;
    for (const std::string &text : texts)
        for (std::string &word : WordsOf(text))
            before.push_back(std::move(word));
    std::vector<std::string> after;
    for (const std::string &entry : fitted) {
        const std::string_view text = FittedEntryText(entry);
        for (std::size_t from = 0; from <= text.size();) {
            const std::size_t bar = std::min(text.find('|', from), text.size());
            if (!FitsLine(text.substr(from, bar - from), maxLine))
                return "line too long: " + std::string(text.substr(from, bar - from));
            from = bar + 1;
        }
        for (std::string &word : WordsOf(text))
            after.push_back(std::move(word));
    }
    std::size_t next = 0;
    for (const std::string &word : before) {
        if (next < after.size() && after[next] == word)
            ++next;
        else if (word != ".")
            return "word lost or moved: " + word;
    }
    return next == after.size() ? std::string() : "word added: " + after[next];
}
