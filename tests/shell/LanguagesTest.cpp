#include "shell/SettingsNames.h"
#include "shell/Unit1.h"
#include "tests/support/FakePlatform.h"

#include <gtest/gtest.h>

namespace {

struct Language {
    Handler menuClick;
    MenuItem TForm1::*item;
    int number;
    // Expected texts, written out here rather than taken from the table.
    std::string open, openHint, file, lineCount, version, success;
};

class Languages : public ::testing::TestWithParam<Language> {
protected:
    FakePlatform fake;
    TForm1 form{fake.platform};
    std::vector<MenuItem *> Checked() {
        std::vector<MenuItem *> checked;
        for (MenuItem *item : {&form.Portugus1, &form.Ingls1, &form.Danis1, &form.Espanhol2})
            if (item->Checked)
                checked.push_back(item);
        return checked;
    }
};

TEST_P(Languages, MenuChoiceRelabelsChecksAndStores) {
    const Language &language = GetParam();
    form.FormActivate();
    form.Espanhol2Click();
    form.Run(language.menuClick);
    EXPECT_EQ(form.CurrentLanguage, language.number);
    EXPECT_EQ(form.btAbrir.Caption, language.open);
    EXPECT_EQ(form.Abrir1.Caption, language.open);
    EXPECT_EQ(form.btAbrir.Hint, language.openHint);
    EXPECT_EQ(form.OpenDialog1.Title, language.openHint);
    EXPECT_EQ(form.Ficheiro1.Caption, language.file);
    EXPECT_EQ(form.Label3.Caption, language.lineCount);
    EXPECT_EQ(form.StatusBar1.Panels.at(1).Text, language.version);
    EXPECT_EQ(form.Message(22), language.success);
    // Texts outside the table keep their design in every language.
    EXPECT_EQ(form.btAVIInfo.Caption, "AVI Info");
    EXPECT_EQ(form.Portugus1.Caption, "Portugu\xEAs");
    EXPECT_EQ(Checked(), std::vector<MenuItem *>{&(form.*language.item)});
    EXPECT_EQ(fake.settings.keys[kSettingsKey].at("Idioma"), MemorySettings::Value(language.number));

    // The next start comes up in the stored language.
    TForm1 next{fake.platform};
    next.FormActivate();
    EXPECT_EQ(next.btAbrir.Caption, language.open);
}

INSTANTIATE_TEST_SUITE_P(
    All, Languages,
    ::testing::Values(Language{&TForm1::Portugus1Click, &TForm1::Portugus1, 1, "Abrir", "Abrir Legenda",
                               "&Ficheiro", "N\xBA de Linhas", "Vers\xE3o 4.20",
                               "Conclu\xED"
                               "do com sucesso"},
                      Language{&TForm1::Ingls1Click, &TForm1::Ingls1, 2, "Open", "Open Subtitle", "&File",
                               "Line Count", "Version 4.20", "Success"},
                      Language{&TForm1::Danis1Click, &TForm1::Danis1, 3,
                               "\xC5"
                               "bn",
                               "\xC5"
                               "bn Undertekster",
                               "&Filer", "Linje tal", "Version 4.20", "Succes"},
                      Language{&TForm1::Espanhol2Click, &TForm1::Espanhol2, 4, "Abrir", "Abrir subt\xEDtulos",
                               "&Archivo", "N\xBA de l\xEDneas", "Version 4.20", "Finalizado con \xE9xito"}));

TEST(LanguageActivation, ShowsOneMarkWhenAnotherLanguageWasStored) {
    FakePlatform fake;
    TForm1 form{fake.platform};
    form.FormActivate();
    form.Espanhol2Click();
    fake.settings.keys[kSettingsKey]["Idioma"] = 2;
    form.FormActivate();
    EXPECT_TRUE(form.Ingls1.Checked);
    EXPECT_FALSE(form.Espanhol2.Checked);
    EXPECT_FALSE(form.Portugus1.Checked);
}

TEST(LanguageActivation, StoresTheAlertSwitchAndMarksTheChoiceWhenStoringFails) {
    FakePlatform fake;
    TForm1 form{fake.platform};
    form.ActivarosAlertas1.Checked = false;
    form.ApplyLanguage(3);
    EXPECT_EQ(fake.settings.keys[kSettingsKey].at("Alertas"), MemorySettings::Value(false));

    fake.dialogs.AllowErrors();
    fake.settings.FailWrites(true);
    form.Run(&TForm1::Ingls1Click);
    EXPECT_EQ(fake.dialogs.Errors().size(), 1u);
    EXPECT_EQ(form.btNovo.Caption, "New");
    EXPECT_TRUE(form.Ingls1.Checked);
    EXPECT_FALSE(form.Danis1.Checked);
    EXPECT_EQ(fake.settings.openKey, "");
}

} // namespace
