#include "convert/ReceiverProfiles.h"
#include "shell/Unit1.h"
#include "shell/UserEvent.h"
#include "tests/support/FakePlatform.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using K = ControlKind;

class Layout : public testing::Test {
protected:
    FakePlatform fake;
    TForm1 form{fake.platform};
};

struct ControlStart {
    const Control *control;
    const char *name;
    ControlKind kind;
    bool enabled;
    bool visible;
};

// Every control of the window with the state it comes up in.
std::vector<ControlStart> EveryControl(const TForm1 &f) {
    constexpr bool on = true;
    constexpr bool off = false;
    return {
        {&f.Panel1, "Panel1", K::Panel, on, on},
        {&f.btNovo, "btNovo", K::Button, off, on},
        {&f.btAbrir, "btAbrir", K::Button, on, on},
        {&f.btAVIInfo, "btAVIInfo", K::Button, on, on},
        {&f.btMax, "btMax", K::Button, off, on},
        {&f.btConvert, "btConvert", K::Button, off, on},
        {&f.btGravar, "btGravar", K::Button, off, on},
        {&f.btMulti, "btMulti", K::Button, off, on},
        {&f.FicheiroOrigem, "FicheiroOrigem", K::Label, on, on},
        {&f.Edit1, "Edit1", K::Edit, off, on},
        {&f.Label1, "Label1", K::Label, on, on},
        {&f.Combobox2, "Combobox2", K::ComboBox, on, on},
        {&f.SpeedButton2, "SpeedButton2", K::SpeedButton, on, on},
        {&f.Label2, "Label2", K::Label, on, on},
        {&f.AtrasoEdit, "AtrasoEdit", K::Edit, off, on},
        {&f.SpeedButton1, "SpeedButton1", K::Button, on, on},
        {&f.Label3, "Label3", K::Label, on, on},
        {&f.ComboBox3, "ComboBox3", K::ComboBox, on, on},
        {&f.Label4, "Label4", K::Label, on, on},
        {&f.Edit3, "Edit3", K::Edit, on, on},
        {&f.Label5, "Label5", K::Label, on, on},
        {&f.Edit4, "Edit4", K::Edit, on, on},
        {&f.Label6, "Label6", K::Label, on, on},
        {&f.ComboBox1, "ComboBox1", K::ComboBox, on, on},
        {&f.Label7, "Label7", K::Label, on, on},
        {&f.Formato, "Formato", K::Label, on, on},
        {&f.SpeedButton4, "SpeedButton4", K::SpeedButton, on, off},
        {&f.SpeedButton5, "SpeedButton5", K::SpeedButton, on, off},
        {&f.bt_ID, "bt_ID", K::SpeedButton, off, on},
        {&f.btAuto, "btAuto", K::SpeedButton, off, on},
        {&f.ListBox1, "ListBox1", K::ListBox, on, on},
        {&f.ListBox2, "ListBox2", K::ListBox, on, off},
        {&f.ListBox3, "ListBox3", K::ListBox, on, off},
        {&f.ListBox4, "ListBox4", K::ListBox, on, off},
        {&f.ListaErros, "ListaErros", K::ListBox, on, off},
        {&f.Memo1, "Memo1", K::Memo, on, on},
        {&f.btOriginal, "btOriginal", K::SpeedButton, off, on},
        {&f.btEdit, "btEdit", K::SpeedButton, off, on},
        {&f.btInsert, "btInsert", K::SpeedButton, off, on},
        {&f.btErase, "btErase", K::SpeedButton, off, on},
        {&f.btCopy, "btCopy", K::SpeedButton, off, on},
        {&f.btPast, "btPast", K::SpeedButton, off, on},
        {&f.btAnalisar, "btAnalisar", K::SpeedButton, off, on},
        {&f.btSup, "btSup", K::SpeedButton, on, on},
        {&f.btFont, "btFont", K::SpeedButton, on, on},
        {&f.SaveFormato, "SaveFormato", K::ComboBox, off, on},
        {&f.btFormato, "btFormato", K::SpeedButton, off, on},
        {&f.Bevel3, "Bevel3", K::Bevel, on, on},
        {&f.txtInicio, "txtInicio", K::Label, on, on},
        {&f.Edit5, "Edit5", K::Edit, on, on},
        {&f.UpDown1, "UpDown1", K::UpDown, on, on},
        {&f.txtFim, "txtFim", K::Label, on, on},
        {&f.Edit6, "Edit6", K::Edit, on, on},
        {&f.UpDown2, "UpDown2", K::UpDown, on, on},
        {&f.Label16, "Label16", K::Label, on, on},
        {&f.Edit7, "Edit7", K::Edit, off, on},
        {&f.Label17, "Label17", K::Label, on, on},
        {&f.Edit12, "Edit12", K::Edit, off, on},
        {&f.Progresso, "Progresso", K::Label, on, on},
        {&f.ProgressBar1, "ProgressBar1", K::ProgressBar, on, on},
        {&f.StatusBar1, "StatusBar1", K::StatusBar, on, on},
    };
}

