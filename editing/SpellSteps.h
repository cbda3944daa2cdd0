#pragma once

#include "editing/SpellCheck.h"
#include "editing/Words.h"

#include <optional>
#include <set>
#include <string>
#include <string_view>

// The spell check's window walks the list one word at a time, so that the
// user's changes count before the next word is looked up.

// The first word the checker does not know and that is not ignored, at or
// after `offset` bytes into subtitle `subtitle` (its "{start}{end}" included).
std::optional<UnknownWord> NextUnknownWord(const TextList &list, std::size_t subtitle, std::size_t offset,
                                           const SpellChecker &checker,
                                           const std::set<std::string, std::less<>> &ignored,
                                           WordSplitter &splitter);

// Every whole word `word` of the subtitles' text changed to `replacement`; how many.
std::size_t ReplaceWordEverywhere(TextList &list, std::string_view word, std::string_view replacement,
                                  WordSplitter &splitter);

// The personal dictionary in the configuration folder: "$XDG_CONFIG_HOME/Lumavert/words.txt",
// or "~/.config/Lumavert/words.txt"; empty when neither folder is known.
std::string DefaultPersonalWordsFile();
