#include "shell/Unit1.h"

#include "document/Chars.h"
#include "document/Errors.h"
#include "document/Markup.h"
#include "document/NumText.h"
#include "document/OpenerMessages.h"
#include "document/OpenerSteps.h"
#include "document/TextFile.h"
#include "formats/ExtensionRules.h"
#include "formats/Importers.h"
#include "formats/OpenFilter.h"
#include "formats/RecognitionRules.h"
#include "shell/RecentFiles.h"

#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

namespace {

// While a file is open, the status bar's first panel tells how it was read.
std::string &EncodingPanel(TForm1 &form) {
    return form.StatusBar1.Panels.at(0).Text;
}

// What of the main window an importer may see.
ImportContext ImportContextOf(TForm1 &form) {
    return ImportContext{WorkLines(form.WorkList()), form.ImportBuffer(),
                         form.SubtitleList(),        form.CurrentFps,
                         form.Combobox2.Text,        form.ActivarosAlertas1.Checked,
                         form.platform.UI,           form.CurrentLanguage};
}

void SetEnabled(std::initializer_list<Control *> controls, bool enabled) {
    for (Control *control : controls)
        control->Enabled = enabled;
}

void SetEnabled(std::initializer_list<MenuItem *> items, bool enabled) {
    for (MenuItem *item : items)
        item->Enabled = enabled;
}

// A file is open from here until New; opening again needs New first.
void SwitchToOpenState(TForm1 &form) {
    SetEnabled({&form.btConvert, &form.btNovo, &form.btOriginal, &form.btEdit, &form.btErase, &form.btInsert,
                &form.btAnalisar, &form.btFormato, &form.SaveFormato, &form.btCopy, &form.btMulti,
                &form.btMax, &form.btGravar, &form.bt_ID, &form.AtrasoEdit},
               true);
    SetEnabled(
        {&form.Converter1, &form.Converter2, &form.Novo1, &form.Novo2, &form.AlteraNome1, &form.Propriedades},
        true);
    form.btAbrir.Enabled = false;
    SetEnabled({&form.Abrir1, &form.Abrir2}, false);
    form.DefaultButton = &form.btMax;
    form.ActiveControl = &form.btMax;
}

// The list from its top, the second entry selected and shown.
// CHOICE: a list of a single entry selects that entry.
void ShowSecondEntry(TForm1 &form) {
    form.ActiveControl = &form.ListBox1;
    form.ListBox1.TopIndex = 0;
    const auto count = form.SubtitleList().Count();
    form.ListBox1.ItemIndex = count >= 2 ? 1 : count == 1 ? 0 : -1;
    form.ListBox1Click();
}

// The frame rate of an FpsHeaderLine goes into the frame-rate box and the
// line leaves the list; a rate that does not convert leaves both as they are.
void TakeFpsHeader(TForm1 &form, WorkLines &work) {
    if (work.Empty() || !IsFpsHeaderLine(work.Top()))
        return;
    if (const auto rate = FpsHeaderRate(work.Top())) {
        form.Combobox2.Text = FloatToStrFixed(*rate, 3);
        work.DeleteTop();
    } else {
        form.platform.UI.ShowMessage(form.Message(MessageRow::FpsError));
    }
}

// The WorkList holds the file's lines: recognise the format, let its
// importer turn them into FrameLines, and show the result.
void OpenLoadedLines(TForm1 &form) {
    WorkLines work(form.WorkList());
    work.DeleteEmptyTop();
    if (work.Empty()) {
        form.btNovoClick();
        return;
    }
    form.CurrentFps = static_cast<double>(StrToFloat(form.Combobox2.Text));

    std::string firstLine = "OK";
    std::string secondLine = "OK";
    std::string formatName;
    ImportContext context = ImportContextOf(form);
    ImportByExtension(context, FileExtension(form.OpenDialog1.FileName), firstLine, secondLine, formatName);
    if (firstLine == "OK") {
        firstLine = work.Item(0);
        if (work.Count() > 1)
            secondLine = work.Item(1);
    }
    ImportByContent(context, firstLine, secondLine, formatName);
    form.Formato.Caption = formatName.empty() ? "MicroDVD" : formatName;

    // A file no importer took is MicroDVD when it starts with "{". An
    // accepted file may have no line at all and then opens empty.
    if (!work.Empty() && CharAt(work.Top(), 1) != '{') {
        // A list box whose items are replaced has no selection.
        form.SubtitleList().Assign(form.WorkList());
        form.ListBox1.ItemIndex = -1;
        form.platform.UI.ShowMessage(form.Message(MessageRow::UnknownFormat));
        form.Formato.Caption = "Unknown";
        SetEnabled({&form.SaveFormato, &form.btFormato}, false);
        return;
    }

    TakeFpsHeader(form, work);
    // NOTE: a last line that is empty stays, and the timing check then
    // reports it as an entry without frames of its own.
    form.WorkList().Assign(WithoutEmptyLines(form.WorkList()));
    form.NormaliseMarkup();
    form.SubtitleList().Assign(form.WorkList());
    form.ImportBuffer().Assign(form.WorkList());
    form.KeptCopy().Assign(form.WorkList());

    form.CheckTiming();
    if (!form.ErrorList().Empty()) {
        form.platform.UI.ShowMessage(form.Message(MessageRow::TimingErrors));
        form.OfferTimingCorrection();
    }
    ShowSecondEntry(form);
}

// The file chosen in the open dialog, or named outside it, opens the same way;
// text that came from elsewhere is given as its bytes instead of being read.
void OpenChosenFile(TForm1 &form, std::optional<std::string_view> bytes = std::nullopt) {
    // Another file's changes cannot be taken back into this one.
    form.History.Clear();
    form.OpenDialog1.FilterIndex = 1;
    form.CheckChangedFlag = false;
    SwitchToOpenState(form);

    // A named encoding serves this one file.
    const ReadingOptions reading = form.ReadingChoice();
    form.NamedEncoding.reset();
    const std::string &fileName = form.OpenDialog1.FileName;
    LoadedText loaded = bytes ? DecodeTextLines(*bytes, reading, fileName) : ReadTextFile(fileName, reading);
    form.FileEncoding = loaded.encoding;
    EncodingPanel(form) = EncodingStatusText(loaded.encoding, form.CurrentLanguage);
    form.WorkList().Assign(loaded.lines);
    // The WorkList alone holds the lines from here, so changing them never copies the file.
    loaded.lines.Clear();
    form.Edit1.Text = FileNameWithoutFolder(form.OpenDialog1.FileName);
    OpenLoadedLines(form);

    // Bytes that do not fit the encoding show as U+FFFD; say how many rather
    // than change the text silently.
    if (loaded.invalidCharacters > 0)
        form.platform.UI.ShowMessage(InvalidCharactersText(loaded.invalidCharacters, form.CurrentLanguage));
    RememberOpenedFile(form, form.OpenDialog1.FileName);
}
} // namespace