TEST_F(Layout, EveryControlComesUpNamedAndInItsStartState) {
    for (const ControlStart &expected : EveryControl(form)) {
        SCOPED_TRACE(expected.name);
        EXPECT_EQ(expected.control->Name, expected.name);
        EXPECT_EQ(expected.control->Kind, expected.kind);
        EXPECT_EQ(expected.control->Enabled, expected.enabled);
        EXPECT_EQ(expected.control->Visible, expected.visible);
    }
    EXPECT_EQ(form.DefaultButton, &form.btAbrir);
    EXPECT_EQ(form.Caption, "Lumavert 4.20");
}

TEST_F(Layout, ControlsSitWhereDesignedWithTheirTexts) {
    struct Placed {
        const Control *control;
        Rect bounds;
        std::string caption;
        std::string hint;
    };
    const Placed placed[] = {
        {&form.Panel1, {0, 0, 464, 53}, "", ""},
        {&form.btMax, {194, 0, 71, 49}, "Limitações", "Limitações para o receptor"},
        {&form.btMulti, {394, 0, 65, 49}, "Multi", ""},
        {&form.AtrasoEdit, {320, 72, 89, 21}, "", " (-) Atraso negativo e (+) Adianto"},
        {&form.SpeedButton1, {412, 56, 48, 54}, "WMP", "Play Windows Media Player"},
        {&form.Edit3, {80, 112, 121, 21}, "", "Tamanho máximo admitido nas linhas"},
        {&form.ComboBox1, {320, 112, 137, 21}, "", "..."},
        {&form.bt_ID, {344, 136, 57, 22}, "DivX", "Put DivX on Startup"},
        {&form.ListBox3, {8, 160, 217, 161}, "", ""},
        {&form.Memo1, {232, 160, 225, 161}, "", ""},
        {&form.btPast, {128, 328, 23, 22}, "", "Past"},
        {&form.SaveFormato, {232, 328, 169, 21}, "", ""},
        {&form.btFormato, {408, 328, 49, 22}, "", ""},
        {&form.UpDown2, {200, 376, 17, 25}, "", ""},
        {&form.ProgressBar1, {64, 412, 393, 9}, "", ""},
        {&form.StatusBar1, {0, 423, 464, 19}, "", ""},
    };
    for (const Placed &expected : placed) {
        SCOPED_TRACE(expected.control->Name);
        EXPECT_EQ(expected.control->Bounds, expected.bounds);
        EXPECT_EQ(expected.control->Caption, expected.caption);
        EXPECT_EQ(expected.control->Hint, expected.hint);
    }
}

