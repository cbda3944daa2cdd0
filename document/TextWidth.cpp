#include "document/TextWidth.h"

#include <unicode/brkiter.h>
#include <unicode/uchar.h>
#include <unicode/utext.h>
#include <unicode/utf8.h>

#include <algorithm>
#include <cstdint>
#include <memory>
#include <stdexcept>

namespace {

// One character as a reader sees it: its bytes and the code point it is
// built on, or -1 for a byte that is no part of valid UTF-8.
struct Cluster {
    std::size_t begin;
    std::size_t end;
    UChar32 base;
};

bool IsAscii(std::string_view text) {
    unsigned char seen = 0;
    for (const char c : text)
        seen |= static_cast<unsigned char>(c);
    return seen < 0x80;
}

// Every character from U+1100 on is written with a lead byte of 0xE1 or more.
bool MayHoldCjk(std::string_view text) {
    return std::any_of(text.begin(), text.end(),
                       [](char c) { return static_cast<unsigned char>(c) >= 0xE1; });
}

bool IsWide(UChar32 c) {
    if (c < 0x1100)
        return false;
    const int width = u_getIntPropertyValue(c, UCHAR_EAST_ASIAN_WIDTH);
    return width == U_EA_WIDE || width == U_EA_FULLWIDTH;
}

long long Width(const Cluster &cluster) {
    return IsWide(cluster.base) ? 2 : 1;
}

// One break iterator a thread, made once: making one reads ICU's rules.
icu::BreakIterator &CharacterBreaks() {
    thread_local const std::unique_ptr<icu::BreakIterator> breaks = [] {
        UErrorCode status = U_ZERO_ERROR;
        std::unique_ptr<icu::BreakIterator> made(
            icu::BreakIterator::createCharacterInstance(icu::Locale::getRoot(), status));
        if (U_FAILURE(status))
            throw std::runtime_error("The Unicode character rules are missing");
        return made;
    }();
    return *breaks;
}

// Visits the characters of a run of valid UTF-8 that starts at `offset` of
// the whole text; true when the visit asked to stop.
template <class Visit> bool VisitValidRun(std::string_view run, std::size_t offset, Visit &visit) {
    if (IsAscii(run)) {
        for (std::size_t i = 0; i < run.size(); ++i)
            if (visit(Cluster{offset + i, offset + i + 1, static_cast<unsigned char>(run[i])}))
                return true;
        return false;
    }
    UErrorCode status = U_ZERO_ERROR;
    UText text = UTEXT_INITIALIZER;
    utext_openUTF8(&text, run.data(), static_cast<std::int64_t>(run.size()), &status);
    icu::BreakIterator &breaks = CharacterBreaks();
    breaks.setText(&text, status);
    bool stopped = false;
    std::int32_t begin = breaks.first();
    for (std::int32_t end = breaks.next(); !stopped && end != icu::BreakIterator::DONE;
         begin = end, end = breaks.next()) {
        std::size_t at = static_cast<std::size_t>(begin);
        UChar32 base = 0;
        U8_NEXT(run.data(), at, run.size(), base);
        stopped = visit(
            Cluster{offset + static_cast<std::size_t>(begin), offset + static_cast<std::size_t>(end), base});
    }
    utext_close(&text);
    return stopped;
}

// Visits the characters of a text in order until the visit returns true.
// Every byte that does not begin a valid UTF-8 sequence is a character of
// its own; the valid runs between them are broken into grapheme clusters.
template <class Visit> void ForEachCluster(std::string_view text, Visit visit) {
    std::size_t runBegin = 0;
    std::size_t i = 0;
    while (i < text.size()) {
        if (static_cast<unsigned char>(text[i]) < 0x80) {
            ++i;
            continue;
        }
        std::size_t next = i;
        UChar32 c = 0;
        U8_NEXT(text.data(), next, text.size(), c);
        if (c >= 0) {
            i = next;
            continue;
        }
        if (VisitValidRun(text.substr(runBegin, i - runBegin), runBegin, visit) ||
            visit(Cluster{i, i + 1, -1}))
            return;
        runBegin = ++i;
    }
    VisitValidRun(text.substr(runBegin), runBegin, visit);
}

// Ideographs, kana, hangul and their punctuation: the wide characters that
// are no emoji.
bool IsCjk(UChar32 c) {
    return IsWide(c) && !u_hasBinaryProperty(c, UCHAR_EXTENDED_PICTOGRAPHIC);
}

bool LineBreakIs(UChar32 c, std::initializer_list<ULineBreak> kinds) {
    const auto kind = static_cast<ULineBreak>(u_getIntPropertyValue(c, UCHAR_LINE_BREAK));
    return std::find(kinds.begin(), kinds.end(), kind) != kinds.end();
}

// Unicode line breaking between two CJK characters: never after an opening
// bracket or a prefix, never before a closing mark, a small kana, a
// prolonged sound mark, a suffix or a hyphen.
bool BreaksBetween(UChar32 left, UChar32 right) {
    if (!IsCjk(left) || !IsCjk(right))
        return false;
    if (LineBreakIs(
            left, {U_LB_OPEN_PUNCTUATION, U_LB_PREFIX_NUMERIC, U_LB_QUOTATION, U_LB_GLUE, U_LB_WORD_JOINER}))
        return false;
    return !LineBreakIs(right,
                        {U_LB_CLOSE_PUNCTUATION, U_LB_CLOSE_PARENTHESIS, U_LB_EXCLAMATION, U_LB_INFIX_NUMERIC,
                         U_LB_BREAK_SYMBOLS, U_LB_NONSTARTER, U_LB_CONDITIONAL_JAPANESE_STARTER,
                         U_LB_POSTFIX_NUMERIC, U_LB_QUOTATION, U_LB_GLUE, U_LB_WORD_JOINER, U_LB_BREAK_AFTER,
                         U_LB_HYPHEN, U_LB_INSEPARABLE});
}

// Visits the CJK breaks of a text in order until the visit returns true.
template <class Visit> void ForEachCjkBreak(std::string_view text, Visit visit) {
    if (!MayHoldCjk(text))
        return;
    UChar32 previous = -1;
    ForEachCluster(text, [&](const Cluster &cluster) {
        const bool breaks = BreaksBetween(previous, cluster.base);
        previous = cluster.base;
        return breaks && visit(cluster.begin);
    });
}

} // namespace

