#include "shell/SettingsNames.h"
#include "shell/Unit1.h"
#include "tests/support/FakePlatform.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>

namespace {

using Values = std::map<std::string, MemorySettings::Value>;
using Names = std::vector<std::string>;

const Values kEveryValue = {{"Idioma", 2},   {"Receptor", 5},    {"NLinhas", 3},      {"MaxLinha", 45},
                            {"MaxSum", 135}, {"Alertas", false}, {"Font", "Verdana"}, {"Tamanho", 12}};

class Settings : public ::testing::Test {
protected:
    FakePlatform fake;
    TForm1 form{fake.platform};
    Values &Stored() { return fake.settings.keys[kSettingsKey]; }
    void Store(Values values) { fake.settings.keys[kSettingsKey] = std::move(values); }
    // What the next step writes, and nothing left open after it.
    Names WritesOf(void (TForm1::*handler)()) {
        fake.settings.writes.clear();
        form.Run(handler);
        EXPECT_EQ(fake.settings.openKey, "");
        return fake.settings.writes;
    }
};

TEST_F(Settings, FirstStartStoresDefaultsAndAppliesNone) {
    form.FormActivate();
    EXPECT_EQ(fake.settings.writes, (Names{"Idioma", "Receptor", "NLinhas", "MaxLinha", "MaxSum", "Alertas",
                                           "Font", "Tamanho", "Idioma", "Alertas"}));
    EXPECT_EQ(Stored(), (Values{{"Idioma", 1},
                                {"Receptor", 1},
                                {"NLinhas", 2},
                                {"MaxLinha", 34},
                                {"MaxSum", 60},
                                {"Alertas", true},
                                {"Font", "MS Sans Serif"},
                                {"Tamanho", 8}}));
    EXPECT_EQ(form.ComboBox1.ItemIndex, 0);
    EXPECT_EQ(form.ComboBox3.ItemIndex, -1);
    EXPECT_EQ(form.Edit3.Text, "34");

    EXPECT_EQ(WritesOf(&TForm1::FormActivate), (Names{"Lingua", "Idioma", "Alertas"}));
    EXPECT_EQ(Stored().at("Lingua"), MemorySettings::Value("Portugu\xEAs"));
    EXPECT_EQ(form.ComboBox1.ItemIndex, 1);
    EXPECT_EQ(form.ComboBox1.Text, "Firmware _Marrowen_");
    EXPECT_EQ(form.ComboBox3.Text, "2");
}

TEST_F(Settings, StoredValuesReachTheControls) {
    Store(kEveryValue);
    form.FormActivate();
    EXPECT_EQ(form.CurrentLanguage, 2);
    EXPECT_EQ(Stored().at("Lingua"), MemorySettings::Value("Ingl\xEAs"));
    EXPECT_EQ(form.ComboBox1.Text, "Denver DVD-438");
    EXPECT_EQ(form.ComboBox3.Text, "3");
    EXPECT_EQ(form.MaxLineLength, 45);
    EXPECT_EQ(form.Edit3.Text, "45");
    EXPECT_EQ(form.MaxTotalLength, 135);
    EXPECT_EQ(form.Edit4.Text, "135");
    EXPECT_FALSE(form.ActivarosAlertas1.Checked);
    for (const FontSpec *font : {&form.ListBox1.Font, &form.ListBox4.Font, &form.Memo1.Font})
        EXPECT_EQ(std::pair(font->Name, font->Size), std::pair(std::string("Verdana"), 12));
    EXPECT_EQ(form.btMax.Hint, "Limitation (Denver DVD-438)");
}

TEST_F(Settings, MissingValuesGetTheirDefaultWrittenInOrder) {
    Store({{"Idioma", 3}, {"MaxSum", 70}});
    EXPECT_EQ(WritesOf(&TForm1::FormActivate), (Names{"Lingua", "Receptor", "NLinhas", "MaxLinha", "Alertas",
                                                      "Font", "Tamanho", "Idioma", "Alertas"}));
    EXPECT_EQ(form.MaxTotalLength, 70);
    EXPECT_EQ(form.CurrentLanguage, 3);
}

struct OutOfRange {
    const char *name;
    int value;
};

class SettingsOutOfRange : public Settings, public ::testing::WithParamInterface<OutOfRange> {};

TEST_P(SettingsOutOfRange, SelectsNothingAndFallsBackToPortuguese) {
    Values values = kEveryValue;
    values[GetParam().name] = GetParam().value;
    Store(values);
    form.FormActivate();
    if (std::string(GetParam().name) == "Idioma") {
        EXPECT_EQ(form.CurrentLanguage, 1);
        EXPECT_EQ(Stored().at("Idioma"), MemorySettings::Value(1));
        EXPECT_EQ(form.btAbrir.Caption, "Abrir");
    } else {
        const ComboBox &box = std::string(GetParam().name) == "Receptor" ? form.ComboBox1 : form.ComboBox3;
        EXPECT_EQ(box.ItemIndex, -1);
        EXPECT_EQ(box.Text, "");
    }
}

INSTANTIATE_TEST_SUITE_P(Values, SettingsOutOfRange,
                         ::testing::Values(OutOfRange{"Idioma", 0}, OutOfRange{"Idioma", 5},
                                           OutOfRange{"Idioma", INT_MIN}, OutOfRange{"Receptor", -1},
                                           OutOfRange{"Receptor", 176}, OutOfRange{"NLinhas", 1},
                                           OutOfRange{"NLinhas", 4}, OutOfRange{"NLinhas", INT_MIN}));

// A value of the wrong type, or a store that fails, ends the activation with
// the error box: the language is not applied and the key is closed.
TEST_F(Settings, StoreFailuresEndTheActivation) {
    fake.dialogs.AllowErrors();
    for (auto [name, value] : std::vector<std::pair<std::string, MemorySettings::Value>>{
             {"Idioma", "2"}, {"NLinhas", true}, {"Alertas", "yes"}, {"Font", 3}, {"Tamanho", "8"}}) {
        Values values = kEveryValue;
        values[name] = value;
        Store(values);
        Names writes = WritesOf(&TForm1::FormActivate);
        EXPECT_EQ(std::count(writes.begin(), writes.end(), "Idioma"), 0) << name;
        EXPECT_EQ(form.btAbrir.Caption, "Abrir") << name;
    }
    fake.settings.FailFrom(1);
    WritesOf(&TForm1::FormActivate);
    EXPECT_EQ(fake.dialogs.Errors().size(), 6u);
}

struct Profile {
    int index;
    std::string lines;
    int maxLine, maxSum;
    Names writes;
};

class ReceiverProfile : public Settings, public ::testing::WithParamInterface<Profile> {};

TEST_P(ReceiverProfile, SetsAndStoresItsLimits) {
    form.CurrentLanguage = 2;
    form.ComboBox1.ItemIndex = GetParam().index;
    form.ComboBox1.Text = form.ComboBox1.Items[GetParam().index];
    EXPECT_EQ(WritesOf(&TForm1::ComboBox1Change), GetParam().writes);
    EXPECT_EQ(form.ComboBox3.Text, GetParam().lines);
    EXPECT_EQ(std::pair(form.Edit3.Text, form.Edit4.Text),
              std::pair(std::to_string(GetParam().maxLine), std::to_string(GetParam().maxSum)));
    EXPECT_EQ(std::pair(form.MaxLineLength, form.MaxTotalLength),
              std::pair(GetParam().maxLine, GetParam().maxSum));
    EXPECT_EQ(Stored().at("Receptor"), MemorySettings::Value(GetParam().index));
    EXPECT_EQ(form.ComboBox1.Hint, form.ComboBox1.Text);
    EXPECT_EQ(form.btMax.Hint, "Limitation (" + form.ComboBox1.Text + ")");
}

INSTANTIATE_TEST_SUITE_P(
    Profiles, ReceiverProfile,
    ::testing::Values(Profile{0, "2", 43, 86, {"NLinhas", "MaxLinha", "MaxSum", "Receptor"}},
                      Profile{1, "3", 45, 135, {"NLinhas", "MaxLinha", "MaxSum", "Receptor"}},
                      Profile{5, "", 34, 60, {"Receptor"}}));

TEST_F(Settings, LimitsReloadTheListAsOpened) {
    struct Case {
        Edit TForm1::*edit;
        Handler handler;
        const char *value;
        int TForm1::*limit;
        bool takenWithoutList;
    };
    for (const Case &c :
         {Case{&TForm1::Edit3, &TForm1::Edit3Exit, "MaxLinha", &TForm1::MaxLineLength, false},
          Case{&TForm1::Edit4, &TForm1::Edit4Exit, "MaxSum", &TForm1::MaxTotalLength, true}}) {
        for (bool listOpen : {false, true}) {
            const TextList opened{"{10}{20}Ol\xE1", "{30}{40}Adeus"};
            form.SubtitleList() = listOpen ? TextList{"{10}{20}changed"} : TextList{};
            form.KeptCopy() = listOpen ? opened : TextList{};
            form.*c.limit = 34;
            (form.*c.edit).Text = "40";
            EXPECT_EQ(WritesOf(c.handler), Names{c.value});
            EXPECT_EQ(Stored().at(c.value), MemorySettings::Value(40));
            EXPECT_EQ(form.*c.limit, listOpen || c.takenWithoutList ? 40 : 34) << c.value << listOpen;
            EXPECT_EQ(form.SubtitleList(), listOpen ? opened : TextList{});
        }
    }
}

TEST_F(Settings, TextsThatAreNoNumberAreRefused) {
    for (Edit *edit : {&form.Edit3, &form.Edit4})
        for (const char *text : {"abc", "", "4 0", "12a", "99999999999"}) {
            edit->Text = text;
            form.ActiveControl = nullptr;
            EXPECT_EQ(WritesOf(edit == &form.Edit3 ? &TForm1::Edit3Exit : &TForm1::Edit4Exit), Names{});
            EXPECT_EQ(edit->Text, "");
            EXPECT_EQ(form.ActiveControl, edit);
        }
    EXPECT_EQ(WritesOf(&TForm1::ComboBox3Exit), Names{});
    EXPECT_EQ(form.ActiveControl, &form.ComboBox3);
    EXPECT_EQ(fake.dialogs.Messages(), Names(11, "Erro"));

    form.ComboBox3.ItemIndex = 1;
    form.ComboBox3.Text = "3";
    EXPECT_EQ(WritesOf(&TForm1::ComboBox3Exit), Names{"NLinhas"});
    EXPECT_EQ(Stored().at("NLinhas"), MemorySettings::Value(3));
}

TEST_F(Settings, AlertSwitchKeepsItsStateWhenStoringFails) {
    WritesOf(&TForm1::ActivarosAlertas1Click);
    EXPECT_FALSE(form.ActivarosAlertas1.Checked);
    EXPECT_EQ(Stored().at("Alertas"), MemorySettings::Value(false));
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
    EXPECT_EQ(WritesOf(&TForm1::Font1Click), (Names{"Font", "Tamanho"}));
    for (const Control *control :
         {static_cast<Control *>(&form.ListBox1), static_cast<Control *>(&form.ListBox2),
          static_cast<Control *>(&form.ListBox3), static_cast<Control *>(&form.ListBox4),
          static_cast<Control *>(&form.Memo1)})
        EXPECT_EQ(control->Font, chosen) << control->Name;
    EXPECT_EQ(Stored(), (Values{{"Font", "Courier New"}, {"Tamanho", 11}}));
}

} // namespace
