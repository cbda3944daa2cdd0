#pragma once

#include <cstddef>
#include <initializer_list>
#include <optional>
#include <string_view>

// Character positions counted from 1, as the format rules state them. A
// line too short for a position has no character there, which differs from
// every literal.

inline std::optional<char> CharAt(std::string_view line, std::size_t position) {
    if (position < 1 || position > line.size())
        return std::nullopt;
    return line[position - 1];
}

// The characters from..to (both included); shorter, or empty, when the line ends first.
inline std::string_view Chars(std::string_view line, std::size_t from, std::size_t to) {
    if (from < 1 || from > line.size() || to < from)
        return {};
    return line.substr(from - 1, to - from + 1);
}

// True when characters from..to exist and equal the literal.
inline bool CharsAre(std::string_view line, std::size_t from, std::string_view literal) {
    return Chars(line, from, from + literal.size() - 1) == literal && !literal.empty();
}

// The characters from the position to the end of the line; empty when the line ends before it.
inline std::string_view CharsFrom(std::string_view line, std::size_t from) {
    return Chars(line, from, line.size());
}

// True when the line has ":" at every position given.
inline bool ColonsAt(std::string_view line, std::initializer_list<std::size_t> positions) {
    for (const std::size_t position : positions)
        if (CharAt(line, position) != ':')
            return false;
    return true;
}

// The text without any of the `blanks` at either end.
inline std::string_view Trimmed(std::string_view text, std::string_view blanks = " \t") {
    const auto first = text.find_first_not_of(blanks);
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}
