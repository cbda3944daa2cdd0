#pragma once

#include "convert/OutputChoice.h"
#include "document/EncodingChoice.h"
#include "document/MessageTable.h"
#include "document/Numbers.h"
#include "shell/Controls.h"
#include "shell/Platform.h"
#include "shell/UndoHistory.h"
#include "shell/Unit2.h"
#include "shell/WindowPlacement.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class MediaSource;
// The main window as a presentation model: its controls under their own
// names, the shared state, and the handlers grouped by subsystem. Each group
// names the file that defines it. Front ends write user input into the
// controls, call a handler through Run, and then show the controls again.
class TForm1 {
public:
    explicit TForm1(Platform &platform);
    TForm1(const TForm1 &) = delete;
    TForm1 &operator=(const TForm1 &) = delete;

    // The one catch site of a user event: a failure that ends the handler
    // shows the platform's error box and the program goes on.
    void Run(Handler handler);
    // The same for any body a front end makes up of handlers.
    void RunEvent(const std::function<void()> &body);
    // The same for a key handler; key is the key's virtual-key code.
    void Run(KeyHandler handler, int key) {
        if (!handler)
            return;
        keyHandler_ = handler;
        key_ = key;
        Run(&TForm1::RunKeyHandler);
    }
    // The same for a handler given a file named outside the open dialog.
    using FileHandler = void (TForm1::*)(const std::string &fileName);
    void Run(FileHandler handler, const std::string &fileName) {
        fileHandler_ = handler;
        fileName_ = fileName;
        Run(&TForm1::RunFileHandler);
    }

    Platform &platform;
    // The preview window, created hidden with the main window.
    TForm2 Form2;

    // --- Controls (shell/Unit1Layout.cpp gives their design-time state) ---
    Panel Panel1;
    Button btNovo, btAbrir, btAVIInfo, btMax, btConvert, btGravar, btMulti;

    Label FicheiroOrigem, Label1, Label2, Label3, Label4, Label5, Label6;
    Edit Edit1, AtrasoEdit, Edit3, Edit4;
    ComboBox Combobox2, ComboBox3, ComboBox1;
    Button SpeedButton1, SpeedButton2;

    Label Label7, Formato;
    Button SpeedButton4, SpeedButton5, bt_ID, btAuto;

    ListBox ListBox1, ListBox2, ListBox3, ListBox4, ListaErros;
    Memo Memo1;

    Button btOriginal, btEdit, btInsert, btErase, btCopy, btPast, btAnalisar, btSup, btFont, btFormato;
    ComboBox SaveFormato;

    Bevel Bevel3;
    Label txtInicio, txtFim, Label16, Label17;
    Edit Edit5, Edit6, Edit7, Edit12;
    UpDown UpDown1, UpDown2;

    Label Progresso;
    ProgressBar ProgressBar1;
    StatusBar StatusBar1;

    FileDialog OpenDialog1, SaveDialog1, SaveDialog2, OpenDialog2;
    // The video the sync listens to (shell/SyncToVideoCommand.cpp).
    FileDialog VideoDialog;
    FontDialog FontDialog1;

    MenuItem Ficheiro1, Novo2, Abrir2, Gravar1, N2, Sair1;
    // The files last opened, between two separators; hidden when unused.
    MenuItem Recente1, Recente2, Recente3, Recente4, Recente5, Recente6, Recente7, Recente8, N3;
    MenuItem Editar1, Desfazer1, Refazer1;
    MenuItem Procurar1, ProcurarSeguinte1, Substituir1, Ortografia1;
    MenuItem Opes1, Lingua1, Portugus1, Ingls1, Danis1, Espanhol2;
    MenuItem LetrasMasculas1, Uppercase1, AnsiUppercase1, Lowercase1, AnsiLowercase1;
    MenuItem ActivarosAlertas1, CalcularFPS1, SincronizarVideo1, Font1, Converter2;
    Menu MainMenu1;

    MenuItem Novo1, Abrir1, Guardar1, Converter1, N1, AlteraNome1, Eliminar, Propriedades;
    Menu PopupMenu1;

    // Our notice in the status bar's first panel while no file is open.
    static constexpr const char *kStatusNotice = "Subtitles for PC and DVD players";

    // The window's caption, its default button and the control that has the focus.
    std::string Caption;
    Control *DefaultButton = nullptr;
    Control *ActiveControl = nullptr;
    // Set by Sair1Click; the front end then closes the window.
    bool CloseRequested = false;
    // Where the window stands; the front end keeps it and places the window by it.
    WindowPlacement Placement;