// Labels keep their designed corner and take the size of their caption, so
// each one ends before the next thing in its row.
TEST_F(Layout, LabelsFitTheirCaptionBeforeTheirNeighbour) {
    struct Placed {
        const Label *label;
        int left;
        int top;
        std::string caption;
        int nextLeft;
    };
    const Placed labels[] = {
        {&form.FicheiroOrigem, 8, 56, "Nome do Ficheiro", 208},
        {&form.Label1, 208, 56, "Frames por segundo", 320},
        {&form.Label2, 320, 56, "Atraso (segundos)", 412},
        {&form.Label3, 8, 96, "Nº de Linhas", 80},
        {&form.Label4, 80, 96, "Tamanho Máx./ Linha", 208},
        {&form.Label5, 208, 96, "Soma Total", 320},
        {&form.Label6, 320, 96, "DVD Player or PC", 464},
        {&form.Label7, 8, 140, "Original:", 64},
        {&form.Formato, 64, 140, "...", 232},
        {&form.txtInicio, 32, 360, "Inicio", 128},
        {&form.txtFim, 128, 360, "Fim", 260},
        {&form.Label16, 260, 360, "Frames", 358},
        {&form.Label17, 358, 360, "Tempo", 457},
        {&form.Progresso, 8, 408, "Progresso", 64},
    };
    for (const Placed &expected : labels) {
        SCOPED_TRACE(expected.caption);
        const Rect &bounds = expected.label->Bounds;
        EXPECT_EQ(bounds.Left, expected.left);
        EXPECT_EQ(bounds.Top, expected.top);
        EXPECT_EQ(expected.label->Caption, expected.caption);
        EXPECT_TRUE(expected.label->AutoSize);
        EXPECT_GE(bounds.Width, 3 * static_cast<int>(expected.caption.size()));
        EXPECT_LE(bounds.Left + bounds.Width, expected.nextLeft);
        EXPECT_GT(bounds.Height, 0);
    }
}

TEST_F(Layout, OnlyTheFormatLabelsDifferFromTheWindowFont) {
    FontSpec bold = FontSpec{};
    bold.Bold = true;
    FontSpec boldItalicRed = bold;
    boldItalicRed.Italic = true;
    boldItalicRed.Color = 0x0000FF;
    FontSpec boldNavy = bold;
    boldNavy.Color = 0x800000;
    EXPECT_EQ(form.Label7.Font, boldItalicRed);
    EXPECT_EQ(form.Formato.Font, boldNavy);
    for (const ControlStart &other : EveryControl(form)) {
        const bool special = other.control == &form.Label7 || other.control == &form.Formato;
        EXPECT_EQ(other.control->Font == FontSpec{}, !special) << other.name;
    }
    EXPECT_EQ(form.FontDialog1.Font.Name, "MS Sans Serif");
    EXPECT_EQ(form.FontDialog1.Font.Size, 8);
}

TEST_F(Layout, ButtonsAreFlatWhereDesignedAndThreeHintsStayQuiet) {
    const std::vector<const Control *> flat = {
        &form.SpeedButton4, &form.SpeedButton5, &form.bt_ID,   &form.btAuto, &form.btOriginal,
        &form.btEdit,       &form.btInsert,     &form.btErase, &form.btCopy, &form.btPast,
        &form.btAnalisar,   &form.btSup,        &form.btFont};
    const std::vector<const Control *> quiet = {&form.AtrasoEdit, &form.Edit3, &form.Edit4};
    for (const ControlStart &control : EveryControl(form)) {
        const bool isFlat = std::find(flat.begin(), flat.end(), control.control) != flat.end();
        const bool isQuiet = std::find(quiet.begin(), quiet.end(), control.control) != quiet.end();
        EXPECT_EQ(control.control->Flat, isFlat) << control.name;
        EXPECT_EQ(control.control->ShowHint, !isQuiet) << control.name;
    }
}

