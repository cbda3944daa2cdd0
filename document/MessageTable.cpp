#include "document/MessageTable.h"

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
        {"Versão 4.20",
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
         "Todos subtítulos"},
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
         "Åbn",
         "Abrir"},
        // 6
        {"Abrir Legenda",
         "Open Subtitle",
         "Åbn Undertekster",
         "Abrir subtítulos"},
        // 7
        {"Gravar",
         "Save",
         "Gem",
         "Guardar"},
        // 8
        {"Gravar Legenda",
         "Save subtitle",
         "Gem Undertekster",
         "Guardar subtítulos"},
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
         "Subtítulos originales"},
        // 12
        {"Nome do Ficheiro",
         "Filename",
         "Filnavn",
         "Nombre del fichero"},
        // 13
        {"Opções",
         "Options",
         "Indstillinger",
         "Opciones"},
        // 14
        {"Converter",
         "Convert",
         "Konvertér",
         "Conversor"},
        // 15
        {"Converter legenda",
         "Convert subtitle",
         "Konvertér Undertekster",
         "Conversor subtítulos"},
        // 16
        {"Alteração da legenda",
         "Change subtitles",
         "Skift undertekst",
         "Cambiar subtítulos"},
        // 17
        {"Campo a alterar",
         "Field to change",
         "Område der skal skiftes",
         "Campo a cambiar"},
        // 18
        {"Erro na determinação do FPS",
         "Error to calculate FPS",
         "Fejl i udregning af FPS",
         "Error al calcular los FPS"},
        // 19
        {"Erro na legenda nº",
         "Error in subtitle number ",
         "Fejl i undertekstnummer",
         "Error en subtítulo nº "},
        // 20
        {"Encontrou um erro na numeração das legendas\r\nDeseja continuar?",
         "Find error in numeration\r\nContinue?",
         "Find fejl i numeration\r\nFortsæt?",
         "Hay un error en la numeración de subtítulos\r\n¿Continuar?"},
        // 21
        {"Deseja ignorar a verificação ?",
         "Ignore this option",
         "Ignorér denne indstilling",
         "¿Desea ignorar la verificación?"},
        // 22
        {"Concluído com sucesso",
         "Success",
         "Succes",
         "Finalizado con éxito"},
        // 23
        {"Atraso (segundos)",
         "Delay (sec)",
         "forsinkelse (sec.)",
         "Desfase (segundos)"},
        // 24
        {"Tem a certeza que deseja eliminar?",
         "Do you want to delete?",
         "Ønsker du at slette?",
         "¿Confirma el borrado?"},
        // 25
        {"Site Oficial:",
         "Official website:",
         "Officiel hjemmeside",
         "Sitio oficial:"},
        // 26
        {"Esta Opção só serve para legendas .txt",
         "Just for *.TXT files",
         "Kun for *.TXT-filer",
         "Esta opción solo sirve para subtítulos .txt"},
        // 27
        {"Apagar Legenda?",
         "Delete Subtitle?",
         "Slet undertekst?",
         "¿Borrar subtítulo?"},
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
        {"Limitação",
         "Limitation",
         "Begrænsning",
         "Limitación"},
        // 31
        {"Tamanho Máx./ Linha",
         "Max chars per line",
         "Max. karaktérer pr. linje",
         "Caracteres máx.por línea"},
        // 32
        {"Soma Total",
         "Sum chars",
         "Sum af karaktérer",
         "Total caracteres"},
        // 33
        {"Nº de Linhas",
         "Line Count",
         "Linje tal",
         "Nº de líneas"},
        // 34
        {"Alterar o Titulo / Nº do DivX",
         "Change Name or Nº",
         "",
         "Cambiar título / Nº de DivX"},
        // 35
        {"Titulo / Nº do DivX",
         "Name or Nº",
         "",
         "Título / Nº de DivX"},
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
        {"Gravar Alterações",
         "Save Changes",
         "Skift Gem",
         "Guardar cambios"},
        // 41
        {"Frames por segundo tem erros",
         "FPS have error",
         "FPS har fejl",
         "FPS erróneo"},
        // 42
        {"O tempo inicial deveria ser superior ao tempo final da frame anterior\n\rFrame inicial",
         "The initial time would have to be superior\n\rto the final time of the previous frame "
         "initial Frame",
         "The initial time would have to be superior\n\rto the final time of the previous frame "
         "initial Frame",
         "El tiempo inicial debería de ser superior al tiempo final del cuadro "
         "anterior\n\rCuadro Inicial"},
        // 43
        {"Erro o tempo inicial é igual ou superior ao tempo final",
         "Error the initial time is equal or superior to the final time",
         "Error the initial time is equal or superior to the final time",
         "Error, el tiempo inicial es igual o superior al tiempo final"},
        // 44
        {"Tamanhos das linhas",
         "Sizes of the lines",
         "Sizes of the lines",
         "Tamaño de líneas"},
        // 45
        {"Resto = ",
         "Remaining portion = ",
         "Remaining portion = ",
         "Resto = "},
        // 46
        {"Linha ",
         "Line ",
         "Line ",
         "Línea "},
        // 47
        {"Letras Maíusculas/Minúsculas",
         "Uppercase/Lowercase",
         "Uppercase/Lowercase",
         "Letras Mayusculas/Minúsculas"},
        // 48
        {"Não esquecer de usar a mesma FPS",
         "Remember to use the same FPS",
         "Remember to use the same FPS",
         "Recuerde usar el mismo FPS"},
        // 49
        {"Não esquecer de ver o FPS no AVI\n\rAntes de abrir",
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
         "¿Continuar?"},
        // 54
        {"Altera legenda",
         "Change name",
         "Continue?",
         "¿Continuar?"},
        // 55
        {"Propriedades",
         "Property",
         "Info",
         "Propriedade"},
        // 56
        {"Erro na lendas",
         "Find errors in subtitles",
         "Find errors in subtitles",
         "Encontrado erros no subtítulos"},
        // 57
        {"Correcção automática",
         "Auto Correction",
         "Auto Correction",
         "Correction automaticamente"},
        // 58
        {"Legenda não reconhecida",
         "Subtitles - Unkown format",
         "Subtitles - Unkown format",
         "Subtítulos - Unkown format"},
        // 59
        {"Inserir Legenda",
         "Insert Subtitle",
         "Insert Subtitle",
         "Inserir Subtítulos"},
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
        // 63
        {"Sincronizar com o vídeo",
         "Sync to video",
         "Synkroniser med video",
         "Sincronizar con el vídeo"},
        // 64
        {"Ficheiros de vídeo",
         "Video Files",
         "Videofiler",
         "Archivos de vídeo"},
        // 65
        {"Há caracteres que não se puderam ler (�); o ficheiro foi escrito em UTF-8 e não em ",
         "Some characters could not be read (�); the file was written in UTF-8 rather than ",
         "Nogle tegn kunne ikke læses (�); filen blev skrevet i UTF-8 i stedet for ",
         "Algunos caracteres no se pudieron leer (�); el archivo se escribió en UTF-8 en lugar de "},
        // 66
        {"Procurar...",
         "Find...",
         "Søg...",
         "Buscar..."},
        // 67
        {"Procurar seguinte",
         "Find next",
         "Søg næste",
         "Buscar siguiente"},
        // 68
        {"Substituir...",
         "Replace...",
         "Erstat...",
         "Reemplazar..."},
        // 69
        {"Procurar:",
         "Find what:",
         "Søg efter:",
         "Buscar:"},
        // 70
        {"Substituir por:",
         "Replace with:",
         "Erstat med:",
         "Reemplazar con:"},
        // 71
        {"Maiúsculas e minúsculas",
         "Match case",
         "Forskel på store og små bogstaver",
         "Coincidir mayúsculas y minúsculas"},
        // 72
        {"Só palavras inteiras",
         "Whole words only",
         "Kun hele ord",
         "Solo palabras completas"},
        // 73
        {"Expressão regular",
         "Regular expression",
         "Regulært udtryk",
         "Expresión regular"},
        // 74
        {"Substituir",
         "Replace",
         "Erstat",
         "Reemplazar"},
        // 75
        {"Substituir tudo",
         "Replace all",
         "Erstat alle",
         "Reemplazar todo"},
        // 76
        {"Texto não encontrado",
         "Text not found",
         "Teksten blev ikke fundet",
         "Texto no encontrado"},
        // 77
        {"Substituições feitas: ",
         "Replacements made: ",
         "Erstatninger: ",
         "Reemplazos hechos: "},
        // 78
        {"Este ficheiro tem legendas em várias línguas. Qual ler?",
         "This file has subtitles in several languages. Which one to read?",
         "Denne fil har undertekster på flere sprog. Hvilket skal læses?",
         "Este archivo tiene subtítulos en varios idiomas. ¿Cuál leer?"},
        // 79
        {"Língua lida: ",
         "Language read: ",
         "Sprog læst: ",
         "Idioma leído: "},
        // 80
        {"Ortografia...",
         "Spelling...",
         "Stavekontrol...",
         "Ortografía..."},
        // 81
        {"Não está no dicionário:",
         "Not in the dictionary:",
         "Ikke i ordbogen:",
         "No está en el diccionario:"},
        // 82
        {"Mudar para:",
         "Change to:",
         "Ret til:",
         "Cambiar a:"},
        // 83
        {"Sugestões:",
         "Suggestions:",
         "Forslag:",
         "Sugerencias:"},
        // 84
        {"Dicionário:",
         "Dictionary:",
         "Ordbog:",
         "Diccionario:"},
        // 85
        {"Mudar",
         "Change",
         "Ret",
         "Cambiar"},
        // 86
        {"Mudar todas",
         "Change all",
         "Ret alle",
         "Cambiar todas"},
        // 87
        {"Ignorar",
         "Ignore",
         "Ignorer",
         "Omitir"},
        // 88
        {"Ignorar todas",
         "Ignore all",
         "Ignorer alle",
         "Omitir todas"},
        // 89
        {"Adicionar ao meu dicionário",
         "Add to my dictionary",
         "Føj til min ordbog",
         "Añadir a mi diccionario"},
        // 90
        {"Fechar",
         "Close",
         "Luk",
         "Cerrar"},
        // 91
        {"A verificação ortográfica terminou.",
         "The spelling check is complete.",
         "Stavekontrollen er færdig.",
         "La revisión ortográfica ha terminado."},
        // 92
        {"Nenhum dicionário pôde ser lido em ",
         "No dictionary could be read in ",
         "Ingen ordbog kunne læses i ",
         "No se pudo leer ningún diccionario en "},
    }};
    // clang-format on
    return table;
}

// The texts of the progress bar that long work runs under, in the order of ProgressText.
const std::array<Row, 2> kProgressTexts{{
    {"Cancelar", "Cancel", "Annuller", "Cancelar"},
    {"A cancelar...", "Cancelling...", "Annullerer...", "Cancelando..."},
}};

std::size_t LanguageColumn(std::uint8_t language) {
    if (language < 1 || language > 4)
        throw ListIndexError("Language out of bounds (" + IntToStr(language) + ")");
    return language - 1u;
}

} // namespace

const std::string &MessageText(MessageRow messageRow, std::uint8_t language) {
    const int row = static_cast<int>(messageRow);
    if (row < 0 || row >= kMessageRows)
        throw ListIndexError("Message row out of bounds (" + IntToStr(row) + ")");
    return Table()[static_cast<std::size_t>(row)][LanguageColumn(language)];
}

const std::string &ProgressDialogText(ProgressText text, std::uint8_t language) {
    return kProgressTexts[static_cast<std::size_t>(text)][LanguageColumn(language)];
}
