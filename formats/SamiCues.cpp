#include "formats/SamiCues.h"

#include "document/MessageTable.h"
#include "document/NumText.h"
#include "formats/Entities.h"

#include <algorithm>
#include <unordered_set>

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

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
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

// The value of the attribute `lowerName` among a tag's attributes; empty when it has none.
std::string Attribute(std::string_view attributes, std::string_view lowerName) {
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
        if (EqualsNoCase(name, lowerName))
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

// The text of a tag without its "<" and ">" from `at`, and where the text
// after it starts; a tag left open runs to the end.
std::string_view TagAt(std::string_view text, std::size_t at, std::size_t &after) {
    const auto close = text.find('>', at);
    const std::size_t tagEnd = close == std::string_view::npos ? text.size() : close;
    after = tagEnd + 1;
    return text.substr(at + 1, tagEnd - at - 1);
}

// Where a comment from `at` ends.
std::size_t AfterComment(std::string_view text, std::size_t at) {
    const auto close = text.find("-->", at + 4);
    return close == std::string_view::npos ? text.size() : close + 3;
}

bool IsSelectorChar(char c) {
    return IsLetter(c) || IsDigit(c) || c == '_' || c == '-';
}

// The value of the "Name:" property among a style's properties, without quotes.
std::string NameProperty(std::string_view properties) {
    while (!properties.empty()) {
        const auto semicolon = properties.find(';');
        const std::string_view property = properties.substr(0, semicolon);
        properties.remove_prefix(semicolon == std::string_view::npos ? properties.size() : semicolon + 1);
        const auto colon = property.find(':');
        if (colon == std::string_view::npos || !EqualsNoCase(Trimmed(property.substr(0, colon)), "name"))
            continue;
        std::string_view value = Trimmed(property.substr(colon + 1));
        if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
            value.back() == value.front())
            value = value.substr(1, value.size() - 2);
        return std::string(value);
    }
    return {};
}
} // namespace

std::string AsciiLower(std::string_view text) {
    std::string lower(text);
    for (char &c : lower)
        c = Lower(c);
    return lower;
}

bool EqualsNoCase(std::string_view text, std::string_view lowerText) {
    if (text.size() != lowerText.size())
        return false;
    for (std::size_t i = 0; i < text.size(); ++i)
        if (Lower(text[i]) != lowerText[i])
            return false;
    return true;
}

std::size_t FindNoCase(std::string_view text, std::string_view lowerText, std::size_t from) {
    if (lowerText.empty() || text.size() < lowerText.size())
        return std::string_view::npos;
    for (std::size_t at = from; at + lowerText.size() <= text.size(); ++at)
        if (EqualsNoCase(text.substr(at, lowerText.size()), lowerText))
            return at;
    return std::string_view::npos;
}

std::vector<SamiCue> ReadSamiCues(std::string_view body, std::string_view onlyClass) {
    std::vector<SamiCue> cues;
    CueText text;
    // Text before the first SYNC belongs to no cue.
    bool inCue = false;
    // Inside a "<P" of a class not read, and whether the cue had one.
    bool skipping = false;
    bool cueSkipped = false;
    const auto endCue = [&] {
        std::string taken = text.Take();
        if (inCue && cueSkipped && taken.empty())
            cues.pop_back();
        else if (inCue)
            cues.back().text = std::move(taken);
    };

    std::size_t i = 0;
    while (i < body.size()) {
        const char c = body[i];
        const bool tagStarts = c == '<' && i + 1 < body.size() &&
                               (IsLetter(body[i + 1]) || body[i + 1] == '/' || body[i + 1] == '!');
        if (tagStarts && body.substr(i, 4) == "<!--") {
            i = AfterComment(body, i);
            continue;
        }
        if (tagStarts) {
            const std::string_view tag = TagAt(body, i, i);
            const std::string name = TagName(tag);
            if (name == "/body")
                break;
            if (name == "sync") {
                endCue();
                cues.push_back({Attribute(tag.substr(name.size()), "start"), {}});
                inCue = true;
                skipping = cueSkipped = false;
            } else if (name == "p") {
                const std::string pClass = onlyClass.empty()
                                               ? std::string()
                                               : AsciiLower(Attribute(tag.substr(name.size()), "class"));
                skipping = !pClass.empty() && pClass != onlyClass;
                cueSkipped = cueSkipped || skipping;
                if (!skipping && !text.Empty())
                    text.LineBreak();
            } else if (name == "/p") {
                skipping = false;
            } else if (name == "br" && !skipping) {
                text.LineBreak();
            }
            continue;
        }
        if (skipping) {
            ++i;
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

std::vector<SamiClass> ReadSamiClasses(std::string_view head) {
    std::vector<SamiClass> classes;
    const auto style = FindNoCase(head, "<style");
    if (style == std::string_view::npos)
        return classes;
    std::size_t i = 0;
    TagAt(head, style, i);
    const std::string_view sheet = head.substr(0, std::min(FindNoCase(head, "</style", i), head.size()));
    while (i < sheet.size()) {
        if (sheet[i] == '{') {
            const auto close = sheet.find('}', i);
            i = close == std::string_view::npos ? sheet.size() : close + 1;
            continue;
        }
        if (sheet[i] != '.') {
            ++i;
            continue;
        }
        std::size_t afterSelector = i + 1;
        while (afterSelector < sheet.size() && IsSelectorChar(sheet[afterSelector]))
            ++afterSelector;
        const std::string_view selector = sheet.substr(i + 1, afterSelector - i - 1);
        i = afterSelector;
        while (i < sheet.size() && IsBlank(sheet[i]))
            ++i;
        if (selector.empty() || i == sheet.size() || sheet[i] != '{')
            continue;
        const auto close = std::min(sheet.find('}', i), sheet.size());
        classes.push_back({std::string(selector), NameProperty(sheet.substr(i + 1, close - i - 1))});
        i = close + 1;
    }
    return classes;
}

std::vector<std::string> UsedSamiClasses(std::string_view body) {
    std::vector<std::string> used;
    std::unordered_set<std::string> seen;
    std::size_t i = 0;
    while ((i = body.find('<', i)) != std::string_view::npos) {
        if (body.substr(i, 4) == "<!--") {
            i = AfterComment(body, i);
            continue;
        }
        if (i + 1 == body.size() || !(IsLetter(body[i + 1]) || body[i + 1] == '/')) {
            ++i;
            continue;
        }
        const std::string_view tag = TagAt(body, i, i);
        const std::string name = TagName(tag);
        if (name == "/body")
            break;
        if (name != "p")
            continue;
        std::string pClass = AsciiLower(Attribute(tag.substr(name.size()), "class"));
        if (!pClass.empty() && seen.insert(pClass).second)
            used.push_back(std::move(pClass));
    }
    return used;
}

std::string SamiClassStatusText(const SamiClassesRead &found, std::uint8_t language) {
    if (found.classes.empty())
        return {};
    const SamiClass &read = found.classes[found.read];
    return "; " + MessageText(MessageRow::SamiClassRead, language) +
           (read.name.empty() ? read.selector : read.name);
}
