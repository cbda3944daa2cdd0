#include "cli/CliCommands.h"

#include "cli/CliOutput.h"
#include "cli/CliPlatform.h"
#include "cli/CliSettings.h"
#include "cli/CliSync.h"
#include "cli/CliTools.h"
#include "convert/OutputFormats.h"
#include "convert/SubRipWriter.h"
#include "document/Errors.h"
#include "document/TextFile.h"
#include "shell/QuietDesktop.h"
#include "shell/SettingsNames.h"
#include "shell/Unit1.h"

#include <algorithm>
#include <filesystem>
#include <optional>
#include <vector>

namespace {

// The opener leaves "..." when nothing was opened and "Unknown" when no
// format took the file.
bool OpenedInKnownFormat(const TForm1 &form) {
    return form.Formato.Caption != "..." && form.Formato.Caption != "Unknown";
}

// One file of the command: where it is read and written, and how it is named in messages.
struct FileJob {
    std::string shownName;             // as typed
    bool fromStandardInput;            // "-"
    std::optional<std::string> target; // standard output when empty
};

// Which subtitle a line of the output shows, for a message.
enum class OutputLines { Listing, SubRip, Entries };

std::size_t SubtitleOfLine(const TextList &lines, std::size_t line, OutputLines kind) {
    switch (kind) {
    case OutputLines::Listing:
        return line < 2 ? 0 : line - 1; // after the format and rate lines
    case OutputLines::SubRip:
        return SubRipSubtitleOf(lines, line);
    case OutputLines::Entries:
        break;
    }
    return line + 1;
}

// The first character of the output that has no place in its encoding,
// named with its subtitle; nothing has been written.
void ReportUnencodable(const FileJob &job, const TextList &lines, OutputLines kind,
                       const TextEncoding &encoding, const EncodingError &error) {
    ReportProblem(job.shownName + ": the character " + CodePointName(error.character) + " \"" +
                  Utf8Of(error.character) + "\" of subtitle " +
                  std::to_string(SubtitleOfLine(lines, error.line, kind)) + " cannot be written in " +
                  encoding.name + "; nothing was written");
}

// Whether every character of lines the window's handlers will write has a
// place in the encoding; the first that has none is reported.
bool Encodable(const FileJob &job, const TextList &lines, OutputLines kind, const TextEncoding &encoding) {
    try {
        CheckEncodable(lines, encoding);
        return true;
    } catch (const EncodingError &error) {
        ReportUnencodable(job, lines, kind, encoding, error);
        return false;
    }
}

// The command line's own output is not an event of the window, so a failure
// to write it is reported here, in the form Run gives a handler's failure.
// Standard output is checked before it is written, since what went out
// cannot be taken back; a file is refused whole by WriteTextFile.
bool WriteOutput(const FileJob &job, const TextList &lines, std::string_view lineEnd, OutputLines kind,
                 const TextEncoding &encoding) {
    if (!job.target) {
        if (!Encodable(job, lines, kind, encoding))
            return false;
        if (WriteLinesToStandardOutput(lines, lineEnd, encoding))
            return true;
        ReportProblem("cannot write to standard output");
        return false;
    }
    try {
        WriteTextFile(*job.target, lines, encoding);
        return true;
    } catch (const EncodingError &error) {
        ReportUnencodable(job, lines, kind, encoding, error);
    } catch (const FileError &error) {
        ReportBox("error", error.what(), "");
    }
    return false;
}

TextList Listing(TForm1 &form) {
    TextList lines;
    lines.Reserve(form.SubtitleList().Count() + 2);
    lines.Add("Format: " + form.Formato.Caption);
    lines.Add("FPS: " + form.Combobox2.Text);
    for (const std::string_view entry : form.SubtitleList())
        lines.Add(entry);
    return lines;
}

// Opens one file in a window model of its own, runs the command's handlers
// and writes the result. Standard input, read once, is let go of as soon as
// it is open, so a large list is not held twice while it is converted.
bool RunOne(const CliOptions &options, const FileJob &job, std::string &standardInput) {
    // The stored settings of a user who chose this language, alert switch and limits:
    // activation reads them as the window does, and every other value gets
    // its default written and read back.
    CliSettings settings({{kLanguageValue, int{options.language}},
                          {kAlertsValue, options.alerts ? 1 : 0},
                          {kLineCountValue, options.lines},
                          {kMaxLineValue, options.maxLine},
                          {kMaxSumValue, options.maxTotal}});
    CliDialogs dialogs(options.answerYes, job.shownName);
    // Nothing the command line runs starts another program or plays a video.
    NoLauncher launcher;
    NoPlayer player;
    Platform platform{dialogs, settings, launcher, player};
    TForm1 form(platform);
    // CHOICE: the window activates again after every box it shows; here it
    // activates once, since reading the same in-memory settings again would
    // change nothing the commands use.
    form.Run(&TForm1::FormActivate);
    form.NamedEncoding = options.encoding ? FindEncoding(*options.encoding) : std::nullopt;
    form.ChosenOutputEncoding = options.outputEncoding ? FindEncoding(*options.outputEncoding) : std::nullopt;

    form.Combobox2.Text = options.fpsText;
    // A two-rate text "a/b" is worked out as leaving the box does; any box
    // it shows reports a rate that cannot be used.
    if (options.fpsText.find('/') != std::string::npos) {
        const int boxesBeforeRate = dialogs.BoxesShown();
        form.Run(&TForm1::Combobox2Exit);
        if (dialogs.BoxesShown() != boxesBeforeRate)
            return false;
    }
    const int boxesBefore = dialogs.BoxesShown();
    if (job.fromStandardInput) {
        form.RunEvent([&] { form.OpenNamedText("stdin", standardInput); });
        std::string().swap(standardInput);
    } else {
        form.Run(&TForm1::btAbrirClick);
    }
    if (dialogs.ErrorShown())
        return false;
    if (!OpenedInKnownFormat(form)) {
        // An empty file is handled as New, which says nothing; the exit status needs a reason.
        if (dialogs.BoxesShown() == boxesBefore)
            ReportProblem(job.shownName + ": no subtitles in the file");
        return false;
    }
    // A file of a known format may still hold no subtitle the format can
    // read (every time line out of range, say); that is no success either.
    if (form.SubtitleList().Empty()) {
        ReportProblem(job.shownName + ": no subtitles in the file");
        return false;
    }
    // The delay field takes input only once a file is open; typed earlier, a
    // fractional delay would end the opener where it shows the second entry.
    form.AtrasoEdit.Text = options.delayText;
    if (options.fit) {
        form.Run(&TForm1::bt60Max);
        if (dialogs.ErrorShown())
            return false;
    }

    const TextEncoding encoding = form.OutputEncoding();
    switch (options.command) {
    case CliCommand::Open: {
        const TextList listing = Listing(form);
        return WriteOutput(job, listing, "\n", OutputLines::Listing, encoding);
    }
    case CliCommand::Sync:
        if (!SyncBoxesToVideo(form, *options.videoFile))
            return false;
        [[fallthrough]];
    case CliCommand::Convert:
        form.Run(&TForm1::btConvertClick);
        // The SubRip text as the window's save button writes it: CR LF after every line.
        return !dialogs.ErrorShown() &&
               WriteOutput(job, form.Memo1.Lines, "\r\n", OutputLines::SubRip, encoding);
    case CliCommand::MicroDvd:
        return WriteOutput(job, MicroDvdOutput().write(form.SubtitleList(), {}), "\r\n", OutputLines::Entries,
                           encoding);
    case CliCommand::Multi:
        // The batch writes its files itself; a pass that fails shows an error box.
        if (!Encodable(job, form.SubtitleList(), OutputLines::Entries, encoding))
            return false;
        form.Run(&TForm1::btMultiClick);
        return !dialogs.ErrorShown();
    case CliCommand::AviInfo:
    case CliCommand::Fps:
        break; // they open no subtitle file, and ran before it
    }
    return false;
}

// The file a folder receives for one input: its name without folder and
// last extension, with the command's extension. Standard input is "stdin".
std::filesystem::path TargetInFolder(const std::filesystem::path &folder, const std::string &fileName,
                                     CliCommand command) {
    const std::filesystem::path name = fileName == "-" ? "stdin" : std::filesystem::path(fileName).stem();
    const OutputFormat &format = command == CliCommand::MicroDvd ? MicroDvdOutput() : SubRipOutput();
    return folder / name.string().append(format.extension);
}

// Where each file is read and written; nothing for a file that cannot be
// named or whose target would destroy an input or an earlier file's output.
std::vector<std::optional<FileJob>> PlanJobs(const CliOptions &options) {
    namespace fs = std::filesystem;
    std::error_code error;
    const bool toFolder = options.outputFile && options.command != CliCommand::Open &&
                          (options.fileNames.size() > 1 || fs::is_directory(*options.outputFile, error));
    std::vector<std::optional<FileJob>> jobs;
    std::vector<fs::path> targets;
    for (const std::string &typed : options.fileNames) {
        std::optional<FileJob> &job = jobs.emplace_back();
        std::optional<std::string> target = options.outputFile;
        if (toFolder)
            target = TargetInFolder(*options.outputFile, typed, options.command).string();
        if (target) {
            // CHOICE: a name made for the folder never replaces its own input,
            // nor what an earlier file of the same call wrote.
            const fs::path path = fs::absolute(*target, error).lexically_normal();
            const auto isInput = [&](const std::string &input) {
                return input != "-" && fs::equivalent(input, path, error);
            };
            if (toFolder && std::any_of(options.fileNames.begin(), options.fileNames.end(), isInput)) {
                ReportProblem(typed + ": " + *target + " is one of the files read");
                continue;
            }
            if (std::find(targets.begin(), targets.end(), path) != targets.end()) {
                ReportProblem(typed + ": " + *target + " is written already by an earlier file");
                continue;
            }
            targets.push_back(path);
        }
        job = FileJob{typed, typed == "-", target};
    }
    return jobs;
}

} // namespace

