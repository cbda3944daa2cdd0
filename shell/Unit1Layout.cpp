#include "shell/Unit1.h"

#include "convert/ReceiverProfiles.h"
#include "document/MessageTable.h"
#include "shell/RecentFiles.h"

#include <cstdint>
#include <initializer_list>
#include <string_view>
#include <vector>

namespace {

// How a control or menu item comes up before any file is opened.
enum class Start { Enabled, Disabled, Hidden };

// The event that runs a control's handler.
enum class On { Nothing, Click, Exit, Change };

struct ControlDesign {
    Control *control;
    std::string_view name;
    ControlKind kind;
    Rect bounds; // labels give only Left and Top: they take the size of their caption
    std::string_view caption;
    std::string_view hint;
    Start start;
    On event;
    Handler handler;
};

struct MenuItemDesign {
    MenuItem *item;
    std::string_view name;
    std::string_view caption;
    std::string_view shortCut;
    Start start;
    bool checked;
    Handler onClick;
};

struct FileDialogDesign {
    FileDialog *dialog;
    std::string_view name;
    std::string_view title;
    std::string_view filter;
    std::string_view defaultExt;
    bool overwritePrompt;
    bool hideReadOnly;
};

// Colours as the desktop stores them, 0x00BBGGRR.
constexpr std::uint32_t kRed = 0x0000FF;
constexpr std::uint32_t kNavy = 0x800000;

// The window's font, MS Sans Serif at 8 points, is 13 pixels high with an
// average character 5 pixels wide, one more in bold.
constexpr int kTextHeight = 13;

Rect CaptionBounds(const Control &label) {
    const int characterWidth = label.Font.Bold ? 6 : 5;
    return {label.Bounds.Left, label.Bounds.Top, characterWidth * static_cast<int>(label.Caption.size()),
            kTextHeight};
}

void ApplyStart(Start start, bool &enabled, bool &visible) {
    enabled = start != Start::Disabled;
    visible = start != Start::Hidden;
}

void Apply(const ControlDesign &design) {
    Control &control = *design.control;
    control.Name = design.name;
    control.Kind = design.kind;
    control.Bounds = design.bounds;
    control.Caption = design.caption;
    control.Hint = design.hint;
    ApplyStart(design.start, control.Enabled, control.Visible);
    switch (design.event) {
    case On::Nothing:
        break;
    case On::Click:
        control.OnClick = design.handler;
        break;
    case On::Exit:
        control.OnExit = design.handler;
        break;
    case On::Change:
        control.OnChange = design.handler;
        break;
    }
    if (control.Kind == ControlKind::Label)
        control.Bounds = CaptionBounds(control);
}

void Apply(const MenuItemDesign &design) {
    MenuItem &item = *design.item;
    item.Name = design.name;
    item.Caption = design.caption;
    item.ShortCut = design.shortCut;
    ApplyStart(design.start, item.Enabled, item.Visible);
    item.Checked = design.checked;
    item.OnClick = design.onClick;
}

void Apply(const FileDialogDesign &design) {
    FileDialog &dialog = *design.dialog;
    dialog.Name = design.name;
    dialog.Title = design.title;
    dialog.Filter = design.filter;
    dialog.DefaultExt = design.defaultExt;
    dialog.OverwritePrompt = design.overwritePrompt;
    dialog.HideReadOnly = design.hideReadOnly;
}

// Built once: every window's list shares these items, as copies of a list do,
// until it changes them.
const TextList &ReceiverProfileItems() {
    static const TextList items = [] {
        std::vector<std::string> names;
        names.reserve(kReceiverProfileCount);
        for (std::string_view name : ReceiverProfileNames())
            names.emplace_back(name);
        return TextList(names);
    }();
    return items;
}

} // namespace

