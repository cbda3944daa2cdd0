#include "formats/SamiCues.h"

#include "document/NumText.h"
#include "formats/Entities.h"

namespace {
char Lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool IsLetter(char c) {
    return Lower(c) >= 'a' && Lower(c) <= 'z';
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v';
}

bool EqualsNoCase(std::string_view text, std::string_view lowerText) {
    if (text.size() != lowerText.size())
        return false;
    for (std::size_t i = 0; i < text.size(); ++i)
        if (Lower(text[i]) != lowerText[i])
            return false;
    return true;
}

// The text of a cue as it is built: blanks are held back until a character
// follows on the same line, so lines come out trimmed and runs of blanks as one.
class CueText {
public:
    void Blank() { blankPending_ = true; }
    void Char(char c) { Chars(std::string_view(&c, 1)); }
    void Chars(std::string_view characters) {
        if (blankPending_ && !AtLineStart())
            text_ += ' ';
        blankPending_ = false;
        text_ += characters;
    }
    // CHOICE: a break at the start of a line adds no empty line.
    void LineBreak() {
        blankPending_ = false;
        if (!AtLineStart())
            text_ += '|';
    }
    bool Empty() const { return text_.empty(); }
    std::string Take() {
        if (!text_.empty() && text_.back() == '|')
            text_.pop_back();
        blankPending_ = false;
        return std::move(text_);
    }

private:
    bool AtLineStart() const { return text_.empty() || text_.back() == '|'; }
    std::string text_;
    bool blankPending_ = false;
};

// The value of the Start attribute among a SYNC tag's attributes; empty when it has none.
std::string StartAttribute(std::string_view attributes) {
    std::size_t i = 0;
    while (i < attributes.size()) {
        while (i < attributes.size() && IsBlank(attributes[i]))
            ++i;
        const std::size_t nameFrom = i;
        while (i < attributes.size() && !IsBlank(attributes[i]) && attributes[i] != '=')
            ++i;
        const std::string_view name = attributes.substr(nameFrom, i - nameFrom);
        while (i < attributes.size() && IsBlank(attributes[i]))
            ++i;
        if (i == attributes.size() || attributes[i] != '=') {
            if (name.empty())
                ++i;
            continue;
        }
        ++i;
        while (i < attributes.size() && IsBlank(attributes[i]))
            ++i;
        std::size_t valueFrom = i;
        std::size_t valueTo;
        if (i < attributes.size() && (attributes[i] == '"' || attributes[i] == '\'')) {
            const char quote = attributes[i];
            valueFrom = i + 1;
            valueTo = attributes.find(quote, valueFrom);
            if (valueTo == std::string_view::npos)
                valueTo = attributes.size();
            i = valueTo + 1;
        } else {
            while (i < attributes.size() && !IsBlank(attributes[i]))
                ++i;
            valueTo = i;
        }
        if (EqualsNoCase(name, "start"))
            return std::string(attributes.substr(valueFrom, valueTo - valueFrom));
    }
    return {};
}

// A tag's name in lower case, "/" included for a closing tag ("sync", "/body").
std::string TagName(std::string_view tag) {
    std::string name;
    std::size_t i = 0;
    if (i < tag.size() && tag[i] == '/')
        name += tag[i++];
    for (; i < tag.size() && (IsLetter(tag[i]) || IsDigit(tag[i])); ++i)
        name += Lower(tag[i]);
    return name;
}
} // namespace

std::size_t FindNoCase(std::string_view text, std::string_view lowerText, std::size_t from) {
    if (lowerText.empty() || text.size() < lowerText.size())
        return std::string_view::npos;
    for (std::size_t at = from; at + lowerText.size() <= text.size(); ++at)
        if (EqualsNoCase(text.substr(at, lowerText.size()), lowerText))
            return at;
    return std::string_view::npos;
}

std::vector<SamiCue> ReadSamiCues(std::string_view body) {
    std::vector<SamiCue> cues;
    CueText text;
    // Text before the first SYNC belongs to no cue.
    bool inCue = false;
    const auto endCue = [&] {
        std::string taken = text.Take();
        if (inCue)
            cues.back().text = std::move(taken);
    };

    std::size_t i = 0;
    while (i < body.size()) {
        const char c = body[i];
        const bool tagStarts = c == '<' && i + 1 < body.size() &&
                               (IsLetter(body[i + 1]) || body[i + 1] == '/' || body[i + 1] == '!');
        if (tagStarts && body.substr(i, 4) == "<!--") {
            const auto close = body.find("-->", i + 4);
            i = close == std::string_view::npos ? body.size() : close + 3;
            continue;
        }
        if (tagStarts) {
            const auto close = body.find('>', i);
            const std::size_t tagEnd = close == std::string_view::npos ? body.size() : close;
            const std::string_view tag = body.substr(i + 1, tagEnd - i - 1);
            i = tagEnd + 1;
            const std::string name = TagName(tag);
            if (name == "/body")
                break;
            if (name == "sync") {
                endCue();
                cues.push_back({StartAttribute(tag.substr(name.size())), {}});
                inCue = true;
            } else if (name == "br" || (name == "p" && !text.Empty())) {
                text.LineBreak();
            }
            continue;
        }
        if (c == '&') {
            if (const auto entity = DecodeEntity(body, i)) {
                entity->characters == " " ? text.Blank() : text.Chars(entity->characters);
                i += entity->length;
                continue;
            }
        }
        IsBlank(c) ? text.Blank() : text.Char(c);
        ++i;
    }
    endCue();
    return cues;
}
