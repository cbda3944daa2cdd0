#include "formats/Importers.h"

#include "document/Chars.h"
#include "formats/EventFormat.h"
#include "formats/ImportSteps.h"
#include "formats/SamiCues.h"

#include <algorithm>
#include <string>
#include <string_view>

// A SubStation Alpha script: header sections, then event lines
// "Dialogue: Marked=0,start,end,style,name,marginL,marginR,marginV,effect,text"
// with clock times, in the order the events' "Format:" line names.

namespace {
constexpr std::string_view kEffectMark = "!Effect,";

bool IsEvent(std::string_view line) {
    return CharsAre(line, 1, "Dialogue");
}

// A ".ssa" file may hold an Advanced SubStation Alpha script, which says so
// in its header ("ScriptType: v4.00+") before the first event.
bool IsAdvancedScript(const WorkLines &work) {
    for (std::size_t i = 0; i < work.Count() && !IsEvent(work.Item(i)); ++i) {
        const std::string_view line = work.Item(i);
        if (CharsAre(line, 1, "ScriptType:") && FindNoCase(line, "v4.00+") != std::string_view::npos)
            return true;
    }
    return false;
}

// Some writers fill the effect field with "!Effect"; most leave it empty.
bool FileUsesEffectMark(const WorkLines &work) {
    return work.AnyLine([](std::string_view line) { return IsEvent(line) && Holds(line, kEffectMark); });
}
} // namespace

void ImportSubStationAlpha(ImportContext &ctx, std::string &firstLine, std::string &secondLine,
                           std::string &formatName) {
    WorkLines &work = ctx.WorkList;
    // Handed on before anything is shown, so the alert shows once.
    if (IsAdvancedScript(work)) {
        ImportAdvancedSubStationAlpha(ctx, firstLine, secondLine, formatName);
        return;
    }
    ctx.Begin(Alert::SameFps, ctx.BoxHeader());

    EventFormatReader events;
    while (!work.Empty() && !IsEvent(work.Top())) {
        events.See(work.Top());
        work.DeleteTop();
    }

    const bool usesEffectMark = FileUsesEffectMark(work);
    for (; !work.Empty(); work.DeleteTop()) {
        const std::string_view line = work.Top();
        // CHOICE: comments, styles and empty lines among the events are skipped.
        if (events.See(line) || !IsEvent(line))
            continue;
        const EventFormat &format = events.Format();
        // The fields after the times; an event with fewer fields keeps what is left.
        const std::string_view rest = AfterCommas(line, std::max(format.start, format.end) + 1).value_or("");
        std::string_view text = rest;
        if (!usesEffectMark) {
            text = AfterCommas(line, format.textCommas).value_or(rest);
        } else if (const auto mark = rest.find(kEffectMark); mark != std::string_view::npos) {
            // NOTE: an event of such a file with an empty effect keeps its style,
            // name and margin fields in front of its text.
            text = rest.substr(mark + kEffectMark.size());
        }
        ctx.AddWhenTimesRead(EventField(line, format.start), EventField(line, format.end), ctx.BoxFps(),
                             text);
    }
    ctx.HandOver(firstLine, secondLine, formatName, "SubStation Alpha");
}
