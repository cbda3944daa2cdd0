#include "document/LetterCase.h"

#include "document/TextEncoding.h"

#include <unicode/uchar.h>
#include <unicode/utf8.h>

namespace {

// NOTE: micro (U+00B5) and f with hook (U+0192) keep their case: their
// capitals are Greek and African letters that Windows text never paired
// with them. Sharp s has no single capital and stays too.
bool KeepsCase(UChar32 c) {
    return c == 0xB5 || c == 0x192;
}

char AsciiCase(char c, bool upper) {
    if (upper && c >= 'a' && c <= 'z')
        return static_cast<char>(c - 'a' + 'A');
    if (!upper && c >= 'A' && c <= 'Z')
        return static_cast<char>(c - 'A' + 'a');
    return c;
}

// Each character's simple case mapping (one character for one), so no
// text grows or shrinks by more than the bytes of the letters that change.
std::string UnicodeCase(std::string_view text, bool upper) {
    std::string changed;
    changed.reserve(text.size());
    const auto *data = reinterpret_cast<const std::uint8_t *>(text.data());
    const auto length = static_cast<std::int32_t>(text.size());
    for (std::int32_t at = 0; at < length;) {
        if (data[at] < 0x80) {
            changed += AsciiCase(text[static_cast<std::size_t>(at)], upper);
            ++at;
            continue;
        }
        const std::int32_t start = at;
        UChar32 c = 0;
        U8_NEXT(data, at, length, c);
        const UChar32 mapped = c < 0 || KeepsCase(c) ? c : upper ? u_toupper(c) : u_tolower(c);
        if (mapped == c)
            changed.append(
                text.substr(static_cast<std::size_t>(start), static_cast<std::size_t>(at - start)));
        else
            changed += Utf8Of(static_cast<char32_t>(mapped));
    }
    return changed;
}

} // namespace

bool ChangeCase(std::string &text, LetterCase to) {
    const bool upper = to == LetterCase::Upper || to == LetterCase::AnsiUpper;
    const bool everyLetter = to == LetterCase::AnsiUpper || to == LetterCase::AnsiLower;
    bool changed = false;
    // ASCII changes in place; from the first other character on, the rest of
    // the text is mapped anew.
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (everyLetter && static_cast<unsigned char>(c) >= 0x80) {
            std::string rest = UnicodeCase(std::string_view(text).substr(i), upper);
            if (std::string_view(text).substr(i) == rest)
                return changed;
            text.replace(i, std::string::npos, rest);
            return true;
        }
        const char mapped = AsciiCase(c, upper);
        changed |= mapped != c;
        text[i] = mapped;
    }
    return changed;
}