TEST_F(Layout, ControlsAndMenuItemsRunTheirHandlers) {
    struct Bound {
        const char *what;
        Handler actual;
        Handler expected;
    };
    // The bindings whose handler does not carry the control's own name, and
    // the controls that answer nothing.
    const Bound bound[] = {
        {"btMax", form.btMax.OnClick, &TForm1::bt60Max},
        {"btGravar", form.btGravar.OnClick, &TForm1::btGravar1Click},
        {"Combobox2 exit", form.Combobox2.OnExit, &TForm1::Combobox2Exit},
        {"SpeedButton2", form.SpeedButton2.OnClick, &TForm1::CalcularFPS1Click},
        {"ComboBox3 exit", form.ComboBox3.OnExit, &TForm1::ComboBox3Exit},
        {"Edit4 exit", form.Edit4.OnExit, &TForm1::Edit4Exit},
        {"ComboBox1 change", form.ComboBox1.OnChange, &TForm1::ComboBox1Change},
        {"ComboBox1 exit", form.ComboBox1.OnExit, nullptr},
        {"SpeedButton4", form.SpeedButton4.OnClick, nullptr},
        {"ListBox1 click", form.ListBox1.OnClick, &TForm1::ListBox1Click},
        {"ListBox1 double click", form.ListBox1.OnDblClick, &TForm1::ListBox1DblClick},
        {"ListBox1 exit", form.ListBox1.OnExit, &TForm1::ListBox1Exit},
        {"ListBox2 click", form.ListBox2.OnClick, nullptr},
        {"btEdit", form.btEdit.OnClick, &TForm1::ListBox1DblClick},
        {"btErase", form.btErase.OnClick, &TForm1::EliminarClick},
        {"btAnalisar", form.btAnalisar.OnClick, &TForm1::PropriedadesClick},
        {"btSup", form.btSup.OnClick, &TForm1::Uppercase1Click},
        {"btFont", form.btFont.OnClick, &TForm1::Font1Click},
        {"SaveFormato change", form.SaveFormato.OnChange, nullptr},
        {"Edit6 exit", form.Edit6.OnExit, &TForm1::Edit6Exit},
        {"UpDown1", form.UpDown1.OnClick, &TForm1::UpDown1Click},
        {"Edit7 exit", form.Edit7.OnExit, nullptr},
        {"StatusBar1 mouse down", form.StatusBar1.OnMouseDown, &TForm1::StatusBar1MouseDown},
        {"StatusBar1 mouse move", form.StatusBar1.OnMouseMove, &TForm1::StatusBar1MouseMove},
        {"Novo2", form.Novo2.OnClick, &TForm1::btNovoClick},
        {"Guardar1", form.Guardar1.OnClick, &TForm1::btGravar1Click},
        {"AlteraNome1", form.AlteraNome1.OnClick, &TForm1::ListBox1DblClick},
        {"Converter2", form.Converter2.OnClick, &TForm1::btConvertClick},
        {"Converter1", form.Converter1.OnClick, &TForm1::btConvertClick},
        {"Sair1", form.Sair1.OnClick, &TForm1::Sair1Click},
        {"Recente8", form.Recente8.OnClick, &TForm1::RecenteClick<7>},
        {"Lingua1", form.Lingua1.OnClick, nullptr},
        {"N1", form.N1.OnClick, nullptr},
    };
    for (const Bound &b : bound)
        EXPECT_TRUE(b.actual == b.expected) << b.what;
    EXPECT_TRUE(form.ListBox1.OnKeyDown == &TForm1::ListBox1KeyDown);
    EXPECT_EQ(form.ListBox1.PopupMenu, &form.PopupMenu1);
    EXPECT_EQ(form.ListBox2.PopupMenu, nullptr);
}

