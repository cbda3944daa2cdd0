#include "document/NumText.h"
#include "shell/SettingsNames.h"
#include "shell/Unit1.h"
#include "tests/support/FakePlatform.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>

namespace {

using Value = MemorySettings::Value;
using Values = std::map<std::string, Value>;
using Names = std::vector<std::string>;

const Values kEveryValue = {{"Idioma", 2},   {"Receptor", 5},    {"NLinhas", 3},      {"MaxLinha", 45},
                            {"MaxSum", 135}, {"Alertas", false}, {"Font", "Verdana"}, {"Tamanho", 12}};

class Settings : public ::testing::Test {
protected:
    FakePlatform fake;
    TForm1 form{fake.platform};
    Values &Stored() { return fake.settings.keys[kSettingsKey]; }
    // What one handler writes; it leaves the key closed whatever happens.
    Names WritesOf(Handler handler) {
        fake.settings.writes.clear();
        form.Run(handler);
        EXPECT_EQ(fake.settings.openKey, "");
        return fake.settings.writes;
    }
};

TEST_F(Settings, FirstStartStoresDefaultsAndTheNextOneAppliesThem) {
    EXPECT_EQ(WritesOf(&TForm1::FormActivate), (Names{"Idioma", "Receptor", "NLinhas", "MaxLinha", "MaxSum",
                                                      "Alertas", "Font", "Tamanho", "Idioma", "Alertas"}));
    EXPECT_EQ(Stored(), (Values{{"Idioma", 1},
                                {"Receptor", 1},
                                {"NLinhas", 2},
                                {"MaxLinha", 34},
                                {"MaxSum", 60},
                                {"Alertas", true},
                                {"Font", "MS Sans Serif"},
                                {"Tamanho", 8}}));
    EXPECT_EQ(std::pair(form.ComboBox1.ItemIndex, form.ComboBox3.ItemIndex), std::pair(0, 0));
    EXPECT_EQ(form.ComboBox3.Text, "2");

    EXPECT_EQ(WritesOf(&TForm1::FormActivate), (Names{"Lingua", "Idioma", "Alertas"}));
    EXPECT_EQ(Stored().at("Lingua"), Value("Português"));
    EXPECT_EQ(form.ComboBox1.Text + "|" + form.ComboBox3.Text, "Firmware _Marrowen_|2");
}

TEST_F(Settings, StoredValuesReachTheControlsAndMissingOnesGetTheirDefault) {
    Stored() = kEveryValue;
    form.FormActivate();
    EXPECT_EQ(Stored().at("Lingua"), Value("Inglês"));
    EXPECT_EQ(form.ComboBox1.Text + "|" + form.ComboBox3.Text + "|" + form.Edit3.Text + "|" + form.Edit4.Text,
              "Denver DVD-438|3|45|135");
    EXPECT_EQ(std::pair(form.MaxLineLength, form.MaxTotalLength), std::pair(45, 135));
    EXPECT_FALSE(form.ActivarosAlertas1.Checked);
    EXPECT_EQ(std::pair(form.Memo1.Font.Name, form.ListBox4.Font.Size),
              std::pair(std::string("Verdana"), 12));
    EXPECT_EQ(form.btMax.Hint, "Limitation (Denver DVD-438)");

    Stored() = {{"Idioma", 3}, {"MaxSum", 70}};
    EXPECT_EQ(WritesOf(&TForm1::FormActivate), (Names{"Lingua", "Receptor", "NLinhas", "MaxLinha", "Alertas",
                                                      "Font", "Tamanho", "Idioma", "Alertas"}));
    EXPECT_EQ(std::pair(+form.CurrentLanguage, form.MaxTotalLength), std::pair(3, 70));
}

TEST_F(Settings, ValuesOutOfRangeSelectNothingOrMeanPortuguese) {
    for (auto [name, value] : std::vector<std::pair<std::string, int>>{{"Idioma", 0},
                                                                       {"Idioma", 5},
                                                                       {"Receptor", -1},
                                                                       {"Receptor", 176},
                                                                       {"NLinhas", 1},
                                                                       {"NLinhas", 4},
                                                                       {"NLinhas", INT_MIN}}) {
        Stored() = kEveryValue;
        Stored()[name] = value;
        form.FormActivate();
        const ComboBox &box = name == "Receptor" ? form.ComboBox1 : form.ComboBox3;
        if (name == "Idioma")
            EXPECT_EQ(std::pair(Stored().at("Idioma"), form.btAbrir.Caption),
                      std::pair(Value(1), std::string("Abrir")));
        else
            EXPECT_EQ(std::pair(box.ItemIndex, box.Text), std::pair(-1, std::string())) << name << value;
    }
}

// A value of the wrong type or a failing store ends the activation with the
// error box before the language is applied.
TEST_F(Settings, StoreFailuresEndTheActivation) {
    fake.dialogs.AllowErrors();
    for (auto [name, value] : std::vector<std::pair<std::string, Value>>{
             {"Idioma", "2"}, {"NLinhas", true}, {"Alertas", "yes"}, {"Font", 3}, {"Tamanho", "8"}}) {
        Stored() = kEveryValue;
        Stored()[name] = value;
        Names writes = WritesOf(&TForm1::FormActivate);
        EXPECT_EQ(std::count(writes.begin(), writes.end(), "Idioma"), 0) << name;
    }
    fake.settings.FailFrom(1);
    WritesOf(&TForm1::FormActivate);
    EXPECT_EQ(fake.dialogs.Errors().size(), 6u);
    EXPECT_EQ(form.btAbrir.Caption, "Abrir");
}

TEST_F(Settings, ReceiverProfilesSetAndStoreTheirLimits) {
    form.CurrentLanguage = 2;
    struct Case {
        int index;
        std::string shown; // lines box, Edit3, Edit4
        Names writes;
    };
    for (const Case &c :
         {Case{5, "|34|60", {"Receptor"}}, Case{0, "2|43|86", {"NLinhas", "MaxLinha", "MaxSum", "Receptor"}},
          Case{1, "3|45|135", {"NLinhas", "MaxLinha", "MaxSum", "Receptor"}}}) {
        form.ComboBox1.ItemIndex = c.index;
        form.ComboBox1.Text = form.ComboBox1.Items[c.index];
        EXPECT_EQ(WritesOf(&TForm1::ComboBox1Change), c.writes);
        EXPECT_EQ(form.ComboBox3.Text + "|" + form.Edit3.Text + "|" + form.Edit4.Text, c.shown);
        EXPECT_EQ("|" + IntToStr(form.MaxLineLength) + "|" + IntToStr(form.MaxTotalLength),
                  c.shown.substr(c.shown.find('|')));
        EXPECT_EQ(Stored().at("Receptor"), Value(c.index));
        EXPECT_EQ(form.btMax.Hint, "Limitation (" + form.ComboBox1.Text + ")");
    }
    EXPECT_EQ(Stored().at("MaxSum"), Value(135));
}

TEST_F(Settings, LimitsAreStoredAndReloadTheListAsOpened) {
    const TextList opened{"{10}{20}Olá", "{30}{40}Adeus"};
    for (bool listOpen : {false, true})
        for (Edit *edit : {&form.Edit3, &form.Edit4}) {
            bool lineLimit = edit == &form.Edit3;
            form.SubtitleList() = listOpen ? TextList{"{10}{20}changed"} : TextList{};
            form.KeptCopy() = listOpen ? opened : TextList{};
            form.MaxLineLength = form.MaxTotalLength = 34;
            edit->Text = "40";
            EXPECT_EQ(WritesOf(lineLimit ? &TForm1::Edit3Exit : &TForm1::Edit4Exit),
                      Names{lineLimit ? "MaxLinha" : "MaxSum"});
            // Only the sum limit takes effect while no list is open.
            EXPECT_EQ(lineLimit ? form.MaxLineLength : form.MaxTotalLength, listOpen || !lineLimit ? 40 : 34);
            EXPECT_EQ(form.SubtitleList(), listOpen ? opened : TextList{});
        }
}

TEST_F(Settings, TextsThatAreNoNumberAreRefused) {
    for (Edit *edit : {&form.Edit3, &form.Edit4})
        for (const char *text : {"abc", "", "12a", "99999999999"}) {
            edit->Text = text;
            EXPECT_EQ(WritesOf(edit == &form.Edit3 ? &TForm1::Edit3Exit : &TForm1::Edit4Exit), Names{});
            EXPECT_EQ(std::pair(edit->Text, form.ActiveControl),
                      std::pair(std::string(), static_cast<Control *>(edit)));
        }
    EXPECT_EQ(WritesOf(&TForm1::ComboBox3Exit), Names{});
    EXPECT_EQ(form.ActiveControl, &form.ComboBox3);
    EXPECT_EQ(fake.dialogs.Messages(), Names(9, "Erro"));
    form.ComboBox3.Text = "3";
    EXPECT_EQ(WritesOf(&TForm1::ComboBox3Exit), Names{"NLinhas"});
}

TEST_F(Settings, AlertSwitchKeepsItsNewStateWhenStoringFails) {
    form.ActivarosAlertas1Click();
    EXPECT_EQ(Stored().at("Alertas"), Value(false));
    fake.settings.FailWrites(true);
    WritesOf(&TForm1::ActivarosAlertas1Click);
    EXPECT_TRUE(form.ActivarosAlertas1.Checked);
    EXPECT_EQ(fake.dialogs.Messages(), Names{"Erro ao escrever os Aertas no registo do windows"});
}

TEST_F(Settings, ChosenFontGoesToTheListsAndIsStored) {
    fake.dialogs.ChooseFont(std::nullopt);
    EXPECT_EQ(WritesOf(&TForm1::Font1Click), Names{});
    FontSpec chosen{"Courier New", 11, true, false, false, false, 0x0000FF};
    fake.dialogs.ChooseFont(chosen);
    form.Font1Click();
    for (const FontSpec *font : {&form.ListBox1.Font, &form.ListBox2.Font, &form.ListBox3.Font,
                                 &form.ListBox4.Font, &form.Memo1.Font})
        EXPECT_EQ(*font, chosen);
    EXPECT_EQ(Stored(), (Values{{"Font", "Courier New"}, {"Tamanho", 11}}));
}

} // namespace

// The output-format box is stored by its format's key when the window
// closes and chosen again at the next start; an unknown key changes nothing.
TEST_F(Settings, TheOutputFormatIsRememberedByItsKey) {
    form.SaveFormato.ItemIndex = 6;
    form.Run(&TForm1::FormClose);
    EXPECT_EQ(Stored().at("OutputFormat"), Value("ttml"));
    TForm1 next{fake.platform};
    next.FormActivate();
    EXPECT_EQ(next.SaveFormato.Text, "TTML (*.ttml)");
    Stored()["OutputFormat"] = "docx";
    TForm1 other{fake.platform};
    other.FormActivate();
    EXPECT_EQ(other.SaveFormato.ItemIndex, 0);
}
