#include "cli/CliCommands.h"

#include "cli/CliOutput.h"
#include "cli/CliPlatform.h"
#include "cli/CliSettings.h"
#include "cli/CliTools.h"
#include "document/Errors.h"
#include "document/TextFile.h"
#include "shell/SettingsNames.h"
#include "shell/Unit1.h"

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <vector>

namespace {

// The opener leaves "..." when nothing was opened and "Unknown" when no
// format took the file.
bool OpenedInKnownFormat(const TForm1 &form) {
    return form.Formato.Caption != "..." && form.Formato.Caption != "Unknown";
}

// A private folder for a file that the window writes before it goes to
// standard output; removed with everything in it.
class TemporaryFolder {
public:
    TemporaryFolder() {
        std::error_code error;
        const std::filesystem::path base = std::filesystem::temp_directory_path(error);
        if (error)
            return;
        std::string pattern = (base / "lumavert-cli-XXXXXX").string();
        if (mkdtemp(pattern.data()) != nullptr)
            path_ = pattern;
    }
    ~TemporaryFolder() {
        std::error_code ignored;
        if (!path_.empty())
            std::filesystem::remove_all(path_, ignored);
    }
    TemporaryFolder(const TemporaryFolder &) = delete;
    TemporaryFolder &operator=(const TemporaryFolder &) = delete;

    // Empty when the folder could not be made.
    const std::string &Path() const { return path_; }

private:
    std::string path_;
};

// The command line's own output is not an event of the window, so a failure
// to write it is reported here, in the form Run gives a handler's failure.
bool WriteOutput(const CliOptions &options, const TextList &lines, std::string_view lineEnd) {
    if (!options.outputFile) {
        if (WriteLinesToStandardOutput(lines, lineEnd))
            return true;
        ReportProblem("cannot write to standard output");
        return false;
    }
    try {
        WriteTextFile(*options.outputFile, lines);
        return true;
    } catch (const FileError &error) {
        ReportBox("error", error.what(), "");
        return false;
    }
}

TextList Listing(TForm1 &form) {
    std::vector<std::string> lines;
    lines.reserve(form.SubtitleList().Count() + 2);
    lines.push_back("Format: " + form.Formato.Caption);
    lines.push_back("FPS: " + form.Combobox2.Text);
    for (const std::string &entry : form.SubtitleList())
        lines.push_back(entry);
    return TextList(std::move(lines));
}

// Saves through the window's format button with its first item, "Original to
// MicroDVD", so the file is exactly the one the window writes.
bool SaveMicroDvd(TForm1 &form, CliDialogs &dialogs, const CliOptions &options) {
    std::optional<TemporaryFolder> folder;
    std::string target;
    if (options.outputFile) {
        target = *options.outputFile;
    } else {
        folder.emplace();
        if (folder->Path().empty()) {
            ReportProblem("cannot create a temporary folder");
            return false;
        }
        target = folder->Path() + "/list.sub";
    }
    form.SaveFormato.ItemIndex = 0;
    form.SaveFormato.Text = form.SaveFormato.Items[0];
    dialogs.SetSaveTarget(target);
    const int boxesBefore = dialogs.BoxesShown();
    form.Run(&TForm1::btFormatoClick);
    dialogs.SetSaveTarget(std::nullopt);
    // This save shows nothing when it succeeds, so any box reports a failure.
    if (dialogs.BoxesShown() != boxesBefore)
        return false;
    if (options.outputFile || CopyFileToStandardOutput(target))
        return true;
    ReportProblem("cannot write to standard output");
    return false;
}

} // namespace

int RunCommand(const CliOptions &options) {
    if (options.command == CliCommand::AviInfo)
        return RunAviInfo(options);
    if (options.command == CliCommand::Fps)
        return RunFps(options);
    // The stored settings of a user who chose this language, alert switch and limits:
    // activation reads them as the window does, and every other value gets
    // its default written and read back.
    CliSettings settings({{kLanguageValue, int{options.language}},
                          {kAlertsValue, options.alerts ? 1 : 0},
                          {kLineCountValue, options.lines},
                          {kMaxLineValue, options.maxLine},
                          {kMaxSumValue, options.maxTotal}});
    CliDialogs dialogs(options.answerYes, options.fileName);
    CliLauncher launcher;
    CliPlayer player;
    Platform platform{dialogs, settings, launcher, player};
    // NOTE: the window model is never destroyed. The process ends right after
    // the command, and freeing a converted list of a million subtitles string
    // by string costs more than writing it.
    TForm1 &form = *new TForm1(platform);
    // CHOICE: the window activates again after every box it shows; here it
    // activates once, since reading the same in-memory settings again would
    // change nothing the commands use.
    form.Run(&TForm1::FormActivate);

    form.Combobox2.Text = options.fpsText;
    // A two-rate text "a/b" is worked out as leaving the box does; any box
    // it shows reports a rate that cannot be used.
    if (options.fpsText.find('/') != std::string::npos) {
        const int boxesBeforeRate = dialogs.BoxesShown();
        form.Run(&TForm1::Combobox2Exit);
        if (dialogs.BoxesShown() != boxesBeforeRate)
            return kExitFailed;
    }
    const int boxesBefore = dialogs.BoxesShown();
    form.Run(&TForm1::btAbrirClick);
    if (dialogs.ErrorShown())
        return kExitFailed;
    if (!OpenedInKnownFormat(form)) {
        // An empty file is handled as New, which says nothing; the exit status needs a reason.
        if (dialogs.BoxesShown() == boxesBefore)
            ReportProblem(options.fileName + ": no subtitles in the file");
        return kExitFailed;
    }
    // The delay field takes input only once a file is open; typed earlier, a
    // fractional delay would end the opener where it shows the second entry.
    form.AtrasoEdit.Text = options.delayText;
    if (options.fit) {
        form.Run(&TForm1::bt60Max);
        if (dialogs.ErrorShown())
            return kExitFailed;
    }

    bool written = false;
    switch (options.command) {
    case CliCommand::Open:
        written = WriteOutput(options, Listing(form), "\n");
        break;
    case CliCommand::Convert:
        form.Run(&TForm1::btConvertClick);
        if (dialogs.ErrorShown())
            return kExitFailed;
        // The SubRip text as the window's save button writes it: CR LF after every line.
        written = WriteOutput(options, form.Memo1.Lines, "\r\n");
        break;
    case CliCommand::MicroDvd:
        written = SaveMicroDvd(form, dialogs, options);
        break;
    case CliCommand::Multi:
        // The batch writes its files itself; a pass that fails shows an error box.
        form.Run(&TForm1::btMultiClick);
        written = !dialogs.ErrorShown();
        break;
    case CliCommand::AviInfo:
    case CliCommand::Fps:
        break; // they open no subtitle file, and ran before it
    }
    return written ? kExitDone : kExitFailed;
}
