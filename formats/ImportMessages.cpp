#include "formats/ImportMessages.h"

#include "document/Errors.h"
#include "document/NumText.h"

#include <array>
#include <string_view>

namespace {
// What follows the count, for one subtitle and for several.
struct CountedText {
    std::string_view one;
    std::string_view many;
};

const std::array<CountedText, 4> kLeftOut{{
    {" legenda deste ficheiro não pôde ser lida e ficou de fora.",
     " legendas deste ficheiro não puderam ser lidas e ficaram de fora."},
    {" subtitle of this file could not be read and was left out.",
     " subtitles of this file could not be read and were left out."},
    {" undertekst i denne fil kunne ikke læses og er udeladt.",
     " undertekster i denne fil kunne ikke læses og er udeladt."},
    {" subtítulo de este fichero no se pudo leer y quedó fuera.",
     " subtítulos de este fichero no se pudieron leer y quedaron fuera."},
}};

// The texts around the line number.
struct LineText {
    std::string_view before;
    std::string_view after;
};

const std::array<LineText, 4> kBrokenOff{{
    {"O ficheiro não pode ser lido para além da linha ", "; o resto ficou de fora."},
    {"The file cannot be read past line ", "; the rest was left out."},
    {"Filen kan ikke læses efter linje ", "; resten er udeladt."},
    {"El fichero no se puede leer más allá de la línea ", "; el resto quedó fuera."},
}};

void CheckLanguage(std::uint8_t language) {
    if (language < 1 || language > 4)
        throw ListIndexError("List index out of bounds (" + IntToStr(language) + ")");
}
} // namespace

std::string LeftOutText(std::size_t count, std::uint8_t language) {
    CheckLanguage(language);
    const CountedText &text = kLeftOut[language - 1];
    return IntToStr(static_cast<long long>(count)) + std::string(count == 1 ? text.one : text.many);
}

std::string BrokenOffText(std::size_t line, std::uint8_t language) {
    CheckLanguage(language);
    const LineText &text = kBrokenOff[language - 1];
    return std::string(text.before) + IntToStr(static_cast<long long>(line)) + std::string(text.after);
}