// The window as designed: every control with its place, captions and hints
// in Portuguese, start state and handler. Opening a file and the other
// actions switch controls from here on; ApplyLanguage re-labels them.
void TForm1::LoadFormDesign() {
    using K = ControlKind;
    constexpr Start enabled = Start::Enabled;
    constexpr Start disabled = Start::Disabled;
    constexpr Start hidden = Start::Hidden;

    Caption = "Lumavert 4.20";

    // Fonts first: a label's size follows its caption in its own font.
    Label7.Font.Bold = true;
    Label7.Font.Italic = true;
    Label7.Font.Color = kRed;
    Formato.Font.Bold = true;
    Formato.Font.Color = kNavy;

    // clang-format off
    const ControlDesign controls[] = {
        // The tool panel; its buttons are placed within it.
        {&Panel1, "Panel1", K::Panel, {0, 0, 464, 53}, "", "", enabled, On::Nothing, nullptr},
        {&btNovo, "btNovo", K::Button, {0, 0, 65, 49}, "Novo", "Novo",
         disabled, On::Click, &TForm1::btNovoClick},
        {&btAbrir, "btAbrir", K::Button, {65, 0, 65, 49}, "Abrir", "Abrir legenda",
         enabled, On::Click, &TForm1::btAbrirClick},
        {&btAVIInfo, "btAVIInfo", K::Button, {130, 0, 65, 49}, "AVI Info", "",
         enabled, On::Click, &TForm1::btAVIInfoClick},
        {&btMax, "btMax", K::Button, {194, 0, 71, 49}, "Limitações",
         "Limitações para o receptor", disabled, On::Click, &TForm1::bt60Max},
        {&btConvert, "btConvert", K::Button, {265, 0, 65, 49}, "Converter", "Converter legenda para .Srt",
         disabled, On::Click, &TForm1::btConvertClick},
        {&btGravar, "btGravar", K::Button, {330, 0, 65, 49}, "SubRip", "Gravar legenda convertida",
         disabled, On::Click, &TForm1::btGravar1Click},
        {&btMulti, "btMulti", K::Button, {394, 0, 65, 49}, "Multi", "",
         disabled, On::Click, &TForm1::btMultiClick},

        // The settings rows.
        {&FicheiroOrigem, "FicheiroOrigem", K::Label, {8, 56}, "Nome do Ficheiro", "",
         enabled, On::Nothing, nullptr},
        {&Edit1, "Edit1", K::Edit, {8, 72, 193, 21}, "", "Nome do ficheiro Sub",
         disabled, On::Nothing, nullptr},
        {&Label1, "Label1", K::Label, {208, 56}, "Frames por segundo", "",
         enabled, On::Nothing, nullptr},
        {&Combobox2, "Combobox2", K::ComboBox, {208, 72, 81, 21}, "", "FPS",
         enabled, On::Exit, &TForm1::Combobox2Exit},
        {&SpeedButton2, "SpeedButton2", K::SpeedButton, {292, 72, 23, 22}, "", "",
         enabled, On::Click, &TForm1::CalcularFPS1Click},
        {&Label2, "Label2", K::Label, {320, 56}, "Atraso (segundos)", "",
         enabled, On::Nothing, nullptr},
        {&AtrasoEdit, "AtrasoEdit", K::Edit, {320, 72, 89, 21}, "", " (-) Atraso negativo e (+) Adianto",
         disabled, On::Nothing, nullptr},
        {&SpeedButton1, "SpeedButton1", K::Button, {412, 56, 48, 54}, "WMP", "Play Windows Media Player",
         enabled, On::Click, &TForm1::SpeedButton1Click},
        {&Label3, "Label3", K::Label, {8, 96}, "Nº de Linhas", "",
         enabled, On::Nothing, nullptr},
        {&ComboBox3, "ComboBox3", K::ComboBox, {8, 112, 65, 21}, "", "",
         enabled, On::Exit, &TForm1::ComboBox3Exit},
        {&Label4, "Label4", K::Label, {80, 96}, "Tamanho Máx./ Linha", "",
         enabled, On::Nothing, nullptr},
        {&Edit3, "Edit3", K::Edit, {80, 112, 121, 21}, "", "Tamanho máximo admitido nas linhas",
         enabled, On::Exit, &TForm1::Edit3Exit},
        {&Label5, "Label5", K::Label, {208, 96}, "Soma Total", "",
         enabled, On::Nothing, nullptr},
        {&Edit4, "Edit4", K::Edit, {208, 112, 105, 21}, "", "Soma das letras das linhas",
         enabled, On::Exit, &TForm1::Edit4Exit},
        {&Label6, "Label6", K::Label, {320, 96}, "DVD Player or PC", "",
         enabled, On::Nothing, nullptr},
        {&ComboBox1, "ComboBox1", K::ComboBox, {320, 112, 137, 21}, "", "...",
         enabled, On::Change, &TForm1::ComboBox1Change},

        // The format row.
        {&Label7, "Label7", K::Label, {8, 140}, "Original:", "",
         enabled, On::Nothing, nullptr},
        {&Formato, "Formato", K::Label, {64, 140}, "...", "",
         enabled, On::Nothing, nullptr},
        {&SpeedButton4, "SpeedButton4", K::SpeedButton, {232, 136, 57, 22}, "Split", "",
         hidden, On::Nothing, nullptr},
        {&SpeedButton5, "SpeedButton5", K::SpeedButton, {288, 136, 57, 22}, "Join", "",
         hidden, On::Nothing, nullptr},
        {&bt_ID, "bt_ID", K::SpeedButton, {344, 136, 57, 22}, "DivX", "Put DivX on Startup",
         disabled, On::Click, &TForm1::bt_IDClick},
        {&btAuto, "btAuto", K::SpeedButton, {400, 136, 55, 22}, "Auto", "",
         disabled, On::Click, &TForm1::btAutoClick},

        // The list area; the working lists lie hidden under the subtitle list.
        {&ListBox1, "ListBox1", K::ListBox, {8, 160, 217, 161}, "", "",
         enabled, On::Click, &TForm1::ListBox1Click},
        {&ListBox2, "ListBox2", K::ListBox, {8, 160, 217, 161}, "", "", hidden, On::Nothing, nullptr},
        {&ListBox3, "ListBox3", K::ListBox, {8, 160, 217, 161}, "", "", hidden, On::Nothing, nullptr},
        {&ListBox4, "ListBox4", K::ListBox, {8, 160, 217, 161}, "", "", hidden, On::Nothing, nullptr},
        {&ListaErros, "ListaErros", K::ListBox, {8, 160, 217, 161}, "", "", hidden, On::Nothing, nullptr},
        {&Memo1, "Memo1", K::Memo, {232, 160, 225, 161}, "", "", enabled, On::Nothing, nullptr},

        // The tool row.
        {&btOriginal, "btOriginal", K::SpeedButton, {8, 328, 25, 22}, "", "Load again",
         disabled, On::Click, &TForm1::btOriginalClick},
        {&btEdit, "btEdit", K::SpeedButton, {32, 328, 23, 22}, "", "Edit",
         disabled, On::Click, &TForm1::ListBox1DblClick},
        {&btInsert, "btInsert", K::SpeedButton, {56, 328, 25, 22}, "", "Insert",
         disabled, On::Click, &TForm1::btInsertClick},
        {&btErase, "btErase", K::SpeedButton, {80, 328, 23, 22}, "", "Delete",
         disabled, On::Click, &TForm1::EliminarClick},
        {&btCopy, "btCopy", K::SpeedButton, {104, 328, 23, 22}, "", "Copy",
         disabled, On::Click, &TForm1::btCopyClick},
        {&btPast, "btPast", K::SpeedButton, {128, 328, 23, 22}, "", "Past",
         disabled, On::Click, &TForm1::btPastClick},
        {&btAnalisar, "btAnalisar", K::SpeedButton, {152, 328, 23, 22}, "", "Properties",
         disabled, On::Click, &TForm1::PropriedadesClick},
        {&btSup, "btSup", K::SpeedButton, {176, 328, 23, 22}, "", "Uppercase",
         enabled, On::Click, &TForm1::Uppercase1Click},
        {&btFont, "btFont", K::SpeedButton, {200, 328, 23, 22}, "", "Font",
         enabled, On::Click, &TForm1::Font1Click},
        {&SaveFormato, "SaveFormato", K::ComboBox, {232, 328, 169, 21}, "", "",
         disabled, On::Nothing, nullptr},
        {&btFormato, "btFormato", K::SpeedButton, {408, 328, 49, 22}, "", "",
         disabled, On::Click, &TForm1::btFormatoClick},

        // The selected subtitle, framed by a bevel.
        {&Bevel3, "Bevel3", K::Bevel, {8, 358, 449, 48}, "", "", enabled, On::Nothing, nullptr},
        {&txtInicio, "txtInicio", K::Label, {32, 360}, "Inicio", "", enabled, On::Nothing, nullptr},
        {&Edit5, "Edit5", K::Edit, {32, 376, 73, 21}, "", "", enabled, On::Exit, &TForm1::Edit5Exit},
        {&UpDown1, "UpDown1", K::UpDown, {104, 376, 17, 25}, "", "",
         enabled, On::Click, &TForm1::UpDown1Click},
        {&txtFim, "txtFim", K::Label, {128, 360}, "Fim", "", enabled, On::Nothing, nullptr},
        {&Edit6, "Edit6", K::Edit, {128, 376, 73, 21}, "", "", enabled, On::Exit, &TForm1::Edit6Exit},
        {&UpDown2, "UpDown2", K::UpDown, {200, 376, 17, 25}, "", "",
         enabled, On::Click, &TForm1::UpDown2Click},
        {&Label16, "Label16", K::Label, {260, 360}, "Frames", "", enabled, On::Nothing, nullptr},
        {&Edit7, "Edit7", K::Edit, {256, 376, 81, 21}, "", "", disabled, On::Nothing, nullptr},
        {&Label17, "Label17", K::Label, {358, 360}, "Tempo", "", enabled, On::Nothing, nullptr},
        {&Edit12, "Edit12", K::Edit, {352, 376, 81, 21}, "", "", disabled, On::Nothing, nullptr},

        // The bottom: progress, and the status bar along the window's lower edge.
        {&Progresso, "Progresso", K::Label, {8, 408}, "Progresso", "", enabled, On::Nothing, nullptr},
        {&ProgressBar1, "ProgressBar1", K::ProgressBar, {64, 412, 393, 9}, "", "",
         enabled, On::Nothing, nullptr},
        {&StatusBar1, "StatusBar1", K::StatusBar, {0, 423, 464, 19}, "", "", enabled, On::Nothing, nullptr},
    };
    // clang-format on
    for (const ControlDesign &design : controls)
        Apply(design);

    for (Control *flat : std::initializer_list<Control *>{&SpeedButton4, &SpeedButton5, &bt_ID, &btAuto,
                                                          &btOriginal, &btEdit, &btInsert, &btErase, &btCopy,
                                                          &btPast, &btAnalisar, &btSup, &btFont})
        flat->Flat = true;
    // NOTE: these hints were written but never switched on.
    for (Control *quiet : std::initializer_list<Control *>{&AtrasoEdit, &Edit3, &Edit4})
        quiet->ShowHint = false;

    ListBox1.OnDblClick = &TForm1::ListBox1DblClick;
    ListBox1.OnExit = &TForm1::ListBox1Exit;
    ListBox1.OnKeyDown = &TForm1::ListBox1KeyDown;
    ListBox1.PopupMenu = &PopupMenu1;
    Memo1.VerticalScrollBar = true;

    Combobox2.Items =
        TextList{"23,976", "23,978", "24,000", "25,000", "29,700", "30,000", "23,976/25", "25/23,976"};
    Combobox2.Editable = true;
    ComboBox3.Items = TextList{"2", "3"};
    ComboBox1.Items = ReceiverProfileItems();
    SaveFormato.Items = OutputBoxItems();

    AtrasoEdit.Text = "0";
    Edit3.Text = "34";
    Edit4.Text = "60";

    for (UpDown *upDown : {&UpDown1, &UpDown2}) {
        upDown->Min = -32000;
        upDown->Max = 32000;
        upDown->Position = 0;
        upDown->Wrap = false;
    }
    ProgressBar1.Min = 0;
    ProgressBar1.Max = 100;
    ProgressBar1.Position = 0;

    // CHOICE: panels 1 and 3 carry our own notice and address.
    StatusBar1.Panels = {
        {kStatusNotice, 180, true},
        {MessageText(MessageRow::Version, 1), 100, true},
        {"lumavert.example.org", 50, true},
    };
    StatusBar1.OnMouseDown = &TForm1::StatusBar1MouseDown;
    StatusBar1.OnMouseMove = &TForm1::StatusBar1MouseMove;

    // The open dialog's filter is built when a file is opened.
    const FileDialogDesign dialogs[] = {
        {&OpenDialog1, "OpenDialog1", "Abrir Legenda", "", "*.sub", false, false},
        {&SaveDialog1, "SaveDialog1", "Gravar ficheiro Srt", "Subrip (Srt)|*.srt", "*.srt", false, false},
        {&SaveDialog2, "SaveDialog2", "", "MicroDVD (*.sub)|*.sub", "*.sub", true, true},
        {&OpenDialog2, "OpenDialog2", "", "DivX, XviD, AVI|*.avi|All Files|*.*", "*.avi", false, false},
        {&VideoDialog, "VideoDialog", "Video",
         "Video|*.mkv;*.mp4;*.avi;*.webm;*.ts;*.m2ts;*.mpg;*.mpeg;*.mov;*.wmv"
         "|All Files|*.*",
         "", false, false},
    };
    for (const FileDialogDesign &design : dialogs)
        Apply(design);
    FontDialog1.Name = "FontDialog1";
    FontDialog1.Font.Name = "MS Sans Serif";
    FontDialog1.Font.Size = 8;

    // clang-format off
    const MenuItemDesign menuItems[] = {
        // The main menu.
        {&Ficheiro1, "Ficheiro1", "&Ficheiro", "", enabled, false, nullptr},
        {&Novo2, "Novo2", "Novo", "Ctrl+N", disabled, false, &TForm1::btNovoClick},
        {&Abrir2, "Abrir2", "Abrir", "Ctrl+A", enabled, false, &TForm1::btAbrirClick},
        {&Gravar1, "Gravar1", "Gravar", "", disabled, false, &TForm1::btGravar1Click},
        {&N2, "N2", "-", "", enabled, false, nullptr},
        {&Recente1, "Recente1", "", "", enabled, false, &TForm1::RecenteClick<0>},
        {&Recente2, "Recente2", "", "", enabled, false, &TForm1::RecenteClick<1>},
        {&Recente3, "Recente3", "", "", enabled, false, &TForm1::RecenteClick<2>},
        {&Recente4, "Recente4", "", "", enabled, false, &TForm1::RecenteClick<3>},
        {&Recente5, "Recente5", "", "", enabled, false, &TForm1::RecenteClick<4>},
        {&Recente6, "Recente6", "", "", enabled, false, &TForm1::RecenteClick<5>},
        {&Recente7, "Recente7", "", "", enabled, false, &TForm1::RecenteClick<6>},
        {&Recente8, "Recente8", "", "", enabled, false, &TForm1::RecenteClick<7>},
        {&N3, "N3", "-", "", enabled, false, nullptr},
        {&Sair1, "Sair1", "Sair", "", enabled, false, &TForm1::Sair1Click},
        {&Editar1, "Editar1", "&Editar", "", enabled, false, nullptr},
        {&Desfazer1, "Desfazer1", "Desfazer", "Ctrl+Z", disabled, false, &TForm1::Desfazer1Click},
        {&Refazer1, "Refazer1", "Refazer", "Ctrl+Y; Ctrl+Shift+Z", disabled, false, &TForm1::Refazer1Click},
        {&Procurar1, "Procurar1", "Procurar...", "Ctrl+F", enabled, false, &TForm1::Procurar1Click},
        {&ProcurarSeguinte1, "ProcurarSeguinte1", "Procurar seguinte", "F3", enabled, false,
         &TForm1::ProcurarSeguinte1Click},
        {&Substituir1, "Substituir1", "Substituir...", "Ctrl+H", enabled, false, &TForm1::Substituir1Click},
        {&Ortografia1, "Ortografia1", "Ortografia...", "F7", enabled, false, &TForm1::Ortografia1Click},
        {&Opes1, "Opes1", "Opções", "", enabled, false, nullptr},
        {&Lingua1, "Lingua1", "Lingua", "", enabled, false, nullptr},
        {&Portugus1, "Portugus1", "Português", "", enabled, true, &TForm1::Portugus1Click},
        {&Ingls1, "Ingls1", "English", "", enabled, false, &TForm1::Ingls1Click},
        {&Danis1, "Danis1", "Danish", "", enabled, false, &TForm1::Danis1Click},
        {&Espanhol2, "Espanhol2", "Espanhol", "", enabled, false, &TForm1::Espanhol2Click},
        {&LetrasMasculas1, "LetrasMasculas1", "Letras Maiúsculas", "", enabled, false, nullptr},
        {&Uppercase1, "Uppercase1", "Uppercase", "", enabled, false, &TForm1::Uppercase1Click},
        {&AnsiUppercase1, "AnsiUppercase1", "AnsiUppercase", "", enabled, false,
         &TForm1::AnsiUppercase1Click},
        {&Lowercase1, "Lowercase1", "Lowercase", "", enabled, false, &TForm1::Lowercase1Click},
        {&AnsiLowercase1, "AnsiLowercase1", "AnsiLowercase", "", enabled, false,
         &TForm1::AnsiLowercase1Click},
        {&ActivarosAlertas1, "ActivarosAlertas1", "Activar os Alertas", "", enabled, true,
         &TForm1::ActivarosAlertas1Click},
        {&CalcularFPS1, "CalcularFPS1", "Calcular FPS", "Ctrl+C", enabled, false, &TForm1::CalcularFPS1Click},
        {&SincronizarVideo1, "SincronizarVideo1", "Sincronizar com o vídeo", "", enabled, false,
         &TForm1::SincronizarVideo1Click},
        {&Font1, "Font1", "Font", "Ctrl+F", enabled, false, &TForm1::Font1Click},
        // A top-level item that acts directly.
        {&Converter2, "Converter2", "Converter", "", enabled, false, &TForm1::btConvertClick},

        // The pop-up menu of the subtitle list.
        {&Novo1, "Novo1", "Novo", "", disabled, false, &TForm1::btNovoClick},
        {&Abrir1, "Abrir1", "Abrir", "", enabled, false, &TForm1::btAbrirClick},
        {&Guardar1, "Guardar1", "Guardar", "", disabled, false, &TForm1::btGravar1Click},
        {&Converter1, "Converter1", "Converter", "", disabled, false, &TForm1::btConvertClick},
        {&N1, "N1", "-", "", enabled, false, nullptr},
        {&AlteraNome1, "AlteraNome1", "Altera Nome", "", disabled, false, &TForm1::ListBox1DblClick},
        {&Eliminar, "Eliminar", "Eliminar", "", disabled, false, &TForm1::EliminarClick},
        {&Propriedades, "Propriedades", "Propriedades", "", disabled, false, &TForm1::PropriedadesClick},
    };
    // clang-format on
    for (const MenuItemDesign &design : menuItems)
        Apply(design);

    MainMenu1.Name = "MainMenu1";
    MainMenu1.Items = {&Ficheiro1, &Editar1, &Opes1, &Converter2};
    Ficheiro1.Items = {&Novo2,    &Abrir2,   &Gravar1,  &N2,       &Recente1, &Recente2, &Recente3,
                       &Recente4, &Recente5, &Recente6, &Recente7, &Recente8, &N3,       &Sair1};
    ShowRecentFiles(*this);
    Editar1.Items = {&Desfazer1, &Refazer1, &Procurar1, &ProcurarSeguinte1, &Substituir1, &Ortografia1};
    Opes1.Items = {&Lingua1, &LetrasMasculas1, &ActivarosAlertas1, &CalcularFPS1, &SincronizarVideo1, &Font1};
    Lingua1.Items = {&Portugus1, &Ingls1, &Danis1, &Espanhol2};
    LetrasMasculas1.Items = {&Uppercase1, &AnsiUppercase1, &Lowercase1, &AnsiLowercase1};
    // Opening, conversion and editing switch the pop-up items by position: the order is fixed.
    PopupMenu1.Name = "PopupMenu1";
    PopupMenu1.Items = {&Novo1, &Abrir1, &Guardar1, &Converter1, &N1, &AlteraNome1, &Eliminar, &Propriedades};

    DefaultButton = &btAbrir;
}
