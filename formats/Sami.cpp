#include "formats/Importers.h"

#include "formats/ImportSteps.h"
#include "formats/SamiCues.h"

#include <string>
#include <string_view>
#include <unordered_set>
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

// The lines before the first "<BODY" tag and from it on, each as one text, line ends kept.
struct SamiParts {
    std::string head;
    std::string body;
};

SamiParts TakeParts(WorkLines &work) {
    SamiParts parts;
    for (; !work.Empty() && FindNoCase(work.Top(), "<body") == std::string::npos; work.DeleteTop()) {
        parts.head += work.Top();
        parts.head += '\n';
    }
    if (work.Empty())
        return parts;
    const std::size_t bodyAt = FindNoCase(work.Top(), "<body");
    parts.head += work.Top().substr(0, bodyAt);
    parts.body = work.Top().substr(bodyAt);
    for (work.DeleteTop(); !work.Empty(); work.DeleteTop()) {
        parts.body += '\n';
        parts.body += work.Top();
    }
    return parts;
}

// The classes the STYLE block defines and the body uses, in the block's order.
std::vector<SamiClass> ClassesInUse(const SamiParts &parts) {
    std::vector<SamiClass> defined = ReadSamiClasses(parts.head);
    // Most files define one class or none; their body is not walked twice.
    if (defined.size() < 2)
        return {};
    std::unordered_set<std::string> unclaimed;
    for (std::string &used : UsedSamiClasses(parts.body))
        unclaimed.insert(std::move(used));
    std::vector<SamiClass> inUse;
    for (SamiClass &oneClass : defined)
        if (unclaimed.erase(AsciiLower(oneClass.selector)) > 0)
            inUse.push_back(std::move(oneClass));
    return inUse;
}

// Each class by its Name, or its selector when it has none.
std::vector<std::string> ClassNames(const std::vector<SamiClass> &classes) {
    std::vector<std::string> names;
    for (const SamiClass &oneClass : classes)
        names.push_back(oneClass.name.empty() ? oneClass.selector : oneClass.name);
    return names;
}

// The class named in the context, or else the one the user picks.
std::size_t ChosenClass(ImportContext &ctx, SamiClassesRead &found) {
    if (ctx.SamiClass.empty()) {
        const std::size_t picked =
            ctx.UI.ChooseItem(ctx.Message(MessageRow::SamiClassQuestion), ClassNames(found.classes));
        return picked < found.classes.size() ? picked : 0;
    }
    std::string_view asked = ctx.SamiClass;
    if (asked.front() == '.')
        asked.remove_prefix(1);
    for (std::size_t i = 0; i < found.classes.size(); ++i)
        if (EqualsNoCase(found.classes[i].selector, AsciiLower(asked)))
            return i;
    found.unknownAsked = true;
    return 0;
}

// Each cue starts at its SYNC and ends where the next one starts; the last
// one lasts the default duration. A cue with no text adds nothing. A file
// with a class per language is read in one of them.
void ReadTolerantly(ImportContext &ctx) {
    const SamiParts parts = TakeParts(ctx.WorkList);
    std::string onlyClass;
    if (std::vector<SamiClass> classes = ClassesInUse(parts); classes.size() > 1) {
        ctx.SamiClasses.classes = std::move(classes);
        ctx.SamiClasses.read = ChosenClass(ctx, ctx.SamiClasses);
        onlyClass = AsciiLower(ctx.SamiClasses.classes[ctx.SamiClasses.read].selector);
    }
    const std::vector<SamiCue> cues = ReadSamiCues(parts.body, onlyClass);
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