TEST_F(Layout, BoxesHoldTheirItemsAndFormCreateSelectsTheDefaults) {
    EXPECT_EQ(form.Combobox2.Items, (TextList{"23,976", "23,978", "24,000", "25,000", "29,700", "30,000",
                                              "23,976/25", "25/23,976"}));
    EXPECT_TRUE(form.Combobox2.Editable);
    EXPECT_EQ(form.Combobox2.ItemIndex, 3);
    EXPECT_EQ(form.Combobox2.Text, "25,000");

    EXPECT_EQ(form.ComboBox3.Items, (TextList{"2", "3"}));
    EXPECT_FALSE(form.ComboBox3.Editable);
    EXPECT_EQ(form.ComboBox3.ItemIndex, -1);
    EXPECT_EQ(form.ComboBox3.Text, "");

    EXPECT_EQ(form.SaveFormato.Items,
              (TextList{"Original to MicroDVD (*.Sub)", "SubRip (*.Srt)", "WebVTT (*.vtt)",
                        "Advanced SubStation Alpha (*.ass)", "SubStation Alpha (*.ssa)", "SAMI (*.smi)",
                        "TTML (*.ttml)", "SubViewer 2.0 (*.sub)", "MPL2 (*.txt)"}));
    EXPECT_FALSE(form.SaveFormato.Editable);
    EXPECT_EQ(form.SaveFormato.ItemIndex, 0);
    EXPECT_EQ(form.SaveFormato.Text, "Original to MicroDVD (*.Sub)");

    ASSERT_EQ(form.ComboBox1.Items.Count(), 176u);
    for (std::size_t i = 0; i < 176; ++i)
        EXPECT_EQ(form.ComboBox1.Items[i], ReceiverProfileNames()[i]) << i;
    EXPECT_FALSE(form.ComboBox1.Editable);
    EXPECT_EQ(form.ComboBox1.ItemIndex, 0);
    EXPECT_EQ(form.ComboBox1.Text, "Firmware Brenwic");

    EXPECT_EQ(form.AtrasoEdit.Text, "0");
    EXPECT_EQ(form.Edit3.Text, "34");
    EXPECT_EQ(form.Edit4.Text, "60");
    for (const Edit *empty : {&form.Edit1, &form.Edit5, &form.Edit6, &form.Edit7, &form.Edit12})
        EXPECT_EQ(empty->Text, "") << empty->Name;
    for (const ListBox *list :
         {&form.ListBox1, &form.ListBox2, &form.ListBox3, &form.ListBox4, &form.ListaErros}) {
        EXPECT_TRUE(list->Items.Empty()) << list->Name;
        EXPECT_EQ(list->ItemHeight, 13);
    }
    EXPECT_TRUE(form.Memo1.Lines.Empty());
    EXPECT_TRUE(form.Memo1.VerticalScrollBar);

    EXPECT_EQ(form.MaxLineLength, 34);
    EXPECT_EQ(form.MaxTotalLength, 60);
    EXPECT_EQ(form.CurrentFps, 25.0);
    EXPECT_FALSE(form.CheckChangedFlag);
    EXPECT_TRUE(form.AnnounceSuccess);
    EXPECT_EQ(form.CurrentLanguage, 1);
}

// Selecting the defaults runs no change handler: nothing is stored and no box appears.
TEST_F(Layout, CreatingTheWindowTouchesNoSettingsAndShowsNothing) {
    EXPECT_TRUE(fake.settings.writes.empty());
    EXPECT_TRUE(fake.settings.keys.empty());
    EXPECT_TRUE(fake.dialogs.Boxes().empty());
}

