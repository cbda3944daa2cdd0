#include "document/OpenerMessages.h"

#include "document/Errors.h"
#include "document/NumText.h"

#include <array>
#include <string_view>

namespace {
// What follows the count, for one character and for several.
struct CountedText {
    std::string_view one;
    std::string_view many;
};

const std::array<CountedText, 4> kReplacedCharacters{{
    {" car\xE1"
     "cter deste ficheiro n\xE3o existe na p\xE1gina de c\xF3"
     "digo do Windows e foi substitu\xED"
     "do por \"?\".",
     " caracteres deste ficheiro n\xE3o existem na p\xE1gina de c\xF3"
     "digo do Windows e foram substitu\xED"
     "dos por \"?\"."},
    {" character of this file has no place in the Windows code page and was replaced by \"?\".",
     " characters of this file have no place in the Windows code page and were replaced by \"?\"."},
    {" tegn i denne fil findes ikke i Windows-tegntabellen og blev erstattet med \"?\".",
     " tegn i denne fil findes ikke i Windows-tegntabellen og blev erstattet med \"?\"."},
    {" car\xE1"
     "cter de este fichero no existe en la p\xE1gina de c\xF3"
     "digos de Windows y se ha sustituido por \"?\".",
     " caracteres de este fichero no existen en la p\xE1gina de c\xF3"
     "digos de Windows y se han sustituido por \"?\"."},
}};
// The question around the quoted file name.
struct QuotedText {
    std::string_view before;
    std::string_view after;
};

const std::array<QuotedText, 4> kCloseForDroppedFile{{
    {"Fechar as legendas abertas e abrir \"", "\"?"},
    {"Close the open subtitles and open \"", "\"?"},
    {"Luk de \xE5"
     "bne undertekster og \xE5"
     "bn \"",
     "\"?"},
    {"\xBF"
     "Cerrar los subt\xED"
     "tulos abiertos y abrir \"",
     "\"?"},
}};

void CheckLanguage(std::uint8_t language) {
    if (language < 1 || language > 4)
        throw ListIndexError("List index out of bounds (" + IntToStr(language) + ")");
}
} // namespace

std::string ReplacedCharactersText(std::size_t count, std::uint8_t language) {
    CheckLanguage(language);
    const CountedText& text = kReplacedCharacters[language - 1];
    return IntToStr(static_cast<long long>(count)) + std::string(count == 1 ? text.one : text.many);
}

std::string CloseForDroppedFileText(const std::string& name, std::uint8_t language) {
    CheckLanguage(language);
    const QuotedText& text = kCloseForDroppedFile[language - 1];
    return std::string(text.before) + name + std::string(text.after);
}
