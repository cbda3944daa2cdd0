#include "formats/Importers.h"

#include "formats/ImportSteps.h"
#include "formats/SamiCues.h"

#include <string>
#include <string_view>
#include <vector>

// A SAMI document: a head, then a body whose SYNC tags give each
// subtitle's start in milliseconds. Files written in the importer's own
// layout put every tag on a line of its own with fixed markers; others are
// read tolerantly.

namespace {
constexpr std::string_view kSyncMark = "   <SYNC START=";
constexpr std::string_view kTextMark = "      <P CLASS=SUBTTL>";
constexpr Extended kMillisecondsPerSecond = 1000;

// The frame of a line "   <SYNC START=1000>": the text after the marker
// without its last character (the ">").
int SyncFrame(const ImportContext &ctx, std::string_view line) {
    std::string_view value = line.substr(line.find(kSyncMark) + kSyncMark.size());
    if (!value.empty())
        value.remove_suffix(1);
    return UnitsToFrame(value, ctx.BoxFps(), kMillisecondsPerSecond);
}

// Every subtitle a SYNC line, a text line, and a clearing pair of the same
// kinds whose SYNC gives the end.
void ReadExactMarkers(ImportContext &ctx) {
    WorkLines &work = ctx.WorkList;
    work.DeleteThrough("<BODY>");

    // NOTE: a subtitle without a SYNC line keeps the start, and one without
    // a clearing SYNC the end, of the subtitle before it.
    int start = 0;
    int end = 0;
    while (work.Count() > 1) {
        if (Holds(work.Top(), kSyncMark))
            start = SyncFrame(ctx, work.TakeTop());
        // A line without the text marker is the text as it stands and stays
        // for the clearing steps below.
        std::string text(work.Top());
        if (const auto mark = text.find(kTextMark); mark != std::string::npos) {
            text.erase(0, mark + kTextMark.size());
            work.DeleteTop();
        }
        // A file that ends after a text line still gives that subtitle.
        if (!work.Empty() && Holds(work.Top(), kSyncMark))
            end = SyncFrame(ctx, work.TakeTop());
        if (!work.Empty())
            work.DeleteTop();
        // NOTE: the end of the body reads as the text of a subtitle and adds nothing.
        if (text != "</BODY>")
            ctx.AddSubtitle(start, end, text);
    }
}

// The lines from the first "<BODY" tag on as one text, line ends kept.
std::string TakeBody(WorkLines &work) {
    std::string body;
    while (!work.Empty() && FindNoCase(work.Top(), "<body") == std::string::npos)
        work.DeleteTop();
    if (work.Empty())
        return body;
    body = std::string_view(work.Top()).substr(FindNoCase(work.Top(), "<body"));
    for (work.DeleteTop(); !work.Empty(); work.DeleteTop()) {
        body += '\n';
        body += work.Top();
    }
    return body;
}

// Each cue starts at its SYNC and ends where the next one starts; the last
// one lasts the default duration. A cue with no text adds nothing.
void ReadTolerantly(ImportContext &ctx) {
    const std::vector<SamiCue> cues = ReadSamiCues(TakeBody(ctx.WorkList));
    std::vector<int> starts;
    starts.reserve(cues.size());
    for (const SamiCue &cue : cues)
        starts.push_back(UnitsToFrame(cue.startText, ctx.BoxFps(), kMillisecondsPerSecond));
    for (std::size_t i = 0; i < cues.size(); ++i)
        if (!cues[i].text.empty())
            ctx.AddSubtitle(starts[i], i + 1 < cues.size() ? starts[i + 1] : starts[i], cues[i].text);
}

bool UsesExactMarkers(const WorkLines &work) {
    return work.AnyLine([](std::string_view line) { return Holds(line, kSyncMark); });
}
} // namespace

void ImportSami(ImportContext &ctx, std::string &firstLine, std::string &secondLine,
                std::string &formatName) {
    ctx.Begin(Alert::FpsInAvi, ctx.BoxHeader());
    // Real files write "<SYNC Start=" and "<P Class=" in other cases and
    // indentations, which the fixed markers never match.
    if (UsesExactMarkers(ctx.WorkList))
        ReadExactMarkers(ctx);
    else
        ReadTolerantly(ctx);
    ctx.HandOver(firstLine, secondLine, formatName, "SAMI Captioning");
}