TEST_F(Layout, RangesPanelsAndDialogs) {
    for (const UpDown *upDown : {&form.UpDown1, &form.UpDown2}) {
        EXPECT_EQ(upDown->Min, -32000);
        EXPECT_EQ(upDown->Max, 32000);
        EXPECT_EQ(upDown->Position, 0);
        EXPECT_FALSE(upDown->Wrap);
    }
    EXPECT_EQ(form.ProgressBar1.Min, 0);
    EXPECT_EQ(form.ProgressBar1.Max, 100);
    EXPECT_EQ(form.ProgressBar1.Position, 0);

    ASSERT_EQ(form.StatusBar1.Panels.size(), 3u);
    const int widths[] = {180, 100, 50};
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(form.StatusBar1.Panels[i].Width, widths[i]);
        EXPECT_TRUE(form.StatusBar1.Panels[i].Centered);
        EXPECT_FALSE(form.StatusBar1.Panels[i].Text.empty());
    }
    EXPECT_EQ(form.StatusBar1.Panels[1].Text, "Versão 4.20");

    struct Dialog {
        const FileDialog *dialog;
        const char *name;
        const char *title;
        const char *filter;
        const char *defaultExt;
        bool overwritePrompt;
        bool hideReadOnly;
    };
    const Dialog dialogs[] = {
        {&form.OpenDialog1, "OpenDialog1", "Abrir Legenda", "", "*.sub", false, false},
        {&form.SaveDialog1, "SaveDialog1", "Gravar ficheiro Srt", "Subrip (Srt)|*.srt", "*.srt", false,
         false},
        {&form.SaveDialog2, "SaveDialog2", "", "MicroDVD (*.sub)|*.sub", "*.sub", true, true},
        {&form.OpenDialog2, "OpenDialog2", "", "DivX, XviD, AVI|*.avi|All Files|*.*", "*.avi", false, false},
    };
    for (const Dialog &expected : dialogs) {
        SCOPED_TRACE(expected.name);
        EXPECT_EQ(expected.dialog->Name, expected.name);
        EXPECT_EQ(expected.dialog->Title, expected.title);
        EXPECT_EQ(expected.dialog->Filter, expected.filter);
        EXPECT_EQ(expected.dialog->DefaultExt, expected.defaultExt);
        EXPECT_EQ(expected.dialog->OverwritePrompt, expected.overwritePrompt);
        EXPECT_EQ(expected.dialog->HideReadOnly, expected.hideReadOnly);
    }
}

// The menu tree as one line per item: depth, name, caption, shortcut and
// start state.
void Outline(const std::vector<MenuItem *> &items, int depth, std::vector<std::string> &lines) {
    for (const MenuItem *item : items) {
        std::string line =
            std::string(static_cast<std::size_t>(2 * depth), ' ') + item->Name + " \"" + item->Caption + "\"";
        if (!item->ShortCut.empty())
            line += " " + item->ShortCut;
        if (!item->Enabled)
            line += " off";
        if (item->Checked)
            line += " checked";
        if (!item->Visible)
            line += " hidden";
        lines.push_back(line);
        Outline(item->Items, depth + 1, lines);
    }
}

TEST_F(Layout, MainMenuTreeWithCaptionsShortcutsAndStates) {
    std::vector<std::string> lines;
    Outline(form.MainMenu1.Items, 0, lines);
    const std::vector<std::string> expected = {
        "Ficheiro1 \"&Ficheiro\"",
        "  Novo2 \"Novo\" Ctrl+N off",
        "  Abrir2 \"Abrir\" Ctrl+A",
        "  Gravar1 \"Gravar\" off",
        "  N2 \"-\"",
        "  Recente1 \"\" hidden",
        "  Recente2 \"\" hidden",
        "  Recente3 \"\" hidden",
        "  Recente4 \"\" hidden",
        "  Recente5 \"\" hidden",
        "  Recente6 \"\" hidden",
        "  Recente7 \"\" hidden",
        "  Recente8 \"\" hidden",
        "  N3 \"-\" hidden",
        "  Sair1 \"Sair\"",
        "Editar1 \"&Editar\"",
        "  Desfazer1 \"Desfazer\" Ctrl+Z off",
        "  Refazer1 \"Refazer\" Ctrl+Y; Ctrl+Shift+Z off",
        "  Procurar1 \"Procurar...\" Ctrl+F",
        "  ProcurarSeguinte1 \"Procurar seguinte\" F3",
        "  Substituir1 \"Substituir...\" Ctrl+H",
        "  Ortografia1 \"Ortografia...\" F7",
        "Opes1 \"Opções\"",
        "  Lingua1 \"Lingua\"",
        "    Portugus1 \"Português\" checked",
        "    Ingls1 \"English\"",
        "    Danis1 \"Danish\"",
        "    Espanhol2 \"Espanhol\"",
        "  LetrasMasculas1 \"Letras Maiúsculas\"",
        "    Uppercase1 \"Uppercase\"",
        "    AnsiUppercase1 \"AnsiUppercase\"",
        "    Lowercase1 \"Lowercase\"",
        "    AnsiLowercase1 \"AnsiLowercase\"",
        "  ActivarosAlertas1 \"Activar os Alertas\" checked",
        "  CalcularFPS1 \"Calcular FPS\" Ctrl+C",
        "  SincronizarVideo1 \"Sincronizar com o vídeo\"",
        "  Font1 \"Font\" Ctrl+F",
        "Converter2 \"Converter\"",
    };
    EXPECT_EQ(lines, expected);
    EXPECT_EQ(form.MainMenu1.Name, "MainMenu1");
    EXPECT_TRUE(form.N2.IsSeparator());
}

