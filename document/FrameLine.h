#pragma once

#include "document/TextList.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// A FrameLine is "{start}{end}text": frames in plain decimal digits, the
// text's lines joined with "|". Every list entry is one, so this is the one
// place that builds them and takes them apart. The readers differ in how
// they treat a line that is not well formed, and each keeps its own rule:
// the list, the conversion and the editing boxes have always read a broken
// entry differently.

// The builders. Each makes exactly one string of the final size.
std::string FrameLine(std::string_view startText, std::string_view endText, std::string_view text);
std::string FrameLine(int start, int end, std::string_view text);

// The "{start}{end}" of a FrameLine, kept on the stack.
class FramePrefix {
public:
    FramePrefix(int start, int end);
    std::string_view View() const { return {chars_.data(), size_}; }

private:
    // Two braced 32-bit numbers with their signs.
    std::array<char, 2 * 13> chars_;
    std::size_t size_ = 0;
};

// Adds the FrameLine to the list with no string built on the way, as the
// importers and the timing correction do for every subtitle.
void AddFrameLine(TextList &list, int start, int end, std::string_view text);

struct FrameLineParts {
    std::string prefix; // the leading "{a}{b}" part
    std::string text;   // everything after the second "}"
};

struct FrameLineBoundTexts {
    std::string startText;
    std::string endText;
};

struct FrameLineViews {
    std::string_view startText;
    std::string_view endText;
    std::string_view text;
};

// The parts of a line as the list reads them: the prefix runs up to the
// second "}", and the bound texts are what stands between the braces.
// ListedFrameLine gives them as views of the line, the text being all that
// follows the prefix.
FrameLineViews ListedFrameLine(std::string_view line);
FrameLineParts SplitFrameLine(std::string_view line);
FrameLineBoundTexts FrameLineBounds(std::string_view line);
// Converts both bounds as whole numbers; ConvertError when one is not. An
// empty line leaves start and end unchanged.
void FrameLineFrames(std::string_view line, int &start, int &end);
std::string FrameLineText(std::string_view line);
// The same text as a view of the line.
std::string_view FrameLineTextView(std::string_view line);

// The parts as the SubRip conversion reads them: the start text lies between
// the first character and the first "}", the end text between the first
// character after that "}" and the next "}", and the text is all that
// follows. A line without "}" gives empty bound texts.
FrameLineViews CutFrameLine(std::string_view line);

// The parts as the editing box reads them: each bound is the text between a
// "{" and the first "}" after it; nothing when either bound has no "{"
// before its "}".
std::optional<FrameLineViews> FindFrameLineBraces(std::string_view line);

// The bound texts as the selection shows them in the frame fields; nothing
// for an entry without "{". NOTE: a "{" missing before the end reads as the
// line's start, so that text then runs from there up to the "}"; a "}"
// missing or before its "{" gives an empty text, which does not convert.
std::optional<FrameLineBoundTexts> SelectionBounds(std::string_view line);
