#include "shell/Unit1.h"

#include "convert/OpenSubtitles.h"
#include "convert/OpenerSteps.h"
#include "convert/TimingQuestions.h"
#include "document/Errors.h"
#include "document/OwnMessages.h"
#include "document/TextFile.h"
#include "formats/Importers.h"
#include "formats/OpenFilter.h"
#include "formats/SamiCues.h"
#include "shell/RecentFiles.h"

#include <exception>
#include <filesystem>
#include <functional>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>

namespace {

// While a file is open, the status bar's first panel tells how it was read.
std::string &EncodingPanel(TForm1 &form) {
    return form.StatusBar1.Panels.at(0).Text;
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

// What an open leaves in the window: the format, the rate, the lists and
// their timing faults, the second entry shown.
void ShowOpened(TForm1 &form, const OpenedSubtitles &opened) {
    if (opened.outcome == OpenOutcome::Empty) {
        form.btNovoClick();
        return;
    }
    form.CurrentFps = opened.fps;
    form.Combobox2.Text = opened.fpsText;
    form.Formato.Caption = opened.formatName;
    if (opened.outcome == OpenOutcome::Unknown) {
        // A list box whose items are replaced has no selection.
        form.SubtitleList().Assign(opened.lines);
        form.WorkList().Assign(opened.lines);
        form.ListBox1.ItemIndex = -1;
        SetEnabled({&form.SaveFormato, &form.btFormato}, false);
        return;
    }
    form.SubtitleList().Assign(opened.lines);
    form.ImportBuffer().Assign(opened.lines);
    form.WorkList().Assign(opened.lines);
    form.KeptCopy().Assign(opened.opened);
    if (!opened.lines.Empty()) {
        form.ErrorList().Assign(opened.timingFaults);
        form.btAuto.Enabled = !opened.timingFaults.Empty() && !opened.corrected;
    }
    ShowSecondEntry(form);
}

// "Load again": the list as opened back in the list boxes, the memo emptied,
// and the timing faults that findFaults gives for the kept copy's own share.
void LoadKeptCopy(TForm1 &form, const std::function<TextList(const TextList &kept)> &findFaults) {
    const TextList kept = form.KeptCopy();
    TextList faults;
    std::exception_ptr failure;
    try {
        faults = findFaults(kept);
    } catch (const WorkCancelled &) {
        throw;
    } catch (...) {
        failure = std::current_exception();
    }
    form.Memo1.Lines.Clear();
    form.SubtitleList().Assign(kept);
    form.ImportBuffer().Assign(kept);
    if (!kept.Empty()) {
        // An entry whose frames do not convert ends the command with the list
        // loaded and the correction button off.
        form.btAuto.Enabled = false;
        if (failure)
            std::rethrow_exception(failure);
        form.ShowTimingFaults(faults);
    }
    ShowSecondEntry(form);
}

// The file chosen in the open dialog, or named outside it, opens the same way;
// text that came from elsewhere is given as its bytes instead of being read.
// What an opening changes before it reads, put back when the user cancels the reading.
struct BeforeOpening {
    std::string caption;
    std::string fileName;
};

// Every opening starts alike: the format label says "..." until a format is known.
BeforeOpening StartOpening(TForm1 &form) {
    BeforeOpening before{form.Formato.Caption, form.OpenDialog1.FileName};
    form.Formato.Caption = "...";
    form.OpenDialog1.Filter = OpenDialogFilter(form.CurrentLanguage);
    return before;
}

void OpenChosenFile(TForm1 &form, const BeforeOpening &before,
                    std::optional<std::string_view> bytes = std::nullopt) {
    // A named encoding serves this one file.
    const OpenRequest request{form.OpenDialog1.FileName,
                              bytes,
                              form.Combobox2.Text,
                              form.ReadingChoice(),
                              form.ActivarosAlertas1.Checked,
                              form.CurrentLanguage,
                              form.AtrasoEdit.Text};
    form.NamedEncoding.reset();
    // The file is read and imported away from the window's thread; Cancel
    // leaves the window as it was, with the file open before and its changes.
    OpenedSubtitles opened;
    std::exception_ptr failure;
    try {
        form.platform.UI.RunLongWork(
            form.Abrir2.Caption, [&](const WorkProgress &progress, Questions &questions) {
                opened = OpenSubtitles(request, questions, CancellingProgress(progress));
            });
    } catch (const WorkCancelled &) {
        form.Formato.Caption = before.caption;
        form.OpenDialog1.FileName = before.fileName;
        throw;
    } catch (...) {
        failure = std::current_exception();
    }
    // Another file's changes cannot be taken back into this one. NOTE: a file
    // that fails to open leaves the window as if one were open; New clears it.
    form.History.Clear();
    form.OpenDialog1.FilterIndex = 1;
    form.CheckChangedFlag = false;
    SwitchToOpenState(form);
    if (failure)
        std::rethrow_exception(failure);
    form.FileEncoding = opened.encoding;
    EncodingPanel(form) = EncodingStatusText(opened.encoding, form.CurrentLanguage) +
                          SamiClassStatusText(opened.samiClasses, form.CurrentLanguage);
    form.Edit1.Text = FileNameWithoutFolder(form.OpenDialog1.FileName);
    ShowOpened(form, opened);
    RememberOpenedFile(form, form.OpenDialog1.FileName);
}
} // namespace

void TForm1::btAbrirClick() {
    const BeforeOpening before = StartOpening(*this);
    if (!platform.UI.ExecuteOpen(OpenDialog1))
        return;
    OpenChosenFile(*this, before);
}

void TForm1::OpenNamedFile(const std::string &fileName) {
    OpenNamedText(fileName, std::nullopt);
}

void TForm1::OpenNamedText(const std::string &fileName, std::optional<std::string_view> bytes) {
    const BeforeOpening before = StartOpening(*this);
    OpenDialog1.FileName = fileName;
    OpenChosenFile(*this, before, bytes);
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

void TForm1::RelabelEncodingPanel() {
    // The notice shown without a file is the same in every language.
    if (EncodingPanel(*this) != kStatusNotice)
        EncodingPanel(*this) = EncodingStatusText(FileEncoding, CurrentLanguage);
}

void TForm1::btOriginalClick() {
    // The timing of the list as opened is checked away from the window's
    // thread; Cancel leaves the window as it was.
    LoadKeptCopy(*this, [this](const TextList &kept) {
        TextList faults;
        platform.UI.RunLongWork(btOriginal.Hint, [&](const WorkProgress &progress, Questions &) {
            const auto reached = CancellingProgress(progress);
            reached(0);
            faults = TimingFaultsOf(kept);
            reached(100);
        });
        return faults;
    });
}

void TForm1::LoadAgainAtOnce() {
    LoadKeptCopy(*this, TimingFaultsOf);
}

void TForm1::OpenRecentFile(std::size_t index) {
    if (index >= RecentFiles.size())
        return;
    const std::string fileName = RecentFiles[index];
    std::error_code error;
    if (!std::filesystem::exists(std::filesystem::path(fileName), error)) {
        ForgetRecentFile(*this, index);
        platform.UI.ShowMessage(MissingRecentFileText(fileName, CurrentLanguage));
        return;
    }
    FormDragDrop(fileName);
}

void TForm1::ImportSubRip(std::string &firstLine, std::string &secondLine, std::string &formatName) {
    ImportContext context{
        WorkLines(WorkList()),     ImportBuffer(), SubtitleList(), CurrentFps, Combobox2.Text,
        ActivarosAlertas1.Checked, platform.UI,    CurrentLanguage};
    ::ImportSubRip(context, firstLine, secondLine, formatName);
}
