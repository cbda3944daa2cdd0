#pragma once

#include "document/Errors.h"
#include "document/TextList.h"

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include <unicode/utypes.h>

U_NAMESPACE_BEGIN
class RegexMatcher;
class RegexPattern;
class UnicodeString;
U_NAMESPACE_END

struct FindOptions {
    bool matchCase = false;
    bool wholeWords = false;
    // The find text is an ICU regular expression and the replacement may name
    // its groups ("$1"); otherwise both are taken as typed.
    bool regex = false;
};

// A find text that is no regular expression. The message names it.
class PatternError : public LumavertError {
public:
    using LumavertError::LumavertError;
};

// A regular expression the matcher stopped on one subtitle: past its time
// limit (catastrophic backtracking) or its memory limit (a repetition
// over a very long text); nothing was replaced.
class PatternStopped : public LumavertError {
public:
    PatternStopped(const std::string &message, std::size_t subtitle)
        : LumavertError(message), subtitle(subtitle) {}
    std::size_t subtitle; // the index of the entry it was searching
};

// What to look for in the subtitles' text, compiled once. A subtitle's lines
// are searched as one text with a line break between them, so "\n" in a
// regular expression, or "|" in a plain find text, stands for the break.
// Only the text after the "{start}{end}" of an entry is searched or changed.
class TextSearch {
public:
    // Throws PatternError when the find text is empty or not a regular expression.
    TextSearch(std::string_view find, std::string_view replacement, FindOptions options);
    ~TextSearch();
    TextSearch(TextSearch &&) noexcept;
    TextSearch &operator=(TextSearch &&) noexcept;

    // Whether the entry's text holds a match. Throws PatternStopped.
    bool Finds(std::string_view entry, std::size_t subtitle) const;
    // The entry with every match replaced, or nothing when it holds none.
    // Throws PatternStopped.
    std::optional<std::string> Replace(std::string_view entry, std::size_t subtitle,
                                       std::size_t &replaced) const;
    // The entry with its first match replaced, or nothing when it holds none.
    std::optional<std::string> ReplaceFirst(std::string_view entry, std::size_t subtitle) const;

private:
    std::unique_ptr<icu::RegexMatcher> MatcherOver(const icu::UnicodeString &subject,
                                                   UErrorCode &status) const;
    std::optional<std::string> Run(std::string_view entry, std::size_t subtitle, bool all,
                                   std::size_t &replaced) const;

    std::unique_ptr<icu::RegexPattern> pattern_;
    std::string replacement_;
};

struct ReplaceResult {
    TextList list;            // shares every entry it did not change with the list searched
    std::size_t replaced = 0; // matches replaced
};

// Every match of every entry replaced: one pass, the list left as it was.
ReplaceResult ReplaceInList(const TextList &list, const TextSearch &search);

// The first entry after `after` (wrapping round to the start; from the top
// when nothing is given) whose text holds a match, or nothing.
std::optional<std::size_t> FindInList(const TextList &list, const TextSearch &search,
                                      std::optional<std::size_t> after);
