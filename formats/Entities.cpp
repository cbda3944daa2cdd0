#include "formats/Entities.h"

#include "document/NumText.h"
#include "document/TextEncoding.h"

#include <array>

namespace {
char Lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// CHOICE: a non-breaking space reads as a blank; subtitle lines are
// wrapped by the player's limits, not by the file's spaces.
struct Entity {
    std::string_view name;
    std::string_view characters;
};
// The direction marks keep their meaning in the text, as the player's own would.
constexpr std::array<Entity, 7> kEntities = {{{"nbsp", " "},
                                              {"amp", "&"},
                                              {"lt", "<"},
                                              {"gt", ">"},
                                              {"quot", "\""},
                                              {"lrm", "\u200E"},
                                              {"rlm", "\u200F"}}};
constexpr char32_t kNonBreakingSpace = 0xA0;
// Longer numbers name no character.
constexpr std::size_t kMaxEntityDigits = 7;

// A numeric entity "&#177;" or "&#x41F;" of a Unicode character.
std::optional<DecodedEntity> DecodeNumeric(std::string_view text, std::size_t at) {
    std::size_t i = at + 2;
    const bool hex = i < text.size() && Lower(text[i]) == 'x';
    if (hex)
        ++i;
    const std::size_t digitsFrom = i;
    char32_t code = 0;
    for (; i < text.size() && i - digitsFrom < kMaxEntityDigits; ++i) {
        const char c = Lower(text[i]);
        if (IsDigit(c))
            code = code * (hex ? 16 : 10) + static_cast<char32_t>(c - '0');
        else if (hex && c >= 'a' && c <= 'f')
            code = code * 16 + static_cast<char32_t>(c - 'a' + 10);
        else
            break;
    }
    if (i == digitsFrom)
        return std::nullopt;
    // CHOICE: control characters (a line end among them) stay as written,
    // so no entity can break a subtitle's line apart.
    // Numbers that name no character stay as written too.
    if (code < 0x20 || (code >= 0x7F && code < 0xA0) || (code >= 0xD800 && code < 0xE000) || code > 0x10FFFF)
        return std::nullopt;
    return DecodedEntity{code == kNonBreakingSpace ? std::string(" ") : Utf8Of(code),
                         i - at + (i < text.size() && text[i] == ';' ? 1 : 0)};
}

} // namespace

// CHOICE: as in a browser, the ";" that ends an entity may be missing.
std::optional<DecodedEntity> DecodeEntity(std::string_view text, std::size_t at) {
    if (at + 1 < text.size() && text[at + 1] == '#')
        return DecodeNumeric(text, at);
    for (const Entity &entity : kEntities) {
        if (text.substr(at + 1, entity.name.size()) != entity.name)
            continue;
        const std::size_t end = at + 1 + entity.name.size();
        return DecodedEntity{std::string(entity.characters),
                             end - at + (end < text.size() && text[end] == ';' ? 1 : 0)};
    }
    return std::nullopt;
}
