#pragma once

#include <cstddef>
#include <string_view>

// How much room a subtitle's UTF-8 text takes on a player's screen, and where
// it may be cut. Texts are counted in the characters a reader sees (grapheme
// clusters: "e" with a combining accent is one, an emoji with its modifiers
// is one); a character whose base is East Asian wide or fullwidth takes two
// columns and counts two. A byte that is no part of valid UTF-8 counts as one
// character of its own, so that any bytes can be counted. Text of only ASCII
// bytes is counted by its length.

// The width of a text.
long long TextWidth(std::string_view text);

// The length in bytes of the longest start of the text that is at most
// `width` wide and ends between two characters (0 for a width of 0 or less).
std::size_t WidthPrefix(std::string_view text, long long width);

// Chinese, Japanese and Korean lines need no spaces: a line may break
// between two of their characters (ideographs, kana, hangul, and after their
// punctuation) where Unicode line breaking allows it. Spaces are no such
// breaks. A break is given as the byte offset where the second character
// begins.

// The last break at or before `end`, which lies between two characters of
// the text; 0 when there is none.
std::size_t LastCjkBreak(std::string_view text, std::size_t end);

// The first break of the text; 0 when there is none.
std::size_t FirstCjkBreak(std::string_view text);

// True when the text may break where `right` would follow `left`, so that
// joining them needs no space between.
bool CjkBreakBetween(std::string_view left, std::string_view right);
