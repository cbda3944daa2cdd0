#pragma once

#include "convert/LimitFitting.h"
#include "document/TextWidth.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// What fitting keeps, whatever the texts and the limits: the passes end, the
// words keep their order (only lone "." words may go) and every line is
// within the line limit or one word. Shared by the property test and the
// fuzz target.

// Passes over the list until none leaves a rest; nothing after maxPasses.
inline std::optional<TextList> FitToTheEnd(TextList list, const FitLimits &limits, int maxPasses) {
    const FitNotices quiet{[](std::string_view, std::string_view) {}, [](std::size_t, long long) {}, {}};
    for (int pass = 0; pass < maxPasses; ++pass) {
        TextList out;
        const bool again = FitPass(list, limits, out, quiet);
        list = out;
        if (!again)
            return list;
    }
    return std::nullopt;
}

// The words of a blank-free stretch: Chinese, Japanese and Korean text is
// cut into a word between every two characters where it may break.
inline void AddWords(std::string_view stretch, std::vector<std::string> &words) {
    for (std::size_t at = FirstCjkBreak(stretch); at != 0; at = FirstCjkBreak(stretch)) {
        words.emplace_back(stretch.substr(0, at));
        stretch.remove_prefix(at);
    }
    words.emplace_back(stretch);
}

// Empty when the fitted entries keep the properties for the texts; otherwise what went wrong.
inline std::string FitPropertyFault(const std::vector<std::string> &texts, const TextList &fitted,
                                    int maxLine) {
    std::vector<std::string> before, after;
    // Words split at blanks, at the "|" between lines and between CJK characters, the lines checked on
    // the way.
    const auto split = [maxLine](std::string_view text, std::vector<std::string> &words, bool checkLines) {
        std::string word, line;
        for (const char c : std::string(text) + '|') {
            if (c == '|' && checkLines && !FitsLine(line, maxLine))
                return "line too long: " + line;
            c == '|' ? line.clear() : line.push_back(c);
            if (c != ' ' && c != '|') {
                word += c;
            } else if (!word.empty()) {
                AddWords(word, words);
                word.clear();
            }
        }
        return std::string();
    };
    for (const std::string &text : texts)
        split(text, before, false);
    for (const std::string_view entry : fitted) {
        const std::string fault = split(entry.substr(entry.find('}', entry.find('}') + 1) + 1), after, true);
        if (!fault.empty())
            return fault;
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
