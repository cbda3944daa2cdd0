#include "shell/Unit1.h"

#include "shell/SettingsNames.h"

#include <array>
#include <string>

namespace {

template <auto control> std::string &CaptionOf(TForm1 &form) {
    return (form.*control).Caption;
}
template <auto control> std::string &HintOf(TForm1 &form) {
    return (form.*control).Hint;
}
template <auto dialog> std::string &TitleOf(TForm1 &form) {
    return (form.*dialog).Title;
}

// The version panel of the status bar; the other two carry fixed texts.
std::string &VersionPanelText(TForm1 &form) {
    return form.StatusBar1.Panels.at(1).Text;
}

// A text of the window that follows the language, with the message row it shows.
struct LanguageText {
    int row;
    std::string &(*target)(TForm1 &);
};

// Every other caption and hint keeps its design-time text in all languages.
constexpr LanguageText kLanguageTexts[] = {
    {1, CaptionOf<&TForm1::Ficheiro1>},
    {60, CaptionOf<&TForm1::Editar1>},
    {61, CaptionOf<&TForm1::Desfazer1>},
    {62, CaptionOf<&TForm1::Refazer1>},
    {4, CaptionOf<&TForm1::Novo1>},
    {4, CaptionOf<&TForm1::Novo2>},
    {4, CaptionOf<&TForm1::btNovo>},
    {4, HintOf<&TForm1::btNovo>},
    {5, CaptionOf<&TForm1::Abrir2>},
    {5, CaptionOf<&TForm1::btAbrir>},
    {5, CaptionOf<&TForm1::Abrir1>},
    {6, HintOf<&TForm1::btAbrir>},
    {7, CaptionOf<&TForm1::Gravar1>},
    {7, CaptionOf<&TForm1::Guardar1>},
    {8, HintOf<&TForm1::btGravar>},
    {9, CaptionOf<&TForm1::Sair1>},
    {12, CaptionOf<&TForm1::FicheiroOrigem>},
    {13, CaptionOf<&TForm1::Opes1>},
    {10, CaptionOf<&TForm1::Lingua1>},
    {14, CaptionOf<&TForm1::Converter1>},
    {14, CaptionOf<&TForm1::Converter2>},
    {15, HintOf<&TForm1::btConvert>},
    {14, CaptionOf<&TForm1::btConvert>},
    {23, CaptionOf<&TForm1::Label2>},
    {28, CaptionOf<&TForm1::Label1>},
    {29, CaptionOf<&TForm1::Progresso>},
    {6, TitleOf<&TForm1::OpenDialog1>},
    {30, CaptionOf<&TForm1::btMax>},
    {31, CaptionOf<&TForm1::Label4>},
    {32, CaptionOf<&TForm1::Label5>},
    {33, CaptionOf<&TForm1::Label3>},
    {36, CaptionOf<&TForm1::txtInicio>},
    {37, CaptionOf<&TForm1::txtFim>},
    {0, VersionPanelText},
    {47, CaptionOf<&TForm1::LetrasMasculas1>},
    {38, CaptionOf<&TForm1::Label17>},
    {39, CaptionOf<&TForm1::Label16>},
    {50, CaptionOf<&TForm1::ActivarosAlertas1>},
    {63, CaptionOf<&TForm1::SincronizarVideo1>},
};

// The items of the language menu, by language number less one.
constexpr std::array<MenuItem TForm1::*, 4> kLanguageItems = {&TForm1::Portugus1, &TForm1::Ingls1,
                                                              &TForm1::Danis1, &TForm1::Espanhol2};

// CHOICE: all four items are unchecked before the language's own is checked,
// so the menu shows exactly one mark however the language changed (another
// window of the program may have stored a different one).
void CheckLanguageItem(TForm1 &form, std::uint8_t language) {
    for (MenuItem TForm1::*item : kLanguageItems)
        (form.*item).Checked = false;
    (form.*kLanguageItems.at(language - 1u)).Checked = true;
}

} // namespace

void TForm1::ApplyLanguage(std::uint8_t language) {
    CurrentLanguage = language;
    for (const LanguageText &text : kLanguageTexts)
        text.target(*this) = Message(text.row);
    ShowReceiverHints(*this);
    {
        SettingsKey key(platform.Store);
        key.store.WriteInteger(kLanguageValue, CurrentLanguage);
        key.store.WriteBool(kAlertsValue, ActivarosAlertas1.Checked);
    }
    CheckLanguageItem(*this, CurrentLanguage);
}

// Each menu item marks itself before the window is re-labelled, so the menu
// shows the chosen language even when storing it fails.
void TForm1::Portugus1Click() {
    CheckLanguageItem(*this, 1);
    ApplyLanguage(1);
}

void TForm1::Ingls1Click() {
    CheckLanguageItem(*this, 2);
    ApplyLanguage(2);
}

void TForm1::Danis1Click() {
    CheckLanguageItem(*this, 3);
    ApplyLanguage(3);
}

void TForm1::Espanhol2Click() {
    CheckLanguageItem(*this, 4);
    ApplyLanguage(4);
}
