#include "cli/CliCommands.h"

#include "cli/CliOutput.h"
#include "cli/CliPlatform.h"
#include "cli/CliSpell.h"
#include "cli/CliSync.h"
#include "cli/CliTools.h"
#include "convert/FitToLimits.h"
#include "convert/OpenSubtitles.h"
#include "convert/RateBatch.h"
#include "convert/SaveInEncoding.h"
#include "convert/SubRipConversion.h"
#include "document/EntryFields.h"
#include "document/Errors.h"
#include "document/MessageTable.h"
#include "document/NumText.h"
#include "document/TextFile.h"
#include "editing/FindReplace.h"
#include "editing/RateBoxText.h"
#include "formats/OutputFormats.h"
#include "formats/SubRipWriter.h"
#include "shell/UserEvent.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <optional>
#include <vector>

namespace {

// One file of the command: where it is read and written, and how it is named in messages.
struct FileJob {
    std::string shownName;             // as typed
    bool fromStandardInput;            // "-"
    std::optional<std::string> target; // standard output when empty
    const OutputFormat *format;
};

// Which subtitle a line of the output shows, for a message.
using SubtitleOfLine = std::function<std::size_t(std::size_t)>;

// The listing of the open command shows a subtitle after the format and rate lines.
std::size_t SubtitleOfListingLine(std::size_t line) {
    return line < 2 ? 0 : line - 1;
}

// A list of entries shows one subtitle per line.
std::size_t SubtitleOfEntryLine(std::size_t line) {
    return line + 1;
}

// The first character of the output that has no place in its encoding,
// named with its subtitle; nothing has been written.
void ReportUnencodable(const FileJob &job, std::size_t subtitle, const TextEncoding &encoding,
                       char32_t character) {
    ReportProblem(job.shownName + ": the character " + CodePointName(character) + " \"" + Utf8Of(character) +
                  "\" of subtitle " + std::to_string(subtitle) + " cannot be written in " + encoding.name +
                  "; nothing was written");
}

void ReportUnencodable(const FileJob &job, const SubtitleOfLine &subtitleOf, const TextEncoding &encoding,
                       const EncodingError &error) {
    ReportUnencodable(job, subtitleOf(error.line), encoding, error.character);
}

// Whether every character of lines the batch will write has a place in the
// encoding; the first that has none is reported.
bool Encodable(const FileJob &job, const TextList &lines, const SubtitleOfLine &subtitleOf,
               const TextEncoding &encoding) {
    try {
        CheckEncodable(lines, encoding);
        return true;
    } catch (const EncodingError &error) {
        ReportUnencodable(job, subtitleOf, encoding, error);
        return false;
    }
}

// Writes the job's file: a character the encoding lacks (an Unencodable) is
// told by `unencodable`, any other failure of the file as the error box tells
// it. False when either was.
template <class Unencodable, class Write, class Tell> bool WriteJobFile(Write write, Tell unencodable) {
    try {
        write();
        return true;
    } catch (const Unencodable &error) {
        unencodable(error);
    } catch (const FileError &error) {
        ReportBox("error", error.what(), "");
    }
    return false;
}

// A failure to write the command's output is reported in the form the
// error box takes. Standard output is checked before it is written, since what went out
// cannot be taken back; a file is refused whole by WriteTextFile.
bool WriteOutput(const FileJob &job, const TextList &lines, std::string_view lineEnd,
                 const SubtitleOfLine &subtitleOf, const TextEncoding &encoding) {
    if (!job.target) {
        if (!Encodable(job, lines, subtitleOf, encoding))
            return false;
        if (WriteLinesToStandardOutput(lines, lineEnd, encoding))
            return true;
        ReportProblem("cannot write to standard output");
        return false;
    }
    return WriteJobFile<EncodingError>(
        [&] { WriteTextFile(*job.target, lines, encoding); },
        [&](const EncodingError &error) { ReportUnencodable(job, subtitleOf, encoding, error); });
}

// The list as the open command shows it, after the format and the rate.
TextList Listing(const OpenedSubtitles &opened) {
    TextList lines;
    lines.Reserve(opened.lines.Count() + 2);
    lines.Add("Format: " + opened.formatName);
    lines.Add("FPS: " + opened.fpsText);
    for (const std::string_view entry : opened.lines)
        lines.Add(entry);
    return lines;
}

// The frame-rate text as leaving the window's box would leave it, when it is
// a two-rate text "a/b"; nothing after a box that says it cannot be used.
std::optional<std::string> WorkedOutRate(const CliOptions &options, CliDialogs &dialogs) {
    if (options.fpsText.find('/') == std::string::npos)
        return options.fpsText;
    std::optional<std::string> worked;
    RunUserEvent(dialogs, [&] {
        if (const std::optional<LeftRate> rate = RateOfBoxText(options.fpsText))
            worked = rate->text;
        else
            dialogs.ShowMessage(MessageText(MessageRow::RateHasErrors, options.language));
    });
    return worked;
}

// Runs one step of the command as the window runs a handler: a failure shows
// the error box. False when it did.
template <class Step> bool RunStep(CliDialogs &dialogs, Step &&step) {
    RunUserEvent(dialogs, step);
    return !dialogs.ErrorShown();
}

// Converts the list into the job's file, written as it is made rather than
// held whole; its failures are told as WriteOutput tells them.
bool SaveConvertedFile(const FileJob &job, const OutputFormat &format, TextList &list,
                       const SubRipRequest &conversion, CliDialogs &dialogs, const TextEncoding &encoding) {
    bool written = false;
    return RunStep(dialogs,
                   [&] {
                       written = WriteJobFile<UnencodableSubtitle>(
                           [&] { SaveListAs(format, list, conversion, dialogs, *job.target, encoding); },
                           [&](const UnencodableSubtitle &error) {
                               ReportUnencodable(job, error.subtitle, encoding, error.character);
                           });
                   }) &&
           written;
}

// The --find texts, compiled once for every file.
struct CompiledReplacement {
    std::string find;
    TextSearch search;
};

// Makes the replacements in order, telling on standard error how many each made.
bool ReplaceTexts(TextList &list, const std::vector<CompiledReplacement> &replacements, CliDialogs &dialogs) {
    for (const CompiledReplacement &replacement : replacements) {
        ReplaceResult result;
        if (!RunStep(dialogs, [&] { result = ReplaceInList(list, replacement.search); }))
            return false;
        list = std::move(result.list);
        const std::string told =
            "replaced: " + std::to_string(result.replaced) + " of \"" + replacement.find + "\"\n";
        std::fputs(told.c_str(), stderr);
    }
    return true;
}

// Opens one file, runs the command's steps and writes the result. Standard
// input, read once, is let go of as soon as it is open, so a large list is
// not held twice while it is converted.
bool RunOne(const CliOptions &options, const std::vector<CompiledReplacement> &replacements,
            const FileJob &job, std::string &standardInput) {
    CliDialogs dialogs(options.answerYes);
    const std::uint8_t language = options.language;
    const std::optional<std::string> fpsText = WorkedOutRate(options, dialogs);
    if (!fpsText)
        return false;

    const int boxesBefore = dialogs.BoxesShown();
    const ReadingOptions reading{options.encoding ? FindEncoding(*options.encoding) : std::nullopt,
                                 LegacyEncodingForLanguage(""), true};
    OpenRequest request{job.fromStandardInput ? "stdin" : job.shownName,
                        std::nullopt,
                        *fpsText,
                        reading,
                        options.alerts,
                        language};
    if (job.fromStandardInput)
        request.bytes = standardInput;
    OpenedSubtitles opened;
    const bool read = RunStep(dialogs, [&] { opened = OpenSubtitles(request, dialogs); });
    if (job.fromStandardInput)
        std::string().swap(standardInput);
    if (!read)
        return false;
    if (opened.outcome != OpenOutcome::Opened) {
        // An empty file opens as nothing, which says nothing; the exit status needs a reason.
        if (dialogs.BoxesShown() == boxesBefore)
            ReportProblem(job.shownName + ": no subtitles in the file");
        return false;
    }
    // A file of a known format may still hold no subtitle the format can
    // read (every time line out of range, say); that is no success either.
    TextList &list = opened.lines;
    // The list as first opened is kept for the window's "Load again"; here it
    // would only hold a second list once fitting changes this one.
    opened.opened.Clear();
    if (list.Empty()) {
        ReportProblem(job.shownName + ": no subtitles in the file");
        return false;
    }
    if (!ReplaceTexts(list, replacements, dialogs))
        return false;
    std::string rateText = opened.fpsText;
    std::string delayText = options.delayText;
    // The entries the window would select on the way have their fields worked
    // out, so that the command fails where the window shows an error box.
    const EntryPointedAt pointedAt = [&](std::size_t entry) {
        WorkOutEntryFields(list[entry], rateText, delayText);
    };
    const std::optional<int> fitLines = FitLineCount(std::to_string(options.lines));
    if (options.fit && fitLines && !RunStep(dialogs, [&] {
            FitListToLimits(list, FitLimits{options.maxLine, options.maxTotal, *fitLines}, dialogs, language,
                            pointedAt);
        }))
        return false;

    TextEncoding chosenEncoding =
        options.outputEncoding ? *FindEncoding(*options.outputEncoding) : opened.encoding.encoding;
    // Text that could not be read goes out as it was read, in UTF-8, when its own encoding cannot hold it.
    if (!options.outputEncoding && opened.invalidCharacters > 0 && !HoldsUnreadText(chosenEncoding)) {
        ReportBox("message", MessageText(MessageRow::WrittenAsUtf8, language) + chosenEncoding.name, "");
        chosenEncoding = Utf8Encoding(true);
    }
    const OutputFormat &format = *job.format;
    const TextEncoding encoding = OutputEncodingOf(format, chosenEncoding);
    switch (options.command) {
    case CliCommand::Open:
        return WriteOutput(job, Listing(opened), "\n", SubtitleOfListingLine, encoding);
    case CliCommand::Sync:
        if (!SyncBoxesToVideo(rateText, delayText, list, *options.videoFile))
            return false;
        [[fallthrough]];
    case CliCommand::Convert: {
        const SubRipRequest conversion{rateText, delayText, true, language, pointedAt};
        if (job.target)
            return SaveConvertedFile(job, format, list, conversion, dialogs, encoding);
        TextList written;
        // The text as the window's save button writes it: CR LF after every line.
        const SubtitleOfLine subtitleOf = [&](std::size_t line) {
            const WriteOptions timing{StrToFloat(rateText), StrToFloat(delayText), language};
            return SubtitleOfOutputLine(format, list, timing, line);
        };
        return RunStep(dialogs, [&] { written = ConvertListTo(format, list, conversion, dialogs); }) &&
               WriteOutput(job, written, "\r\n", subtitleOf, encoding);
    }
    case CliCommand::Spell: {
        const std::optional<TextList> report = SpellReport(list, options.dictionary);
        return report && WriteOutput(job, *report, "\n", SubtitleOfEntryLine, Utf8Encoding());
    }
    case CliCommand::MicroDvd:
        return WriteOutput(job, WrittenLines(format, list, {}), "\r\n", SubtitleOfEntryLine, encoding);
    case CliCommand::Multi: {
        // The batch writes its files itself.
        if (!Encodable(job, list, SubtitleOfEntryLine, encoding))
            return false;
        const RateBatchRequest batch{fitLines,  options.maxLine, options.maxTotal,
                                     delayText, language,        pointedAt};
        return RunStep(dialogs, [&] {
            RunRateBatch(list, batch, dialogs, [&](const std::string &fileName, const TextList &subRip) {
                return SaveInEncoding(fileName, subRip, true, encoding, dialogs, language);
            });
        });
    }
    case CliCommand::AviInfo:
    case CliCommand::Fps:
    case CliCommand::VideoInfo:
    case CliCommand::Formats:
        break; // they open no subtitle file, and ran before it
    }
    return false;
}

// The file a folder receives for one input: its name without folder and
// last extension, with the format's extension. Standard input is "stdin".
std::filesystem::path TargetInFolder(const std::filesystem::path &folder, const std::string &fileName,
                                     const OutputFormat &format) {
    const std::filesystem::path name = fileName == "-" ? "stdin" : std::filesystem::path(fileName).stem();
    return folder / name.string().append(format.extension);
}

// The format the command writes: MicroDVD for microdvd; for convert and
// sync the format named by --to, else the one of -o FILE's extension, else
// SubRip, which is also what multi writes.
const OutputFormat &CommandOutput(const CliOptions &options, bool toFolder) {
    if (options.command == CliCommand::MicroDvd)
        return MicroDvdOutput();
    if (options.command != CliCommand::Convert && options.command != CliCommand::Sync)
        return SubRipOutput();
    if (options.outputKey)
        return *FindOutputFormat(*options.outputKey);
    if (options.outputFile && !toFolder)
        if (const OutputFormat *format = OutputFormatOfFileName(*options.outputFile))
            return *format;
    return SubRipOutput();
}

// Where each file is read and written; nothing for a file that cannot be
// named or whose target would destroy an input or an earlier file's output.
std::vector<std::optional<FileJob>> PlanJobs(const CliOptions &options) {
    namespace fs = std::filesystem;
    std::error_code error;
    const bool toFolder = options.outputFile && options.command != CliCommand::Open &&
                          (options.fileNames.size() > 1 || fs::is_directory(*options.outputFile, error));
    const OutputFormat &format = CommandOutput(options, toFolder);
    std::vector<std::optional<FileJob>> jobs;
    std::vector<fs::path> targets;
    for (const std::string &typed : options.fileNames) {
        std::optional<FileJob> &job = jobs.emplace_back();
        std::optional<std::string> target = options.outputFile;
        if (toFolder)
            target = TargetInFolder(*options.outputFile, typed, format).string();
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
        job = FileJob{typed, typed == "-", target, &format};
    }
    return jobs;
}

} // namespace

int RunCommand(const CliOptions &options) {
    if (options.command == CliCommand::AviInfo)
        return RunAviInfo(options);
    if (options.command == CliCommand::Fps)
        return RunFps(options);
    if (options.command == CliCommand::VideoInfo)
        return RunVideoInfo(options);
    if (options.command == CliCommand::Formats)
        return RunFormats();
    if (options.dictionary && !DictionaryInstalled(*options.dictionary))
        return kExitUsage;
    std::vector<CompiledReplacement> replacements;
    try {
        for (const CliOptions::Replacement &replacement : options.replacements)
            replacements.push_back(
                {replacement.find, TextSearch(replacement.find, *replacement.with, options.findOptions)});
    } catch (const PatternError &error) {
        ReportProblem(error.what());
        return kExitUsage;
    }
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
        const bool done = jobs[i] && RunOne(options, replacements, *jobs[i], standardInput);
        if (!done && jobs.size() > 1)
            ReportProblem(options.fileNames[i] + ": not written; the other files go on");
        allDone = allDone && done;
    }
    return allDone ? kExitDone : kExitFailed;
}
