#include "editing/FindReplace.h"

#include "document/FrameLine.h"

#include <unicode/regex.h>
#include <unicode/unistr.h>

#include <algorithm>

namespace {

// CHOICE: the matcher's time limit on one subtitle, in ICU's units of about a
// millisecond: far beyond any sensible expression on a subtitle's text, short
// enough that a runaway one is stopped before the window seems to hang.
constexpr std::int32_t kTimeLimit = 200;

// Lines of a subtitle are searched with a line break between them.
std::string LinesAsText(std::string_view text) {
    std::string lines(text);
    std::replace(lines.begin(), lines.end(), '|', '\n');
    return lines;
}

// A plain find text as an expression that matches exactly it: ASCII
// punctuation is quoted, everything else stands for itself.
std::string QuotedPattern(std::string_view text) {
    std::string quoted;
    quoted.reserve(text.size() * 2);
    for (const char c : LinesAsText(text)) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80 && byte > ' ' && !std::isalnum(byte))
            quoted += '\\';
        quoted += c;
    }
    return quoted;
}

// A plain replacement keeps its "$" and "\" as typed.
std::string QuotedReplacement(std::string_view text) {
    std::string quoted;
    quoted.reserve(text.size() * 2);
    for (const char c : LinesAsText(text)) {
        if (c == '$' || c == '\\')
            quoted += '\\';
        quoted += c;
    }
    return quoted;
}

std::string Utf8(const icu::UnicodeString &text) {
    std::string utf8;
    text.toUTF8String(utf8);
    return utf8;
}

// Ends the search when the matcher failed: a runaway expression, one that
// needs more than ICU's backtracking memory limit, or a
// replacement naming a group the expression lacks.
void CheckMatcher(UErrorCode status, std::size_t subtitle) {
    if (status == U_REGEX_TIME_OUT)
        throw PatternStopped("The regular expression took too long on subtitle " +
                                 std::to_string(subtitle + 1) + " and was stopped; nothing was changed",
                             subtitle);
    if (status == U_REGEX_STACK_OVERFLOW)
        throw PatternStopped("The regular expression needs too much memory on subtitle " +
                                 std::to_string(subtitle + 1) + " and was stopped; nothing was changed",
                             subtitle);
    if (U_FAILURE(status))
        throw PatternError("The replacement cannot be made (" + std::string(u_errorName(status)) + ")");
}

} // namespace

TextSearch::TextSearch(std::string_view find, std::string_view replacement, FindOptions options)
    : replacement_(options.regex ? std::string(replacement) : QuotedReplacement(replacement)) {
    if (find.empty())
        throw PatternError("Nothing to find");
    std::string pattern = options.regex ? std::string(find) : QuotedPattern(find);
    // A word's edge is where no letter, digit or joining mark stands on either side of the match.
    if (options.wholeWords)
        pattern = "(?<!\\w)(?:" + pattern + ")(?!\\w)";
    UParseError where{};
    UErrorCode status = U_ZERO_ERROR;
    const std::uint32_t flags = options.matchCase ? 0 : UREGEX_CASE_INSENSITIVE;
    pattern_.reset(icu::RegexPattern::compile(icu::UnicodeString::fromUTF8(pattern), flags, where, status));
    if (U_FAILURE(status))
        throw PatternError("\"" + std::string(find) + "\" is not a valid regular expression (" +
                           u_errorName(status) + ", at character " + std::to_string(where.offset + 1) + ")");
}

TextSearch::~TextSearch() = default;
TextSearch::TextSearch(TextSearch &&) noexcept = default;
TextSearch &TextSearch::operator=(TextSearch &&) noexcept = default;

// A matcher over an entry's text, its lines joined by line breaks.
std::unique_ptr<icu::RegexMatcher> TextSearch::MatcherOver(const icu::UnicodeString &subject,
                                                           UErrorCode &status) const {
    std::unique_ptr<icu::RegexMatcher> matcher(pattern_->matcher(subject, status));
    if (matcher)
        matcher->setTimeLimit(kTimeLimit, status);
    return matcher;
}

std::optional<std::string> TextSearch::Run(std::string_view entry, std::size_t subtitle, bool all,
                                           std::size_t &replaced) const {
    const std::string_view text = ListedFrameLine(entry).text;
    const icu::UnicodeString subject = icu::UnicodeString::fromUTF8(LinesAsText(text));
    UErrorCode status = U_ZERO_ERROR;
    const std::unique_ptr<icu::RegexMatcher> matcher = MatcherOver(subject, status);
    const icu::UnicodeString replacement = icu::UnicodeString::fromUTF8(replacement_);
    icu::UnicodeString result;
    std::size_t count = 0;
    while (U_SUCCESS(status) && matcher->find(status)) {
        matcher->appendReplacement(result, replacement, status);
        ++count;
        if (!all)
            break;
    }
    CheckMatcher(status, subtitle);
    if (count == 0)
        return std::nullopt;
    matcher->appendTail(result);
    replaced += count;
    std::string changed = Utf8(result);
    std::replace(changed.begin(), changed.end(), '\n', '|');
    return std::string(entry.substr(0, entry.size() - text.size())) + changed;
}

bool TextSearch::Finds(std::string_view entry, std::size_t subtitle) const {
    const icu::UnicodeString subject = icu::UnicodeString::fromUTF8(LinesAsText(ListedFrameLine(entry).text));
    UErrorCode status = U_ZERO_ERROR;
    const std::unique_ptr<icu::RegexMatcher> matcher = MatcherOver(subject, status);
    const bool found = U_SUCCESS(status) && matcher->find(status);
    CheckMatcher(status, subtitle);
    return found;
}

std::optional<std::string> TextSearch::Replace(std::string_view entry, std::size_t subtitle,
                                               std::size_t &replaced) const {
    return Run(entry, subtitle, true, replaced);
}

std::optional<std::string> TextSearch::ReplaceFirst(std::string_view entry, std::size_t subtitle) const {
    std::size_t replaced = 0;
    return Run(entry, subtitle, false, replaced);
}

ReplaceResult ReplaceInList(const TextList &list, const TextSearch &search) {
    ReplaceResult result{list, 0};
    for (std::size_t i = 0; i < list.Count(); ++i)
        if (const std::optional<std::string> changed = search.Replace(list[i], i, result.replaced))
            result.list.Set(i, *changed);
    return result;
}

std::optional<std::size_t> FindInList(const TextList &list, const TextSearch &search,
                                      std::optional<std::size_t> after) {
    const std::size_t count = list.Count();
    const std::size_t first = after && *after < count ? *after + 1 : 0;
    for (std::size_t step = 0; step < count; ++step) {
        const std::size_t i = (first + step) % count;
        if (search.Finds(list[i], i))
            return i;
    }
    return std::nullopt;
}
