#include "document/FrameLine.h"

#include "document/NumText.h"

#include <charconv>

namespace {

// What is left after deleting everything up to and including the first "}";
// the whole text when there is none.
std::string_view AfterFirstBrace(std::string_view text) {
    const std::size_t brace = text.find('}');
    return brace == std::string_view::npos ? text : text.substr(brace + 1);
}

// The two bound texts of a FrameLine as they stand in it: the end text still
// holds the "}" that closes it, which the readers remove.
struct BoundViews {
    std::string_view startText;
    std::string_view endText;
};

BoundViews FrameLineBoundViews(std::string_view line) {
    std::string_view prefix = line.substr(0, line.size() - AfterFirstBrace(AfterFirstBrace(line)).size());
    if (prefix.empty())
        return {};
    if (prefix.front() == '{')
        prefix.remove_prefix(1);
    BoundViews bounds{prefix, prefix};
    const std::size_t brace = prefix.find('}');
    if (brace != std::string_view::npos) {
        bounds.startText = prefix.substr(0, brace);
        bounds.endText = prefix.substr(brace + 1);
    }
    if (!bounds.endText.empty() && bounds.endText.front() == '{')
        bounds.endText.remove_prefix(1);
    return bounds;
}

std::string WithoutFirstBrace(std::string_view text) {
    std::string result(text);
    const std::size_t brace = result.find('}');
    if (brace != std::string::npos)
        result.erase(brace, 1);
    return result;
}

// Takes "x...}" off the front of a line: the bound text between its first
// character and the first "}", and what follows that "}". Without a "}" the
// bound is empty and the whole line is left.
std::string_view CutBound(std::string_view line, std::string_view &bound) {
    const std::size_t brace = line.find('}');
    if (brace == std::string_view::npos) {
        bound = {};
        return line;
    }
    bound = brace == 0 ? std::string_view{} : line.substr(1, brace - 1);
    return line.substr(brace + 1);
}

// The text between a "{" and the first "}" after it, and what follows that
// "}"; nothing when no "{" stands before the first "}".
std::optional<std::pair<std::string_view, std::string_view>> CutAtBraces(std::string_view line) {
    const std::size_t open = line.find('{');
    const std::size_t close = line.find('}');
    if (open == std::string_view::npos || close == std::string_view::npos || open > close)
        return std::nullopt;
    return std::pair{line.substr(open + 1, close - open - 1), line.substr(close + 1)};
}

// 1-based position of the first `c`, 0 when there is none.
std::size_t PositionOf(std::string_view text, char c) {
    const std::size_t at = text.find(c);
    return at == std::string_view::npos ? 0 : at + 1;
}

// The characters strictly between positions open and close (1-based, 0 for
// "not found").
std::string Between(std::string_view text, std::size_t open, std::size_t close) {
    if (close <= open + 1)
        return {};
    return std::string(text.substr(open, close - open - 1));
}

} // namespace

std::string FrameLine(std::string_view startText, std::string_view endText, std::string_view text) {
    std::string line;
    line.reserve(startText.size() + endText.size() + text.size() + 4);
    line += '{';
    line += startText;
    line += "}{";
    line += endText;
    line += '}';
    line += text;
    return line;
}

std::string FrameLine(int start, int end, std::string_view text) {
    const FramePrefix prefix(start, end);
    std::string line;
    line.reserve(prefix.View().size() + text.size());
    line += prefix.View();
    line += text;
    return line;
}

FramePrefix::FramePrefix(int start, int end) {
    char *at = chars_.data();
    char *const last = chars_.data() + chars_.size();
    *at++ = '{';
    at = std::to_chars(at, last, start).ptr;
    *at++ = '}';
    *at++ = '{';
    at = std::to_chars(at, last, end).ptr;
    *at++ = '}';
    size_ = static_cast<std::size_t>(at - chars_.data());
}

void AddFrameLine(TextList &list, int start, int end, std::string_view text) {
    list.AddJoined(FramePrefix(start, end).View(), text);
}

FrameLineParts SplitFrameLine(std::string_view line) {
    const std::string_view text = AfterFirstBrace(AfterFirstBrace(line));
    return {std::string(line.substr(0, line.size() - text.size())), std::string(text)};
}

FrameLineBoundTexts FrameLineBounds(std::string_view line) {
    const BoundViews bounds = FrameLineBoundViews(line);
    return {std::string(bounds.startText), WithoutFirstBrace(bounds.endText)};
}

void FrameLineFrames(std::string_view line, int &start, int &end) {
    if (line.empty())
        return;
    const BoundViews bounds = FrameLineBoundViews(line);
    start = StrToInt(bounds.startText);
    // The end text nearly always closes with its "}"; reading it in place saves a copy per entry.
    const std::size_t brace = bounds.endText.find('}');
    if (brace == std::string_view::npos || brace + 1 == bounds.endText.size())
        end = StrToInt(bounds.endText.substr(0, brace));
    else
        end = StrToInt(WithoutFirstBrace(bounds.endText));
}

std::string FrameLineText(std::string_view line) {
    return std::string(FrameLineTextView(line));
}

std::string_view FrameLineTextView(std::string_view line) {
    return AfterFirstBrace(AfterFirstBrace(line));
}

FrameLineViews CutFrameLine(std::string_view line) {
    FrameLineViews views;
    const std::string_view rest = CutBound(line, views.startText);
    views.text = CutBound(rest, views.endText);
    return views;
}

std::optional<FrameLineViews> FindFrameLineBraces(std::string_view line) {
    const auto start = CutAtBraces(line);
    if (!start)
        return std::nullopt;
    const auto end = CutAtBraces(start->second);
    if (!end)
        return std::nullopt;
    return FrameLineViews{start->first, end->first, end->second};
}

std::optional<FrameLineBoundTexts> SelectionBounds(std::string_view line) {
    const std::size_t open = PositionOf(line, '{');
    if (open == 0)
        return std::nullopt;
    const std::size_t close = PositionOf(line, '}');
    FrameLineBoundTexts bounds{Between(line, open, close), {}};
    const std::string_view rest = line.substr(close);
    bounds.endText = Between(rest, PositionOf(rest, '{'), PositionOf(rest, '}'));
    return bounds;
}