void TForm1::btAbrirClick() {
    Formato.Caption = "...";
    OpenDialog1.Filter = OpenDialogFilter(CurrentLanguage);
    if (!platform.UI.ExecuteOpen(OpenDialog1))
        return;
    OpenChosenFile(*this);
}

void TForm1::OpenNamedFile(const std::string &fileName) {
    Formato.Caption = "...";
    OpenDialog1.Filter = OpenDialogFilter(CurrentLanguage);
    OpenDialog1.FileName = fileName;
    OpenChosenFile(*this);
}

void TForm1::OpenNamedText(const std::string &fileName, std::string_view bytes) {
    Formato.Caption = "...";
    OpenDialog1.Filter = OpenDialogFilter(CurrentLanguage);
    OpenDialog1.FileName = fileName;
    OpenChosenFile(*this, bytes);
}

// CHOICE: a file dropped while another is open replaces it only when the
// user agrees, since New would throw away the edits made to the open one.
void TForm1::ReopenWithEncoding(const std::string &encodingName) {
    const std::optional<TextEncoding> named = FindEncoding(encodingName);
    if (!named)
        throw ConvertError("'" + encodingName + "' is not a known encoding");
    const std::string fileName = OpenDialog1.FileName;
    NamedEncoding = named;
    if (fileName.empty()) {
        btAbrirClick();
    } else {
        btNovoClick();
        OpenNamedFile(fileName);
    }
    NamedEncoding.reset();
}

void TForm1::FormDragDrop(const std::string &fileName) {
    if (!btAbrir.Enabled) {
        const std::string question =
            CloseForDroppedFileText(FileNameWithoutFolder(fileName), CurrentLanguage);
        if (!platform.UI.AskYesNo(question, QuestionKind::Confirmation))
            return;
        btNovoClick();
    }
    OpenNamedFile(fileName);
}

void TForm1::btNovoClick() {
    Formato.Caption = "...";
    History.Clear();
    SubtitleList().Clear();
    ListBox1.ItemIndex = -1;
    ImportBuffer().Clear();
    WorkList().Clear();
    Memo1.Lines.Clear();
    OpenDialog1.FileName.clear();
    Edit1.Text.clear();
    EncodingPanel(*this) = kStatusNotice;

    SetEnabled({&btNovo, &btConvert, &btOriginal, &btMax, &bt_ID, &AtrasoEdit, &btGravar, &btEdit, &btErase,
                &btInsert, &btAnalisar, &SaveFormato, &btFormato, &btCopy, &btPast, &btMulti},
               false);
    SetEnabled({&Novo2, &Converter2, &Gravar1}, false);
    // The default moves from btConvert or btMax to btAbrir.
    btAbrir.Enabled = true;
    Abrir2.Enabled = true;
    DefaultButton = &btAbrir;
    ActiveControl = &btAbrir;

    Abrir1.Enabled = true;
    SetEnabled({&Novo1, &Guardar1, &Converter1, &AlteraNome1}, false);
    ProgressBar1.Position = 0;
}

void TForm1::btOriginalClick() {
    Memo1.Lines.Clear();
    SubtitleList().Assign(KeptCopy());
    ImportBuffer().Assign(KeptCopy());
    CheckTiming();
    ShowSecondEntry(*this);
}

void TForm1::NormaliseMarkup() {
    TextList &lines = WorkList();
    for (std::size_t i = 0; i < lines.Count(); ++i) {
        // Lines without markup stay shared with the lists they came from.
        if (HoldsMarkup(lines.Item(i)))
            lines.Set(i, NormaliseMarkupText(std::string(lines.Item(i))));
    }
}

void TForm1::ImportSubRip(std::string &firstLine, std::string &secondLine, std::string &formatName) {
    ImportContext context = ImportContextOf(*this);
    ::ImportSubRip(context, firstLine, secondLine, formatName);
}
