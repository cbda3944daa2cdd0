#include "shell/SettingsNames.h"
#include "shell/Unit1.h"
#include "tests/support/FakePlatform.h"

#include <gtest/gtest.h>

namespace {

std::vector<std::string> CheckedLanguages(const TForm1 &form) {
    std::vector<std::string> checked;
    for (const MenuItem *item : {&form.Portugus1, &form.Ingls1, &form.Danis1, &form.Espanhol2})
        if (item->Checked)
            checked.push_back(item->Name);
    return checked;
}

// Texts written out here, independently of the message table.
struct Language {
    Handler menuClick;
    std::string item, open, openHint, lineCount, success;
};

class Languages : public ::testing::TestWithParam<Language> {};

TEST_P(Languages, MenuChoiceRelabelsChecksAndIsKeptForTheNextStart) {
    const Language &language = GetParam();
    FakePlatform fake;
    TForm1 form{fake.platform};
    form.FormActivate();
    form.Espanhol2Click();
    form.Run(language.menuClick);
    EXPECT_EQ(form.btAbrir.Caption + "|" + form.Abrir1.Caption + "|" + form.btAbrir.Hint + "|" +
                  form.OpenDialog1.Title + "|" + form.Label3.Caption,
              language.open + "|" + language.open + "|" + language.openHint + "|" + language.openHint + "|" +
                  language.lineCount);
    EXPECT_EQ(form.Message(MessageRow::Success), language.success);
    // Texts outside the table keep their design in every language.
    EXPECT_EQ(form.btAVIInfo.Caption + "|" + form.Portugus1.Caption, "AVI Info|Português");
    EXPECT_EQ(CheckedLanguages(form), std::vector<std::string>{language.item});

    TForm1 next{fake.platform};
    next.FormActivate();
    EXPECT_EQ(next.btAbrir.Caption, language.open);
}

INSTANTIATE_TEST_SUITE_P(All, Languages,
                         ::testing::Values(Language{&TForm1::Portugus1Click, "Portugus1", "Abrir",
                                                    "Abrir Legenda", "Nº de Linhas", "Concluído com sucesso"},
                                           Language{&TForm1::Ingls1Click, "Ingls1", "Open", "Open Subtitle",
                                                    "Line Count", "Success"},
                                           Language{&TForm1::Danis1Click, "Danis1", "Åbn", "Åbn Undertekster",
                                                    "Linje tal", "Succes"},
                                           Language{&TForm1::Espanhol2Click, "Espanhol2", "Abrir",
                                                    "Abrir subtítulos", "Nº de líneas",
                                                    "Finalizado con éxito"}),
                         [](const ::testing::TestParamInfo<Language> &info) { return info.param.item; });

TEST(LanguageActivation, StoredLanguageAndAlertsAndASingleMark) {
    FakePlatform fake;
    TForm1 form{fake.platform};
    form.FormActivate();
    form.Espanhol2Click();
    // Another window of the program stored English meanwhile.
    fake.settings.keys[kSettingsKey]["Idioma"] = 2;
    form.FormActivate();
    EXPECT_EQ(CheckedLanguages(form), std::vector<std::string>{"Ingls1"});
    EXPECT_EQ(form.StatusBar1.Panels.at(1).Text, "Version 4.20");
    form.ActivarosAlertas1.Checked = false;
    form.ApplyLanguage(2);
    EXPECT_EQ(fake.settings.keys[kSettingsKey].at("Alertas"), MemorySettings::Value(false));

    fake.dialogs.AllowErrors();
    fake.settings.FailWrites(true);
    form.Run(&TForm1::Danis1Click);
    EXPECT_EQ(fake.dialogs.Errors().size(), 1u);
    EXPECT_EQ(form.btNovo.Caption, "Ny");
    EXPECT_EQ(CheckedLanguages(form), std::vector<std::string>{"Danis1"});
}

} // namespace
