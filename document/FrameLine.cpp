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

FrameLineViews ListedFrameLine(std::string_view line) {
    FrameLineViews views;
    const std::size_t first = line.find('}');
    if (first == std::string_view::npos) {
        views.text = line;
        return views;
    }
    const std::size_t startBegin = line.front() == '{' ? 1 : 0;
    views.startText = line.substr(startBegin, first - startBegin);
    const std::size_t second = line.find('}', first + 1);
    if (second == std::string_view::npos) {
        views.text = line.substr(first + 1);
        return views;
    }
    const std::size_t endBegin = line[first + 1] == '{' ? first + 2 : first + 1;
    views.endText = line.substr(endBegin, second - endBegin);
    views.text = line.substr(second + 1);
    return views;
}

FrameLineBoundTexts FrameLineBounds(std::string_view line) {
    const FrameLineViews views = ListedFrameLine(line);
    return {std::string(views.startText), std::string(views.endText)};
}

void FrameLineFrames(std::string_view line, int &start, int &end) {
    if (line.empty())
        return;
    const FrameLineViews views = ListedFrameLine(line);
    start = StrToInt(views.startText);
    end = StrToInt(views.endText);
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
