// A user at the main window, driven by the input bytes: files written into a
// scratch folder, then a sequence of handlers (open, fit, convert, save into
// the scratch folder, every editing handler, the tools, a new list) with
// texts typed into the edits and combo boxes and answers to every question,
// input box and file dialog. A failure that Run turns into the error box is
// an allowed outcome; a crash, a sanitizer finding or an exception that
// escapes Run is not.
//
// Choices are read from the end of the input, texts and file contents from
// its front, so a subtitle file used as a seed opens much as it is.

#include "document/Errors.h"
#include "shell/QuietDesktop.h"
#include "shell/Unit1.h"
#include "shell/Unit2.h"
#include "tests/support/MemorySettings.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <system_error>
#include <unistd.h>
#include <variant>
#include <vector>

namespace {

namespace fs = std::filesystem;

class Script {
public:
    Script(const std::uint8_t *data, std::size_t size) : data_(data), front_(0), back_(size) {}

    bool Done() const { return front_ >= back_; }
    // A choice in [0, count); 0 once the input is used up.
    unsigned Choose(unsigned count) {
        unsigned value = 0;
        for (unsigned range = 1; range < count && front_ < back_; range <<= 8)
            value = (value << 8) | data_[--back_];
        return count == 0 ? 0 : value % count;
    }
    bool Flip() { return Choose(2) == 1; }
    std::string Bytes(std::size_t length) {
        const std::size_t taken = std::min(length, back_ - front_);
        std::string bytes(reinterpret_cast<const char *>(data_ + front_), taken);
        front_ += taken;
        return bytes;
    }
    // A typed text: usually short, now and then long.
    std::string Text() { return Bytes(Flip() ? Choose(16) : Choose(4096)); }

private:
    const std::uint8_t *data_;
    std::size_t front_, back_;
};

constexpr std::array<const char *, 11> kExtensions = {".srt", ".stl", ".mpl", ".ssa", ".son", ".psb",
                                                      ".sbt", ".txt", ".sub", ".avi", ""};

class ScriptedDesktop : public Dialogs {
public:
    ScriptedDesktop(Script &script, const fs::path &folder) : script_(script), folder_(folder) {}

    // A file of the scratch folder: one written so far, or a new name there.
    std::string File() {
        const unsigned pick = script_.Choose(static_cast<unsigned>(files_.size()) + 1);
        if (pick < files_.size())
            return files_[pick];
        files_.push_back((folder_ / ("file" + std::to_string(files_.size()) +
                                     kExtensions[script_.Choose(kExtensions.size())]))
                             .string());
        return files_.back();
    }
    void ShowMessage(const std::string &) override {}
    bool AskYesNo(const std::string &, QuestionKind) override { return script_.Flip(); }
    bool InputQuery(const std::string &, const std::string &, std::string &value) override {
        if (script_.Choose(4) == 0)
            return false;
        if (script_.Flip())
            value = script_.Text();
        return true;
    }
    bool ExecuteOpen(FileDialog &dialog) override { return Choose(dialog); }
    bool ExecuteSave(FileDialog &dialog) override { return Choose(dialog); }
    bool ExecuteFont(FontDialog &) override { return script_.Flip(); }
    void ShowError(const std::string &) override {}
    // The user plays, stops and jumps between subtitles a few times, then closes the window.
    void ShowPreview(TForm2 &window) override {
        constexpr std::array<Form2Handler, 4> kActions = {&TForm2::btPlayClick, &TForm2::btStopClick,
                                                          &TForm2::btNextClick, &TForm2::btPreviousClick};
        while (script_.Flip())
            window.Run(kActions[script_.Choose(static_cast<unsigned>(kActions.size()))]);
        window.Run(&TForm2::FormClose);
    }

private:
    // One of the scratch files, a new name there, the folder itself, or Cancel.
    bool Choose(FileDialog &dialog) {
        switch (script_.Choose(4)) {
        case 0:
            return false;
        case 1:
            dialog.FileName = (folder_ / "folder").string();
            break;
        default:
            dialog.FileName = File();
        }
        dialog.FilterIndex = static_cast<int>(script_.Choose(8));
        return true;
    }

