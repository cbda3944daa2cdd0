#include "document/LetterCase.h"

#include <array>
#include <utility>

namespace {

using CaseTable = std::array<unsigned char, 256>;

// The cp1252 letter pairs beyond ASCII: the accented letters of the Latin-1
// half, whose cases lie 0x20 apart, and the four letters of the 0x80 row.
// NOTE: sharp s (0xDF) and micro (0xB5) have no upper case in the code page,
// and the division and multiplication signs (0xF7, 0xD7) sit among the
// letters without being any.
constexpr bool IsLatin1Upper(unsigned byte) {
    return byte >= 0xC0 && byte <= 0xDE && byte != 0xD7;
}

constexpr std::array<std::pair<unsigned char, unsigned char>, 4> kRowEightyPairs{{
    {0x8A, 0x9A}, // S and s with caron
    {0x8C, 0x9C}, // OE and oe ligatures
    {0x8E, 0x9E}, // Z and z with caron
    {0x9F, 0xFF}, // Y and y with diaeresis
}};

constexpr CaseTable MakeTable(LetterCase to) {
    CaseTable table{};
    for (unsigned byte = 0; byte < 256; ++byte)
        table[byte] = static_cast<unsigned char>(byte);
    const bool upper = to == LetterCase::Upper || to == LetterCase::AnsiUpper;
    const bool ansi = to == LetterCase::AnsiUpper || to == LetterCase::AnsiLower;
    for (unsigned capital = 'A'; capital <= 'Z'; ++capital) {
        if (upper)
            table[capital + 0x20] = static_cast<unsigned char>(capital);
        else
            table[capital] = static_cast<unsigned char>(capital + 0x20);
    }
    if (!ansi)
        return table;
    for (unsigned capital = 0xC0; capital <= 0xDE; ++capital) {
        if (!IsLatin1Upper(capital))
            continue;
        if (upper)
            table[capital + 0x20] = static_cast<unsigned char>(capital);
        else
            table[capital] = static_cast<unsigned char>(capital + 0x20);
    }
    for (const auto &[capital, small] : kRowEightyPairs) {
        if (upper)
            table[small] = capital;
        else
            table[capital] = small;
    }
    return table;
}

constexpr std::array<CaseTable, 4> kTables{
    MakeTable(LetterCase::Upper),
    MakeTable(LetterCase::Lower),
    MakeTable(LetterCase::AnsiUpper),
    MakeTable(LetterCase::AnsiLower),
};

} // namespace

bool ChangeCase(std::string &text, LetterCase to) {
    const CaseTable &table = kTables[static_cast<std::size_t>(to)];
    bool changed = false;
    for (char &c : text) {
        const unsigned char mapped = table[static_cast<unsigned char>(c)];
        changed |= mapped != static_cast<unsigned char>(c);
        c = static_cast<char>(mapped);
    }
    return changed;
}