TEST_F(Layout, PopupMenuKeepsItsOrder) {
    std::vector<std::string> lines;
    Outline(form.PopupMenu1.Items, 0, lines);
    const std::vector<std::string> expected = {
        "Novo1 \"Novo\" off",
        "Abrir1 \"Abrir\"",
        "Guardar1 \"Guardar\" off",
        "Converter1 \"Converter\" off",
        "N1 \"-\"",
        "AlteraNome1 \"Altera Nome\" off",
        "Eliminar \"Eliminar\" off",
        "Propriedades \"Propriedades\" off",
    };
    EXPECT_EQ(lines, expected);
    EXPECT_TRUE(form.PopupMenu1.Items[4]->IsSeparator());
}

TEST_F(Layout, AFailingHandlerShowsTheErrorBoxAndTheProgramGoesOn) {
    fake.dialogs.AllowErrors();
    form.ListBox1.Items = TextList{"{a}{b}text"};
    form.ListBox1.ItemIndex = 0;
    form.Run(form.ListBox1.OnClick);
    ASSERT_EQ(fake.dialogs.Errors().size(), 1u);
    EXPECT_NE(fake.dialogs.Errors()[0].find("'a'"), std::string::npos) << fake.dialogs.Errors()[0];

    form.Run(form.Sair1.OnClick);
    EXPECT_TRUE(form.CloseRequested);
    EXPECT_EQ(fake.dialogs.Boxes().size(), 1u);
}

// Whatever a handler throws ends there with its message in the error box.
TEST_F(Layout, AnyFailureOfAUserEventEndsInTheErrorBox) {
    fake.dialogs.AllowErrors();
    const std::vector<std::function<void()>> failures{
        [] { throw ConvertError("'x' is not a valid integer value"); },
        [] { throw std::runtime_error("table entry missing"); },
        [] {
            throw std::filesystem::filesystem_error("cannot read", std::filesystem::path("/gone"),
                                                    std::make_error_code(std::errc::permission_denied));
        },
        [] { throw std::bad_alloc(); },
    };
    const std::vector<std::string> expected{"'x' is not a valid integer value", "table entry missing",
                                            "/gone", "Out of memory"};
    for (const auto &failure : failures)
        RunUserEvent(fake.platform.UI, failure);
    ASSERT_EQ(fake.dialogs.Errors().size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i)
        EXPECT_NE(fake.dialogs.Errors()[i].find(expected[i]), std::string::npos) << fake.dialogs.Errors()[i];
}

TEST_F(Layout, RunningAControlWithoutAHandlerDoesNothing) {
    form.Run(form.SpeedButton4.OnClick);
    form.Run(form.N1.OnClick);
    EXPECT_TRUE(fake.dialogs.Boxes().empty());
}

} // namespace
