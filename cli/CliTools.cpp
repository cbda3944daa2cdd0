#include "cli/CliTools.h"

#include "cli/CliOutput.h"
#include "cli/ExitCodes.h"
#include "document/NumText.h"
#include "formats/InputFormats.h"
#include "formats/OutputFormats.h"
#include "media/GstMediaSource.h"
#include "tools/AviFile.h"
#include "tools/AviReport.h"
#include "tools/FilmInfo.h"
#include "tools/FpsCalculator.h"

#include <string>
#include <vector>

namespace {

bool PrintLines(const TextList &lines) {
    if (WriteLinesToStandardOutput(lines, "\n", Utf8Encoding()))
        return true;
    ReportProblem("cannot write to standard output");
    return false;
}

// A box's text for a terminal: UTF-8, each of its LF CR line ends one LF.
bool PrintBoxText(const std::string &text) {
    TextList lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find("\n\r", start)) != std::string::npos; start = end + 2)
        lines.Add(text.substr(start, end - start));
    if (start < text.size())
        lines.Add(text.substr(start));
    return PrintLines(lines);
}

} // namespace

int RunAviInfo(const CliOptions &options) {
    TAVIFileInfo info;
    if (ReadAviInfo(options.fileNames.front(), info) != AviReadStatus::Read) {
        ReportBox("message", "No AVI Information", "");
        return kExitFailed;
    }
    return PrintBoxText(AviReport(info)) ? kExitDone : kExitFailed;
}

int RunFps(const CliOptions &options) {
    const FpsCalculation result = CalculateFps(options.fileNames.front());
    if (!result.fps) {
        ReportBox("message", result.error, "");
        return kExitFailed;
    }
    return PrintBoxText(FloatToStr(*result.fps)) ? kExitDone : kExitFailed;
}

int RunVideoInfo(const CliOptions &options) {
    const std::string &fileName = options.fileNames.front();
    GstMediaSource media;
    MediaFacts facts;
    try {
        facts = media.Describe(fileName);
    } catch (const MediaError &error) {
        ReportProblem(error.what());
        return kExitFailed;
    }
    if (!facts.video) {
        ReportProblem(fileName + ": not a video (it holds no moving picture)");
        return kExitFailed;
    }
    TextList lines;
    for (const std::string &line : FilmFactsLines(facts))
        lines.Add(line);
    return PrintLines(lines) ? kExitDone : kExitFailed;
}

int RunFormats() {
    TextList lines;
    lines.Add("Read (key, name, files):");
    for (const InputFormat &format : kInputFormats)
        lines.Add("  " + std::string(format.key) + "\t" + std::string(format.name) + "\t" +
                  std::string(format.patterns));
    lines.Add("Written (key for --to, name, extension):");
    for (const OutputFormat &format : OutputFormats())
        lines.Add("  " + std::string(format.key) + "\t" + std::string(format.name) + "\t" +
                  std::string(format.extension));
    if (WriteLinesToStandardOutput(lines, "\n", Utf8Encoding()))
        return kExitDone;
    ReportProblem("cannot write to standard output");
    return kExitFailed;
}
