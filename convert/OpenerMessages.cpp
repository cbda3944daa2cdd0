#include "convert/OpenerMessages.h"

#include "document/MessageTable.h"

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

const std::array<CountedText, 4> kInvalidCharacters{{
    {" sequência de bytes deste ficheiro não pôde ser lida e aparece como \"\uFFFD\".",
     " sequências de bytes deste ficheiro não puderam ser lidas e aparecem como \"\uFFFD\"."},
    {" byte sequence of this file could not be read and shows as \"\uFFFD\".",
     " byte sequences of this file could not be read and show as \"\uFFFD\"."},
    {" bytesekvens i denne fil kunne ikke læses og vises som \"\uFFFD\".",
     " bytesekvenser i denne fil kunne ikke læses og vises som \"\uFFFD\"."},
    {" secuencia de bytes de este fichero no se pudo leer y aparece como \"\uFFFD\".",
     " secuencias de bytes de este fichero no se pudieron leer y aparecen como \"\uFFFD\"."},
}};

// The question when a character cannot be saved: the parts around the
// character, its code point, the subtitle number and the encoding's name.
struct UnencodableParts {
    std::string_view character, subtitle, encoding, question;
};

const std::array<UnencodableParts, 4> kUnencodable{{
    {"O carácter \"", " da legenda ", " não existe em ", ". Gravar em UTF-8 com marca de ordem de bytes?"},
    {"The character \"", " of subtitle ", " cannot be written in ",
     ". Save in UTF-8 with byte-order mark instead?"},
    {"Tegnet \"", " i undertekst ", " kan ikke skrives i ",
     ". Gem i UTF-8 med byte-rækkefølgemærke i stedet?"},
    {"El carácter \"", " del subtítulo ", " no existe en ",
     ". ¿Guardar en UTF-8 con marca de orden de bytes?"},
}};

// How the status bar says the file's encoding was found.
const std::array<std::array<std::string_view, 5>, 4> kEncodingSources{{
    {"marca", "UTF-8", "detectado", "predefinido", "escolhido"},
    {"mark", "UTF-8", "detected", "default", "chosen"},
    {"mærke", "UTF-8", "fundet", "standard", "valgt"},
    {"marca", "UTF-8", "detectado", "predeterminado", "elegido"},
}};

const std::array<std::array<std::string_view, 3>, 4> kEncodingMenus{{
    {"Reabrir com codificação", "Codificação ao gravar", "Como foi lido"},
    {"Reopen with Encoding", "Save Encoding", "As Read"},
    {"Genåbn med tegnsæt", "Tegnsæt ved gem", "Som læst"},
    {"Reabrir con codificación", "Codificación al guardar", "Como se leyó"},
}};

// A text around a quoted file name.
struct QuotedText {
    std::string_view before;
    std::string_view after;
};

const std::array<QuotedText, 4> kCloseForDroppedFile{{
    {"Fechar as legendas abertas e abrir \"", "\"?"},
    {"Close the open subtitles and open \"", "\"?"},
    {"Luk de åbne undertekster og åbn \"", "\"?"},
    {"¿Cerrar los subtítulos abiertos y abrir \"", "\"?"},
}};

const std::array<QuotedText, 4> kMissingRecentFile{{
    {"O ficheiro \"", "\" já não existe e sai da lista dos recentes."},
    {"The file \"", "\" no longer exists and leaves the list of recent files."},
    {"Filen \"", "\" findes ikke længere og fjernes fra listen over seneste filer."},
    {"El archivo \"", "\" ya no existe y sale de la lista de recientes."},
}};

void CheckLanguage(std::uint8_t language) {
    if (language < 1 || language > 4)
        throw ListIndexError("List index out of bounds (" + IntToStr(language) + ")");
}
} // namespace

std::string InvalidCharactersText(std::size_t count, std::uint8_t language) {
    CheckLanguage(language);
    const CountedText &text = kInvalidCharacters[language - 1];
    return IntToStr(static_cast<long long>(count)) + std::string(count == 1 ? text.one : text.many);
}

std::string UnencodableCharacterText(char32_t character, std::size_t subtitle, const TextEncoding &encoding,
                                     std::uint8_t language) {
    CheckLanguage(language);
    const UnencodableParts &parts = kUnencodable[language - 1];
    return std::string(parts.character) + Utf8Of(character) + "\" (" + CodePointName(character) + ")" +
           std::string(parts.subtitle) + IntToStr(static_cast<long long>(subtitle)) +
           std::string(parts.encoding) + EncodingLabel(encoding) + std::string(parts.question);
}

std::string EncodingStatusText(const ChosenEncoding &chosen, std::uint8_t language) {
    CheckLanguage(language);
    const std::string_view source = kEncodingSources[language - 1][static_cast<std::size_t>(chosen.source)];
    return EncodingLabel(chosen.encoding) + ", " + std::string(source);
}

std::string SamiClassStatusText(const SamiClassesRead &found, std::uint8_t language) {
    if (found.classes.empty())
        return {};
    const SamiClass &read = found.classes[found.read];
    return "; " + MessageText(MessageRow::SamiClassRead, language) +
           (read.name.empty() ? read.selector : read.name);
}

std::string CloseForDroppedFileText(const std::string &name, std::uint8_t language) {
    CheckLanguage(language);
    const QuotedText &text = kCloseForDroppedFile[language - 1];
    return std::string(text.before) + name + std::string(text.after);
}

std::string MissingRecentFileText(const std::string &fileName, std::uint8_t language) {
    CheckLanguage(language);
    const QuotedText &text = kMissingRecentFile[language - 1];
    return std::string(text.before) + fileName + std::string(text.after);
}

std::string EncodingMenuCaption(EncodingMenuText which, std::uint8_t language) {
    CheckLanguage(language);
    return std::string(kEncodingMenus[language - 1][static_cast<std::size_t>(which)]);
}
