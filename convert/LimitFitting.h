#pragma once

#include "document/TextList.h"

#include <cstddef>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// The pure part of fitting subtitles to a player's limits: re-breaking a
// subtitle's text at spaces and splitting it into several subtitles, apart
// from the window. Characters are counted as a reader sees them, a wide CJK
// character as two (document/TextWidth.h); a line without spaces may break
// between two CJK characters instead.

struct FitLimits {
    int maxLine;  // the most characters of one line
    int maxTotal; // the most characters of all lines of one subtitle, separators not counted
    int lines;    // lines per subtitle, 2 or 3
};

struct Cut {
    std::string head;
    std::string tail;
};

// Cutting X at keep characters: when the first keep characters hold a space,
// the head runs up to and including the last of them and the tail is the
// rest; when they hold none, the head runs up to their last CJK break;
// otherwise the head is empty and the tail is all of X (also for a keep of
// 0 or less).
Cut CutAtSpace(std::string_view x, long long keep);

// The cut of a line longer than the line limit. Where the first maxLine
// characters hold no break, the head is the first word with the space after
// it, or up to the first CJK break when that comes first (all of X when it
// has no break), so that every cut places a word.
Cut CutAtLineLimit(std::string_view x, int maxLine);

// A line fits when it is within the line limit or is one word, with no CJK
// break: a word longer than the limit can go nowhere else, and must stay whole
// on a line of its own.
bool FitsLine(std::string_view line, int maxLine);

// Two texts joined into one: one space between them, none when either is
// empty, the left one already ends with a space, or they meet at a CJK break.
std::string Joined(std::string_view left, std::string_view right);

// Re-breaks two lines (three) so that each fits and together they keep within
// the total, moving what does not fit to the front of the overflow.
void FitLinePair(std::string &l1, std::string &l2, std::string &overflow, const FitLimits &limits);
void FitLineTriple(std::string &l1, std::string &l2, std::string &l3, std::string &overflow,
                   const FitLimits &limits);

// Takes the next line of the remaining text e into a slot; a line too long
// gives its last word (after its last space, or its last CJK break when it
// has no space), and whatever else does not fit, back to the front of e.
void TakeLine(std::string &e, std::string &slot, const FitLimits &limits);

// One subtitle's text fitted: limits.lines slots in each of three groups,
// then the rest that did not fit in them.
struct FittedText {
    std::vector<std::string> slots;
    std::string rest;
};
FittedText FitText(std::string e, const FitLimits &limits);

// What a pass tells the user while it goes on.
struct FitNotices {
    // A subtitle whose start is not before its end (it is still fitted).
    std::function<void(std::string_view startText, std::string_view endText)> boundsOutOfOrder;
    // A subtitle whose split points would leave the 32-bit range; it is written unchanged.
    std::function<void(std::size_t index, long long total)> splitOutOfRange;
    // How far the pass has come, 0 to 100, told every few thousand entries; may be empty.
    std::function<void(int percent)> progress;
};

// One pass over the list: every entry fitted and appended to `out` as one to
// four subtitles, its time span shared in proportion to their characters; a
// subtitle without text is dropped. True when some subtitle left a rest,
// which the next pass fits again. ConvertError when an entry's frames are
// not whole numbers; `out` then holds the entries made so far.
bool FitPass(const TextList &entries, const FitLimits &limits, TextList &out, const FitNotices &notices);