    // --- Shared state ---
    std::uint8_t CurrentLanguage = 1;
    int MaxLineLength = 34;
    int MaxTotalLength = 60;
    double CurrentFps = 25.0;
    bool CheckChangedFlag = false;
    bool AnnounceSuccess = true;
    int SelectedStart = 0;
    int SelectedEnd = 0;
    // The FrameLine last copied, reduced to its text at its first paste
    // (shell/ListOperations.cpp); CopiedLineIsText tells which it holds.
    std::string CopiedLine;
    bool CopiedLineIsText = false;
    // The changes of the subtitle list since the file was opened.
    UndoHistory History;

    // --- Text encodings (shell/Opening.cpp reads with them, shell/Saving.cpp writes) ---
    // The desktop's language ("pl_PL"), which the front end names at start;
    // empty on the command line.
    std::string DesktopLanguage;
    // How the open file was read; its encoding is the one saves use by default.
    ChosenEncoding FileEncoding{*FindEncoding("Windows-1252"), EncodingSource::Fallback, 0};
    // The encoding the user named for the next file opened, over detection.
    std::optional<TextEncoding> NamedEncoding;
    // The stored choices: the encoding of saves (none: as read), the code page
    // of files nothing else decides (none: the desktop language's), and detection.
    std::optional<TextEncoding> ChosenOutputEncoding;
    std::optional<TextEncoding> ChosenFallbackEncoding;
    bool DetectEncodings = true;
    ReadingOptions ReadingChoice() const;
    TextEncoding OutputEncoding() const;

    // --- Role names of the working lists ---
    TextList &SubtitleList() { return ListBox1.Items; }
    TextList &ImportBuffer() { return ListBox2.Items; }
    TextList &WorkList() { return ListBox3.Items; }
    TextList &KeptCopy() { return ListBox4.Items; }
    TextList &ErrorList() { return ListaErros.Items; }

    // The MessageTable text of a row in CurrentLanguage.
    const std::string &Message(MessageRow row) const;
    // Moves ProgressBar1 and lets the desktop show it while the handler goes on.
    void MoveProgressBar(int position);

    // --- Start-up and window (shell/Unit1.cpp, shell/Unit1Layout.cpp) ---
    void FormCreate();
    void FormActivate();
    void Sair1Click();

    // --- Window placement (shell/Unit1.cpp over shell/WindowPlacement) ---
    // Read once before the window is first shown; stored when it closes.
    void ReadWindowPlacement();
    void FormClose();

    // --- Settings and receiver profiles (shell/Settings.cpp) ---
    void ReadSettings();
    void ComboBox1Change();
    void Edit3Exit();
    void Edit4Exit();
    void ComboBox3Exit();
    void ActivarosAlertas1Click();
    void Font1Click();

    // --- Interface languages (shell/Languages.cpp) ---
    void ApplyLanguage(std::uint8_t language);
    void Portugus1Click();
    void Ingls1Click();
    void Danis1Click();
    void Espanhol2Click();

    // --- Subtitle list model (shell/ListSelection.cpp) ---
    void ListBox1Click();
    void ListBox1Exit();
    // Selects the entry that work pointed the user at, and shows it.
    void PointAtEntry(std::size_t index);

    // --- Opening (shell/Opening.cpp over convert/OpenSubtitles) ---
    void btAbrirClick();
    void btNovoClick();
    // "Reopen with encoding": the open file (or the one the open dialog
    // gives) read in the named encoding.
    void ReopenWithEncoding(const std::string &encodingName);
    void btOriginalClick();
    // Load again on the window's thread, as leaving a limit field does: a
    // progress bar there would swallow the click that left the field.
    void LoadAgainAtOnce();
    // The status bar's encoding panel in the current language.
    void RelabelEncodingPanel();
    // A file named on the command line or dropped on the window opens as if
    // chosen in the open dialog; a drop while a file is open asks first.
    void OpenNamedFile(const std::string &fileName);
    // Text that came from elsewhere than a file (standard input) opens under
    // the given name as if that file had been chosen in the open dialog;
    // without bytes the named file is read.
    void OpenNamedText(const std::string &fileName, std::optional<std::string_view> bytes);
    void FormDragDrop(const std::string &fileName);

    // --- Recent files (the list kept by shell/RecentFiles.cpp, opened by shell/Opening.cpp) ---
    // The files last opened, the latest first, at most eight; stored in the settings.
    std::vector<std::string> RecentFiles;
    // Opens the index-th recent file as a dropped file; a file gone is taken off the list.
    void OpenRecentFile(std::size_t index);
    // Recente1 to Recente8 open recent files 0 to 7.
    template <std::size_t index> void RecenteClick() { OpenRecentFile(index); }

