#include "document/TextWidth.h"

#include "document/AsciiRuns.h"

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

// Every character from U+1100 on is written with a lead byte of 0xE1 or more.
bool MayHoldCjk(std::string_view text) {
    return std::any_of(text.begin(), text.end(),
                       [](char c) { return static_cast<unsigned char>(c) >= 0xE1; });
}

// A byte from 0x80 on with an ASCII byte or nothing after it is no part of
// valid UTF-8: the quick answer for the 8-bit text of older files.
bool IsLoneHighByte(std::string_view text, std::size_t at) {
    return at + 1 == text.size() || static_cast<unsigned char>(text[at + 1]) < 0x80;
}

// The letters of most European languages lie below U+0300, where every
// character is written in two bytes after a lead byte of 0xC2 to 0xCB and
// stands alone one column wide: the quick answer for such a character at `at`.
bool IsNarrowTwoByteCharacter(std::string_view text, std::size_t at) {
    const auto lead = static_cast<unsigned char>(text[at]);
    return lead >= 0xC2 && lead <= 0xCB && at + 1 < text.size() &&
           (static_cast<unsigned char>(text[at + 1]) & 0xC0) == 0x80;
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

// True when the code point is a character of its own whatever stands around
// it: it joins neither the one before it (as a combining mark, a joiner or a
// skin tone does) nor the one after (as a hangul jamo or a prepended sign
// does). Below U+0300 only CR LF join, and we count those apart.
bool StandsAlone(UChar32 c) {
    if (c < 0x300)
        return true;
    const int kind = u_getIntPropertyValue(c, UCHAR_GRAPHEME_CLUSTER_BREAK);
    return kind == U_GCB_OTHER || kind == U_GCB_CONTROL;
}

// Visits the code points of a text as characters, each byte that does not
// begin a valid UTF-8 sequence as a character of its own, until the visit
// returns true. False, when it meets a code point that does not stand alone,
// before visiting it: such a text needs the full rules.
template <class Visit> bool VisitCodePoints(std::string_view text, Visit visit) {
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t begin = i;
        UChar32 c = static_cast<unsigned char>(text[i]);
        if (c < 0x80) {
            ++i;
        } else {
            U8_NEXT(text.data(), i, text.size(), c);
            if (c < 0)
                i = begin + 1;
            else if (!StandsAlone(c))
                return false;
        }
        if (visit(Cluster{begin, i, c}))
            return true;
    }
    return true;
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

// Visits the grapheme clusters of a run of valid UTF-8 that starts at
// `offset` of the whole text; true when the visit asked to stop.
template <class Visit> bool VisitValidRun(std::string_view run, std::size_t offset, Visit &visit) {
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

// Visits the characters of a text by the full rules: the valid UTF-8 runs
// between bytes that are no UTF-8 are broken into grapheme clusters.
template <class Visit> void VisitClusters(std::string_view text, Visit visit) {
    std::size_t runBegin = 0;
    std::size_t i = 0;
    while (i < text.size()) {
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

// Visits the characters of a text in order until the visit returns true:
// code point by code point where each stands alone, which is most text,
// otherwise by the full rules.
template <class Visit> void ForEachCluster(std::string_view text, Visit visit) {
    if (!VisitCodePoints(text, [](const Cluster &) { return false; }))
        VisitClusters(text, visit);
    else
        VisitCodePoints(text, visit);
}

long long WidthByRules(std::string_view text) {
    long long width = 0;
    VisitClusters(text, [&](const Cluster &cluster) {
        width += Width(cluster);
        return false;
    });
    return width;
}

std::size_t PrefixByRules(std::string_view text, std::size_t room) {
    std::size_t prefix = 0;
    std::size_t used = 0;
    VisitClusters(text, [&](const Cluster &cluster) {
        used += static_cast<std::size_t>(Width(cluster));
        if (used > room)
            return true;
        prefix = cluster.end;
        return false;
    });
    return prefix;
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
    long long width = static_cast<long long>(text.size());
    for (std::size_t i = AsciiRunEnd(text, 0); i < text.size(); i = AsciiRunEnd(text, i)) {
        if (IsLoneHighByte(text, i)) {
            ++i;
            continue;
        }
        if (IsNarrowTwoByteCharacter(text, i)) {
            --width;
            i += 2;
            continue;
        }
        const std::size_t begin = i;
        UChar32 c = 0;
        U8_NEXT(text.data(), i, text.size(), c);
        if (c < 0) {
            i = begin + 1;
        } else if (!StandsAlone(c)) {
            return WidthByRules(text);
        } else {
            width -= static_cast<long long>(i - begin) - (IsWide(c) ? 2 : 1);
        }
    }
    return width;
}

std::size_t WidthPrefix(std::string_view text, long long width) {
    if (width <= 0)
        return 0;
    const auto room = static_cast<std::size_t>(width);
    std::size_t used = 0;
    std::size_t i = 0;
    for (;;) {
        const std::size_t ascii = AsciiRunEnd(text, i);
        if (used + (ascii - i) > room)
            return i + (room - used);
        used += ascii - i;
        i = ascii;
        if (i == text.size())
            return i;
        if (IsNarrowTwoByteCharacter(text, i)) {
            if (++used > room)
                return i;
            i += 2;
            continue;
        }
        const std::size_t begin = i;
        UChar32 c = 0;
        U8_NEXT(text.data(), i, text.size(), c);
        if (c < 0)
            i = begin + 1;
        else if (!StandsAlone(c))
            return PrefixByRules(text, room);
        used += IsWide(c) ? 2 : 1;
        if (used > room)
            return begin;
    }
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
    std::size_t at = 0;
    UChar32 rightBase = 0;
    U8_NEXT(right.data(), at, right.size(), rightBase);
    if (!IsCjk(rightBase))
        return false;
    UChar32 leftBase = -1;
    ForEachCluster(left, [&](const Cluster &cluster) {
        leftBase = cluster.base;
        return false;
    });
    return BreaksBetween(leftBase, rightBase);
}
