#include "shell/Unit1.h"

#include "shell/SettingsNames.h"
#include "tools/VideoOpenFilter.h"

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
    MessageRow row;
    std::string &(*target)(TForm1 &);
};

// Every other caption and hint keeps its design-time text in all languages.
constexpr LanguageText kLanguageTexts[] = {
    {MessageRow::FileMenu, CaptionOf<&TForm1::Ficheiro1>},
    {MessageRow::EditMenu, CaptionOf<&TForm1::Editar1>},
    {MessageRow::Undo, CaptionOf<&TForm1::Desfazer1>},
    {MessageRow::Redo, CaptionOf<&TForm1::Refazer1>},
    {MessageRow::FindMenu, CaptionOf<&TForm1::Procurar1>},
    {MessageRow::FindNext, CaptionOf<&TForm1::ProcurarSeguinte1>},
    {MessageRow::ReplaceMenu, CaptionOf<&TForm1::Substituir1>},
    {MessageRow::SpellingMenu, CaptionOf<&TForm1::Ortografia1>},
    {MessageRow::New, CaptionOf<&TForm1::Novo1>},
    {MessageRow::New, CaptionOf<&TForm1::Novo2>},
    {MessageRow::New, CaptionOf<&TForm1::btNovo>},
    {MessageRow::New, HintOf<&TForm1::btNovo>},
    {MessageRow::Open, CaptionOf<&TForm1::Abrir2>},
    {MessageRow::Open, CaptionOf<&TForm1::btAbrir>},
    {MessageRow::Open, CaptionOf<&TForm1::Abrir1>},
    {MessageRow::OpenSubtitle, HintOf<&TForm1::btAbrir>},
    {MessageRow::Save, CaptionOf<&TForm1::Gravar1>},
    {MessageRow::Save, CaptionOf<&TForm1::Guardar1>},
    {MessageRow::SaveSubtitle, HintOf<&TForm1::btGravar>},
    {MessageRow::Exit, CaptionOf<&TForm1::Sair1>},
    {MessageRow::FileName, CaptionOf<&TForm1::FicheiroOrigem>},
    {MessageRow::Options, CaptionOf<&TForm1::Opes1>},
    {MessageRow::Language, CaptionOf<&TForm1::Lingua1>},
    {MessageRow::Convert, CaptionOf<&TForm1::Converter1>},
    {MessageRow::Convert, CaptionOf<&TForm1::Converter2>},
    {MessageRow::ConvertSubtitle, HintOf<&TForm1::btConvert>},
    {MessageRow::Convert, CaptionOf<&TForm1::btConvert>},
    {MessageRow::Delay, CaptionOf<&TForm1::Label2>},
    {MessageRow::FrameRate, CaptionOf<&TForm1::Label1>},
    {MessageRow::Progress, CaptionOf<&TForm1::Progresso>},
    {MessageRow::OpenSubtitle, TitleOf<&TForm1::OpenDialog1>},
    {MessageRow::Limitation, CaptionOf<&TForm1::btMax>},
    {MessageRow::MaxLineLength, CaptionOf<&TForm1::Label4>},
    {MessageRow::MaxTotalLength, CaptionOf<&TForm1::Label5>},
    {MessageRow::LineCount, CaptionOf<&TForm1::Label3>},
    {MessageRow::Begin, CaptionOf<&TForm1::txtInicio>},
    {MessageRow::End, CaptionOf<&TForm1::txtFim>},
    {MessageRow::Version, VersionPanelText},
    {MessageRow::LetterCase, CaptionOf<&TForm1::LetrasMasculas1>},
    {MessageRow::Time, CaptionOf<&TForm1::Label17>},
    {MessageRow::Frame, CaptionOf<&TForm1::Label16>},
    {MessageRow::ActivateAlerts, CaptionOf<&TForm1::ActivarosAlertas1>},
    {MessageRow::SyncToVideo, CaptionOf<&TForm1::SincronizarVideo1>},
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
    RelabelEncodingPanel();
    Form2.OpenDialog1.Filter = VideoOpenFilter(CurrentLanguage);
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