    // --- Importers (shell/Opening.cpp; each lives in its file in formats/) ---
    void ImportSubRip(std::string &firstLine, std::string &secondLine, std::string &formatName);

    // --- Timing check and correction (shell/Timing.cpp over convert/TimingRules, convert/TimingQuestions)
    // ---
    void CheckTiming();
    // Faults found apart from the list box take its place and set btAuto.
    void ShowTimingFaults(const TextList &faults);
    void CorrectTiming();
    void GoToFirstTimingError();
    // The first of the faults the list box holds selected and told, or the
    // correction offered when it names no entry; nothing without faults.
    void PointAtFirstTimingError();
    void btAutoClick();

    // --- Conversion to SubRip (shell/Conversion.cpp over convert/SubRipConversion) ---
    void btConvertClick();

    // --- Fitting to the player's limits (shell/Fitting.cpp over convert/FitToLimits) ---
    void bt60Max();

    // --- Saving and the multi-rate batch (shell/Saving.cpp, shell/MultiRate.cpp over convert/SaveInEncoding,
    // convert/RateBatch) ---
    void btGravar1Click();
    void btFormatoClick();
    void btMultiClick();
    // Once there is SubRip text the save buttons are on and the title line button off.
    void EnableSaving();
    // The encoding saves use: a name, or "" for the one each file was read in.
    void ChooseOutputEncoding(const std::string &encodingName);
    // Writes lines in the output encoding; a character it lacks is shown and
    // UTF-8 with its mark offered instead. False when nothing was written.
    bool SaveLines(const std::string &fileName, const TextList &lines, bool subRip);
    // Writes the memo as SaveLines does, in the encoding its format allows.
    bool SaveMemo(const std::string &fileName);
    // The format and timing of the memo's text.
    ConvertedMemo MemoOutput;

    // --- Editing the selected subtitle (shell/SubtitleEdit.cpp over document/EntryFields) ---
    void ListBox1DblClick();
    void Edit5Exit();
    void Edit6Exit();
    void UpDown1Click();
    void UpDown2Click();
    void Combobox2Exit();

    // --- List operations (shell/ListOperations.cpp) ---
    void bt_IDClick();
    void btInsertClick();
    void EliminarClick();
    void btCopyClick();
    void btPastClick();
    void Uppercase1Click();
    void AnsiUppercase1Click();
    void Lowercase1Click();
    void AnsiLowercase1Click();
    void ListBox1KeyDown(int key);

    // --- Subtitle properties and statistics (shell/PropertiesBox.cpp over editing/Statistics) ---
    void PropriedadesClick();
    void StatusBar1MouseDown();
    void StatusBar1MouseMove();

    // --- Undo and redo of the subtitle list (shell/UndoRedo.cpp) ---
    void Desfazer1Click();
    void Refazer1Click();
    EditorState EditorStateNow() const;
    void ShowEditorState(const EditorState &state);
    // The two menu items follow what the history holds.
    void ShowHistoryItems();

    // --- Find and replace in the subtitles' text (shell/FindCommands.cpp) ---
    FindDialog FindDialog1;
    void Procurar1Click();
    void ProcurarSeguinte1Click();
    void Substituir1Click();

    // --- The spell check's window (shell/SpellCommands.cpp over editing/SpellSteps) ---
    SpellDialog SpellDialog1;
    // The personal dictionary's word list; none when empty.
    std::string PersonalWordsFile;
    void Ortografia1Click();
    // Closes the running step of the history and opens the next.
    void EndHistoryStep();

    // --- Tools (shell/AviInfo.cpp, shell/FpsCalculatorMenu.cpp, shell/Preview.cpp over tools/) ---
    void btAVIInfoClick();
    void CalcularFPS1Click();
    void SpeedButton1Click();

    // --- Sync to the video (shell/SyncToVideoCommand.cpp over tools/VideoSync) ---
    // The media library the sync reads videos with; the front end names it.
    MediaSource *Media = nullptr;
    void SincronizarVideo1Click();

private:
    void LoadFormDesign();
    void RunKeyHandler() { (this->*keyHandler_)(key_); }
    KeyHandler keyHandler_ = nullptr;
    int key_ = 0;
    void RunFileHandler() { (this->*fileHandler_)(fileName_); }
    FileHandler fileHandler_ = nullptr;
    std::string fileName_;
};