long long TextWidth(std::string_view text) {
    if (IsAscii(text))
        return static_cast<long long>(text.size());
    long long width = 0;
    ForEachCluster(text, [&](const Cluster &cluster) {
        width += Width(cluster);
        return false;
    });
    return width;
}

std::size_t WidthPrefix(std::string_view text, long long width) {
    if (width <= 0)
        return 0;
    if (IsAscii(text))
        return static_cast<std::size_t>(std::min(width, static_cast<long long>(text.size())));
    std::size_t prefix = 0;
    long long used = 0;
    ForEachCluster(text, [&](const Cluster &cluster) {
        used += Width(cluster);
        if (used > width)
            return true;
        prefix = cluster.end;
        return false;
    });
    return prefix;
}

std::size_t LastCjkBreak(std::string_view text, std::size_t end) {
    std::size_t last = 0;
    ForEachCjkBreak(text, [&](std::size_t at) {
        if (at > end)
            return true;
        last = at;
        return false;
    });
    return last;
}

std::size_t FirstCjkBreak(std::string_view text) {
    std::size_t first = 0;
    ForEachCjkBreak(text, [&](std::size_t at) {
        first = at;
        return true;
    });
    return first;
}

bool CjkBreakBetween(std::string_view left, std::string_view right) {
    // A CJK character ends with a continuation byte and begins with a lead byte.
    if (left.empty() || right.empty() || static_cast<unsigned char>(left.back()) < 0x80 ||
        static_cast<unsigned char>(right.front()) < 0x80)
        return false;
    UChar32 leftBase = -1;
    ForEachCluster(left, [&](const Cluster &cluster) {
        leftBase = cluster.base;
        return false;
    });
    std::size_t at = 0;
    UChar32 rightBase = 0;
    U8_NEXT(right.data(), at, right.size(), rightBase);
    return BreaksBetween(leftBase, rightBase);
}
