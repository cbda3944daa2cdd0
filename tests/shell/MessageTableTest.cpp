#include "shell/MessageTable.h"
#include "document/Errors.h"
#include "shell/Unit1.h"
#include "tests/support/FakePlatform.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct Entry {
    int row;
    std::uint8_t language;
    std::string text;
};

class MessageTableEntry : public testing::TestWithParam<Entry> {};

TEST_P(MessageTableEntry, HoldsItsExactBytes) {
    const Entry &entry = GetParam();
    EXPECT_EQ(MessageText(static_cast<MessageRow>(entry.row), entry.language), entry.text);
}

// Rows chosen for their accented letters, trailing blanks, line breaks and
// the Danish slips, in every language.
// clang-format off
const Entry kSamples[] = {
    {0, 1, "Versão 4.20"},
    {5, 3, "Åbn"},
    {13, 1, "Opções"},
    {17, 3, "Område der skal skiftes"},
    {19, 2, "Error in subtitle number "},
    {19, 4, "Error en subtítulo nº "},
    {20, 1, "Encontrou um erro na numeração das legendas\r\nDeseja continuar?"},
    {20, 2, "Find error in numeration\r\nContinue?"},
    {20, 3, "Find fejl i numeration\r\nFortsæt?"},
    {20, 4, "Hay un error en la numeración de subtítulos\r\n¿Continuar?"},
    {21, 4, "¿Desea ignorar la verificación?"},
    {22, 1, "Concluído com sucesso"},
    {22, 4, "Finalizado con éxito"},
    {24, 3, "Ønsker du at slette?"},
    {30, 3, "Begrænsning"},
    {31, 4, "Caracteres máx.por línea"},
    {40, 1, "Gravar Alterações"},
    {42, 1, "O tempo inicial deveria ser superior ao tempo final da frame anterior\n\rFrame inicial"},
    {42, 3, "The initial time would have to be superior\n\rto the final time of the previous frame "
            "initial Frame"},
    {44, 4, "Tamaño de líneas"},
    {46, 4, "Línea "},
    {47, 1, "Letras Maíusculas/Minúsculas"},
    {49, 4, "Recuerde comprobar los FPS en el AVI\n\rAntes de abrir el fichero"},
    {54, 3, "Continue?"},
    {54, 4, "¿Continuar?"},
    {57, 1, "Correcção automática"},
    {58, 2, "Subtitles - Unkown format"},
    {58, 4, "Subtítulos - Unkown format"},
    {59, 4, "Inserir Subtítulos"},
    {60, 4, "&Edición"},
    {61, 3, "Fortryd"},
    {62, 1, "Refazer"},
    {63, 4, "Sincronizar con el vídeo"},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Samples, MessageTableEntry, testing::ValuesIn(kSamples));

// Only Danish rows 34 and 35 are empty, and only rows 20, 42 and 49 break
// lines: 20 with CR LF, 42 and 49 with LF CR. A shifted row or column, or
// an escape slipped into another row, shows up here.
TEST(MessageTable, EveryEntryIsThereWithLineBreaksOnlyWhereTheyBelong) {
    for (int row = 0; row < kMessageRows; ++row) {
        for (std::uint8_t language = 1; language <= 4; ++language) {
            SCOPED_TRACE("row " + std::to_string(row) + " language " + std::to_string(language));
            const std::string &text = MessageText(static_cast<MessageRow>(row), language);
            const bool danishBlank = language == 3 && (row == 34 || row == 35);
            EXPECT_EQ(text.empty(), danishBlank);
            const bool crLf = text.find("\r\n") != std::string::npos;
            const bool lfCr = text.find("\n\r") != std::string::npos;
            EXPECT_EQ(crLf, row == 20);
            EXPECT_EQ(lfCr, row == 42 || row == 49);
            const bool anyBreak = text.find_first_of("\r\n") != std::string::npos;
            EXPECT_EQ(anyBreak, row == 20 || row == 42 || row == 49);
        }
    }
}

TEST(MessageTable, LookupsOutsideTheTableThrowNamingThePosition) {
    struct Outside {
        int row;
        int language;
        const char *named;
    };
    for (const Outside &outside : {Outside{-1, 1, "-1"}, Outside{76, 1, "76"}, Outside{0, 0, "0"},
                                   Outside{59, 5, "5"}, Outside{0, 255, "255"}}) {
        SCOPED_TRACE(std::to_string(outside.row) + "/" + std::to_string(outside.language));
        try {
            MessageText(static_cast<MessageRow>(outside.row), static_cast<std::uint8_t>(outside.language));
            ADD_FAILURE() << "no exception";
        } catch (const ListIndexError &error) {
            EXPECT_NE(std::string(error.what()).find(outside.named), std::string::npos) << error.what();
        }
    }
    EXPECT_NO_THROW(MessageText(MessageRow::InsertSubtitle, 4));
}

TEST(MessageTable, TheFormLooksTextsUpInItsCurrentLanguage) {
    FakePlatform fake;
    TForm1 form(fake.platform);
    EXPECT_EQ(form.Message(MessageRow::Success), "Concluído com sucesso");
    form.CurrentLanguage = 2;
    EXPECT_EQ(form.Message(MessageRow::Success), "Success");
    form.CurrentLanguage = 4;
    EXPECT_EQ(form.Message(MessageRow::Open), "Abrir");
}

} // namespace
