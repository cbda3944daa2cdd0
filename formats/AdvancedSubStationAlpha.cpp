#include "formats/Importers.h"

#include "document/Chars.h"
#include "document/FrameLine.h"
#include "document/Legendas.h"
#include "formats/ImportSteps.h"

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

// An Advanced SubStation Alpha script: header sections, then event lines
// "Dialogue: Layer,start,end,style,name,marginL,marginR,marginV,effect,text"
// with times "h:mm:ss.cc". The text carries override blocks in braces,
// "\N" and "\n" for line breaks and "\h" for a hard space.

namespace {
// Commas before the text of an event: layer, start, end, style, name, three
// margins and effect each end at one.
constexpr int kFieldCommas = 9;

struct Event {
    int start;
    int end;
    std::string text;
};

// An override block "{\p1}" starts drawing commands and "{\p0}" ends them;
// "\pos" and "\pbo" are other tags. Returns the drawing state after the block.
bool DrawingAfter(std::string_view block, bool drawing) {
    for (auto at = block.find("\\p"); at != std::string_view::npos; at = block.find("\\p", at + 2)) {
        const auto digits = block.substr(at + 2);
        const auto length = std::min(digits.find_first_not_of("0123456789"), digits.size());
        if (length > 0)
            drawing = digits.substr(0, length).find_first_not_of('0') != std::string_view::npos;
    }
    return drawing;
}

// The text as a player shows it: override blocks and drawings gone, "\N"
// and "\n" turned into the line separator and "\h" into a space. A "{"
// without its "}" is plain text.
std::string ShownText(std::string_view text) {
    std::string shown;
    bool drawing = false;
    // A "{" after the last "}" is never closed; knowing that spares a search
    // to the end of the text for each of them.
    const auto lastClose = text.rfind('}');
    for (std::size_t at = 0; at < text.size(); ++at) {
        const char c = text[at];
        if (c == '{' && lastClose != std::string_view::npos && at < lastClose) {
            const auto close = text.find('}', at);
            drawing = DrawingAfter(text.substr(at + 1, close - at - 1), drawing);
            at = close;
            continue;
        }
        if (drawing)
            continue;
        const auto escape = CharAt(text.substr(at), 2);
        if (c == '\\' && (escape == 'N' || escape == 'n')) {
            shown += '|';
            ++at;
        } else if (c == '\\' && escape == 'h') {
            shown += ' ';
            ++at;
        } else {
            shown += c;
        }
    }
    return shown;
}

// The field between commas `index` and `index` + 1 (the first one ends at comma 1).
std::string_view Field(std::string_view fields, int index) {
    for (; index > 0; --index)
        fields = AfterFirst(fields, ',');
    return fields.substr(0, fields.find(','));
}
} // namespace

void ImportAdvancedSubStationAlpha(ImportContext &ctx, std::string &firstLine, std::string &secondLine,
                                   std::string &formatName) {
    WorkLines &work = ctx.WorkList;
    ctx.Begin(Alert::SameFps, ctx.BoxHeader());

    const Extended fps = ctx.BoxFps();
    std::vector<Event> events;
    for (; !work.Empty(); work.DeleteTop()) {
        const std::string_view line = work.Top();
        // Comment lines, styles and the other sections are not shown.
        if (!CharsAre(line, 1, "Dialogue:"))
            continue;
        const auto text = AfterCommas(line, kFieldCommas);
        if (!text)
            continue;
        std::string shown = ShownText(*text);
        // CHOICE: an event left without text (a drawing alone) adds nothing.
        if (shown.empty())
            continue;
        const std::string_view fields = AfterFirst(line, ':');
        const int start = TimeToFrames(Field(fields, 1), fps);
        events.push_back(
            {start, ApplyDefaultDuration(start, TimeToFrames(Field(fields, 2), fps)), std::move(shown)});
    }
    // Players show the events by their start, whatever order the script keeps them in.
    std::stable_sort(events.begin(), events.end(),
                     [](const Event &a, const Event &b) { return a.start < b.start; });
    for (const Event &event : events)
        ctx.ImportBuffer.Add(FrameLine(event.start, event.end, event.text));
    ctx.HandOver(firstLine, secondLine, formatName, "Advanced SubStation Alpha");
}