    Script &script_;
    fs::path folder_;
    std::vector<std::string> files_;
};

constexpr std::array<Handler, 46> kHandlers = {
    &TForm1::btAbrirClick,
    &TForm1::btNovoClick,
    &TForm1::btOriginalClick,
    &TForm1::CheckTiming,
    &TForm1::CorrectTiming,
    &TForm1::GoToFirstTimingError,
    &TForm1::btAutoClick,
    &TForm1::btConvertClick,
    &TForm1::bt60Max,
    &TForm1::btGravar1Click,
    &TForm1::btFormatoClick,
    &TForm1::btMultiClick,
    &TForm1::ListBox1DblClick,
    &TForm1::Edit5Exit,
    &TForm1::Edit6Exit,
    &TForm1::UpDown1Click,
    &TForm1::UpDown2Click,
    &TForm1::Combobox2Exit,
    &TForm1::bt_IDClick,
    &TForm1::btInsertClick,
    &TForm1::EliminarClick,
    &TForm1::btCopyClick,
    &TForm1::btPastClick,
    &TForm1::Uppercase1Click,
    &TForm1::AnsiUppercase1Click,
    &TForm1::Lowercase1Click,
    &TForm1::AnsiLowercase1Click,
    &TForm1::PropriedadesClick,
    &TForm1::StatusBar1MouseDown,
    &TForm1::StatusBar1MouseMove,
    &TForm1::btAVIInfoClick,
    &TForm1::CalcularFPS1Click,
    &TForm1::SpeedButton1Click,
    &TForm1::ListBox1Click,
    &TForm1::ListBox1Exit,
    &TForm1::ComboBox1Change,
    &TForm1::Edit3Exit,
    &TForm1::Edit4Exit,
    &TForm1::ComboBox3Exit,
    &TForm1::ActivarosAlertas1Click,
    &TForm1::Font1Click,
    &TForm1::FormActivate,
    &TForm1::Portugus1Click,
    &TForm1::Ingls1Click,
    &TForm1::Danis1Click,
    &TForm1::Espanhol2Click,
};

constexpr std::array<int, 8> kKeys = {46, 45, 13, 67, 86, 38, 40, 0};

// Selects an entry of a combo box as its drop-down does.
void Select(ComboBox &box, Script &script) {
    const std::size_t count = box.Items.Count();
    const unsigned pick = script.Choose(static_cast<unsigned>(count));
    if (pick < count) {
        box.ItemIndex = static_cast<int>(pick);
        box.Text = box.Items[pick];
    }
}

void Act(TForm1 &form, Script &script, ScriptedDesktop &desktop) {
    const std::array<Edit *, 7> edits = {&form.Edit1, &form.AtrasoEdit, &form.Edit3, &form.Edit4,
                                         &form.Edit5, &form.Edit6,      &form.Edit7};
    switch (script.Choose(8)) {
    case 0:
        edits[script.Choose(edits.size())]->Text = script.Text();
        return;
    case 1:
        (script.Flip() ? form.Combobox2 : form.ComboBox3).Text = script.Text();
        return;
    case 2:
        Select(script.Flip() ? form.ComboBox1 : (script.Flip() ? form.SaveFormato : form.Combobox2), script);
        return;
    case 3:
        form.ListBox1.ItemIndex =
            static_cast<int>(script.Choose(static_cast<unsigned>(form.SubtitleList().Count() + 1))) - 1;
        form.StatusBar1.MouseX = static_cast<int>(script.Choose(1000));
        form.StatusBar1.LeftButton = script.Flip();
        return;
    case 4:
        form.Run(&TForm1::ListBox1KeyDown, kKeys[script.Choose(kKeys.size())]);
        return;
    case 5:
        form.Run(&TForm1::FormDragDrop, desktop.File());
        return;
    case 6:
        form.ActivarosAlertas1.Checked = script.Flip();
        form.CurrentLanguage = static_cast<std::uint8_t>(1 + script.Choose(4));
        return;
    default:
        form.Run(kHandlers[script.Choose(kHandlers.size())]);
    }
}

// The scratch folder, made once and removed at exit: removing and making it
// again for every input costs more than most inputs' handlers. What an
// input left there is removed before the next one.
class ScratchFolder {
public:
    ScratchFolder()
        : path_(fs::temp_directory_path() / ("lumavert-actions-fuzz-" + std::to_string(::getpid()))) {
        fs::remove_all(path_);
        fs::create_directories(path_);
    }
    ~ScratchFolder() {
        std::error_code ignored;
        fs::remove_all(path_, ignored);
    }
    const fs::path &Emptied() const {
        for (const fs::directory_entry &entry : fs::directory_iterator(path_))
            if (entry.path().filename() != "folder")
                fs::remove_all(entry.path());
        // The folder a file dialog may point at.
        fs::create_directory(path_ / "folder");
        return path_;
    }

private:
    fs::path path_;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    static const ScratchFolder scratch;
    const fs::path &folder = scratch.Emptied();

    Script script(data, size);
    ScriptedDesktop desktop(script, folder);
    for (unsigned file = 0, files = 1 + script.Choose(3); file < files; ++file) {
        const std::string bytes = script.Bytes(script.Flip() ? size : script.Choose(65536));
        std::ofstream(desktop.File(), std::ios::binary).write(bytes.data(), static_cast<long>(bytes.size()));
    }

    MemorySettings store;
    NoLauncher launcher;
    NoPlayer player;
    Platform platform{desktop, store, launcher, player};
    TForm1 form(platform);
    // The multi-rate batch writes into the working folder.
    const fs::path working = fs::current_path();
    fs::current_path(folder);
    form.Run(&TForm1::FormActivate);
    for (unsigned step = 0; step < 64 && !script.Done(); ++step)
        Act(form, script, desktop);
    fs::current_path(working);
    return 0;
}
