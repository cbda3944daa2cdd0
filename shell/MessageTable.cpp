#include "shell/MessageTable.h"

#include "document/Errors.h"
#include "document/NumText.h"

#include <array>

namespace {

using Row = std::array<std::string, 4>;

// One row per text, its languages in the order Portuguese, English, Danish,
// Spanish.
// NOTE: the texts stand exactly as the interface has always shown them, slips
// included: Danish entries that are English or empty (rows 34 and 35), row
// 54's Danish "Continue?", and the line feed before the carriage return in
// rows 42 and 49.
const std::array<Row, kMessageRows> &Table() {
    // clang-format off
    static const std::array<Row, kMessageRows> table{{
        // 0
        {"Vers\xE3o 4.20",
         "Version 4.20",
         "Version 4.20",
         "Version 4.20"},
        // 1
        {"&Ficheiro",
         "&File",
         "&Filer",
         "&Archivo"},
        // 2
        {"Ficheiros de Legendas",
         "All Subtitles",
         "Alle undertekster",
         "Todos subt\xEDtulos"},
        // 3
        {"Todos os ficheiros",
         "All Files",
         "Alle Filer",
         "Todos Archivos"},
        // 4
        {"Novo",
         "New",
         "Ny",
         "Nuevo"},
        // 5
        {"Abrir",
         "Open",
         "\xC5" "bn",
         "Abrir"},
        // 6
        {"Abrir Legenda",
         "Open Subtitle",
         "\xC5" "bn Undertekster",
         "Abrir subt\xEDtulos"},
        // 7
        {"Gravar",
         "Save",
         "Gem",
         "Guardar"},
        // 8
        {"Gravar Legenda",
         "Save subtitle",
         "Gem Undertekster",
         "Guardar subt\xEDtulos"},
        // 9
        {"Sair",
         "Exit",
         "Luk",
         "Salir"},
        // 10
        {"Lingua",
         "Language",
         "Sprog",
         "Idioma"},
        // 11
        {"Legendas Originais",
         "Original subtitles",
         "Oprindeligt Undertekst",
         "Subt\xEDtulos originales"},
        // 12
        {"Nome do Ficheiro",
         "Filename",
         "Filnavn",
         "Nombre del fichero"},
        // 13
        {"Op\xE7\xF5" "es",
         "Options",
         "Indstillinger",
         "Opciones"},
        // 14
        {"Converter",
         "Convert",
         "Konvert\xE9r",
         "Conversor"},
        // 15
        {"Converter legenda",
         "Convert subtitle",
         "Konvert\xE9r Undertekster",
         "Conversor subt\xEDtulos"},
        // 16
        {"Altera\xE7\xE3o da legenda",
         "Change subtitles",
         "Skift undertekst",
         "Cambiar subt\xEDtulos"},
        // 17
        {"Campo a alterar",
         "Field to change",
         "Omr\xE5" "de der skal skiftes",
         "Campo a cambiar"},
        // 18
        {"Erro na determina\xE7\xE3o do FPS",
         "Error to calculate FPS",
         "Fejl i udregning af FPS",
         "Error al calcular los FPS"},
        // 19
        {"Erro na legenda n\xBA",
         "Error in subtitle number ",
         "Fejl i undertekstnummer",
         "Error en subt\xEDtulo n\xBA "},
        // 20
        {"Encontrou um erro na numera\xE7\xE3o das legendas\r\nDeseja continuar?",
         "Find error in numeration\r\nContinue?",
         "Find fejl i numeration\r\nForts\xE6t?",
         "Hay un error en la numeraci\xF3n de subt\xEDtulos\r\n\xBF" "Continuar?"},
        // 21
        {"Deseja ignorar a verifica\xE7\xE3o ?",
         "Ignore this option",
         "Ignor\xE9r denne indstilling",
         "\xBF" "Desea ignorar la verificaci\xF3n?"},
        // 22
        {"Conclu\xED" "do com sucesso",
         "Success",
         "Succes",
         "Finalizado con \xE9xito"},
        // 23
        {"Atraso (segundos)",
         "Delay (sec)",
         "forsinkelse (sec.)",
         "Desfase (segundos)"},
        // 24
        {"Tem a certeza que deseja eliminar?",
         "Do you want to delete?",
         "\xD8nsker du at slette?",
         "\xBF" "Confirma el borrado?"},
        // 25
        {"Site Oficial:",
         "Official website:",
         "Officiel hjemmeside",
         "Sitio oficial:"},
        // 26
        {"Esta Op\xE7\xE3o s\xF3 serve para legendas .txt",
         "Just for *.TXT files",
         "Kun for *.TXT-filer",
         "Esta opci\xF3n solo sirve para subt\xEDtulos .txt"},
        // 27
        {"Apagar Legenda?",
         "Delete Subtitle?",
         "Slet undertekst?",
         "\xBF" "Borrar subt\xEDtulo?"},
        // 28
        {"Frames por segundo",
         "Framerate",
         "Frames pr. sekund",
         "Cuadros por segundo"},
        // 29
        {"Progresso",
         "Progress",
         "Fremgang",
         "Progreso"},
        // 30
        {"Limita\xE7\xE3o",
         "Limitation",
         "Begr\xE6nsning",
         "Limitaci\xF3n"},
        // 31
        {"Tamanho M\xE1x./ Linha",
         "Max chars per line",
         "Max. karakt\xE9rer pr. linje",
         "Caracteres m\xE1x.por l\xEDnea"},
        // 32
        {"Soma Total",
         "Sum chars",
         "Sum af karakt\xE9rer",
         "Total caracteres"},
        // 33
        {"N\xBA de Linhas",
         "Line Count",
         "Linje tal",
         "N\xBA de l\xEDneas"},
        // 34
        {"Alterar o Titulo / N\xBA do DivX",
         "Change Name or N\xBA",
         "",
         "Cambiar t\xEDtulo / N\xBA de DivX"},
        // 35
        {"Titulo / N\xBA do DivX",
         "Name or N\xBA",
         "",
         "T\xEDtulo / N\xBA de DivX"},
        // 36
        {"Inicio",
         "Begin",
         "Begin",
         "Inicio"},
        // 37
        {"Fim",
         "End",
         "End",
         "Fin"},
        // 38
        {"Tempo",
         "Time",
         "Time",
         "Tiempo"},
        // 39
        {"Frames",
         "Frame",
         "Frame",
         "Cuadros"},
        // 40
        {"Gravar Altera\xE7\xF5" "es",
         "Save Changes",
         "Skift Gem",
         "Guardar cambios"},
        // 41
        {"Frames por segundo tem erros",
         "FPS have error",
         "FPS har fejl",
         "FPS err\xF3neo"},
        // 42
        {"O tempo inicial deveria ser superior ao tempo final da frame anterior\n\rFrame inicial",
         "The initial time would have to be superior\n\rto the final time of the previous frame "
         "initial Frame",
         "The initial time would have to be superior\n\rto the final time of the previous frame "
         "initial Frame",
         "El tiempo inicial deber\xED" "a de ser superior al tiempo final del cuadro "
         "anterior\n\rCuadro Inicial"},
        // 43
        {"Erro o tempo inicial \xE9 igual ou superior ao tempo final",
         "Error the initial time is equal or superior to the final time",
         "Error the initial time is equal or superior to the final time",
         "Error, el tiempo inicial es igual o superior al tiempo final"},
        // 44
        {"Tamanhos das linhas",
         "Sizes of the lines",
         "Sizes of the lines",
         "Tama\xF1o de l\xEDneas"},
        // 45
        {"Resto = ",
         "Remaining portion = ",
         "Remaining portion = ",
         "Resto = "},
        // 46
        {"Linha ",
         "Line ",
         "Line ",
         "L\xEDnea "},
        // 47
        {"Letras Ma\xEDusculas/Min\xFAsculas",
         "Uppercase/Lowercase",
         "Uppercase/Lowercase",
         "Letras Mayusculas/Min\xFAsculas"},
        // 48
        {"N\xE3o esquecer de usar a mesma FPS",
         "Remember to use the same FPS",
         "Remember to use the same FPS",
         "Recuerde usar el mismo FPS"},
        // 49
        {"N\xE3o esquecer de ver o FPS no AVI\n\rAntes de abrir",
         "Remember to see FPS in AVI file\n\rBefore open file",
         "Remember to see FPS in AVI file\n\rBefore open file",
         "Recuerde comprobar los FPS en el AVI\n\rAntes de abrir el fichero"},
        // 50
        {"Activar Alertas",
         "Activate alerts",
         "Activate alerts",
         "Activar alertas"},
        // 51
        {"Colocar em FPS?",
         "Put in FPS?",
         "Put in FPS?",
         "Introducir en FPS"},
        // 52
        {"Frame com Erro",
         "Error in Frame",
         "Error in Frame",
         "Error en cuadro"},
        // 53
        {"Continuar?",
         "Continue?",
         "Continue?",
         "\xBF" "Continuar?"},
        // 54
        {"Altera legenda",
         "Change name",
         "Continue?",
         "\xBF" "Continuar?"},
        // 55
        {"Propriedades",
         "Property",
         "Info",
         "Propriedade"},
        // 56
        {"Erro na lendas",
         "Find errors in subtitles",
         "Find errors in subtitles",
         "Encontrado erros no subt\xEDtulos"},
        // 57
        {"Correc\xE7\xE3o autom\xE1tica",
         "Auto Correction",
         "Auto Correction",
         "Correction automaticamente"},
        // 58
        {"Legenda n\xE3o reconhecida",
         "Subtitles - Unkown format",
         "Subtitles - Unkown format",
         "Subt\xEDtulos - Unkown format"},
        // 59
        {"Inserir Legenda",
         "Insert Subtitle",
         "Insert Subtitle",
         "Inserir Subt\xEDtulos"},
        // 60
        {"&Editar",
         "&Edit",
         "&Rediger",
         "&Edición"},
        // 61
        {"Desfazer",
         "Undo",
         "Fortryd",
         "Deshacer"},
        // 62
        {"Refazer",
         "Redo",
         "Gentag",
         "Rehacer"},
    }};
    // clang-format on
    return table;
}

} // namespace

const std::string &MessageText(int row, std::uint8_t language) {
    if (row < 0 || row >= kMessageRows)
        throw ListIndexError("Message row out of bounds (" + IntToStr(row) + ")");
    if (language < 1 || language > 4)
        throw ListIndexError("Language out of bounds (" + IntToStr(language) + ")");
    return Table()[static_cast<std::size_t>(row)][language - 1u];
}