int RunCommand(const CliOptions &options) {
    if (options.command == CliCommand::AviInfo)
        return RunAviInfo(options);
    if (options.command == CliCommand::Fps)
        return RunFps(options);
    // Standard input is read whole before any file is opened; the opener
    // takes its bytes under the name "stdin".
    std::string standardInput;
    if (std::find(options.fileNames.begin(), options.fileNames.end(), "-") != options.fileNames.end()) {
        std::optional<std::string> bytes = ReadStandardInput();
        if (!bytes) {
            ReportProblem("cannot read standard input");
            return kExitFailed;
        }
        standardInput = std::move(*bytes);
    }
    for (const std::optional<std::string> &name : {options.encoding, options.outputEncoding}) {
        if (name && !FindEncoding(*name)) {
            ReportProblem("unknown encoding '" + *name + "'");
            return kExitFailed;
        }
    }
    const std::vector<std::optional<FileJob>> jobs = PlanJobs(options);
    bool allDone = true;
    for (std::size_t i = 0; i < jobs.size(); ++i) {
        const bool done = jobs[i] && RunOne(options, *jobs[i], standardInput);
        if (!done && jobs.size() > 1)
            ReportProblem(options.fileNames[i] + ": not written; the other files go on");
        allDone = allDone && done;
    }
    return allDone ? kExitDone : kExitFailed;
}
