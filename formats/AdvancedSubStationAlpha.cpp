#include "formats/Importers.h"

#include "document/Chars.h"
#include "formats/EventFormat.h"
#include "formats/ImportSteps.h"

#include <algorithm>
#include <numeric>
#include <string>
#include <string_view>
#include <vector>

// An Advanced SubStation Alpha script: header sections, then event lines
// "Dialogue: Layer,start,end,style,name,marginL,marginR,marginV,effect,text"
// with times "h:mm:ss.cc", in the order the events' "Format:" line names, the
// text always last. The text carries override blocks in braces,
// "\N" and "\n" for line breaks and "\h" for a hard space.

namespace {
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

// Appends the text as a player shows it: override blocks and drawings gone,
// "\N" and "\n" turned into the line separator, "\h" into a space and "\{"
// and "\}" into the braces themselves. A
// "{" without its "}" is plain text. The plain runs between them are copied
// whole.
void AppendShownText(std::string_view text, std::string &shown) {
    bool drawing = false;
    // A "{" after the last "}" is never closed; knowing that spares a search
    // to the end of the text for each of them.
    const auto lastClose = text.rfind('}');
    std::size_t at = 0;
    while (at < text.size()) {
        const auto special = drawing ? text.find('{', at) : text.find_first_of("{\\", at);
        if (!drawing)
            shown.append(text.substr(at, special - at));
        if (special == std::string_view::npos)
            break;
        at = special;
        const char c = text[at];
        const char escape = at + 1 < text.size() ? text[at + 1] : '\0';
        if (c == '{' && lastClose != std::string_view::npos && at < lastClose) {
            const auto close = text.find('}', at);
            drawing = DrawingAfter(text.substr(at + 1, close - at - 1), drawing);
            at = close + 1;
        } else if (drawing) {
            ++at;
        } else if (c == '\\' && (escape == 'N' || escape == 'n')) {
            shown += '|';
            at += 2;
        } else if (c == '\\' && escape == 'h') {
            shown += ' ';
            at += 2;
        } else if (c == '\\' && (escape == '{' || escape == '}')) {
            // "\{" and "\}" are braces that open and close no block.
            shown += escape;
            at += 2;
        } else {
            shown += c;
            ++at;
        }
    }
}

// Players show the events by their start, whatever order the script keeps
// them in: the events after the buffer's first `headerLines` lines are put
// in the order of their `starts`, those that start together as they came.
void PutInStartOrder(TextList &buffer, std::size_t headerLines, const std::vector<int> &starts) {
    std::vector<std::size_t> order(starts.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(),
                     [&starts](std::size_t a, std::size_t b) { return starts[a] < starts[b]; });
    const TextList added = buffer;
    buffer.Clear();
    for (std::size_t line = 0; line < headerLines; ++line)
        buffer.Add(added[line]);
    for (const std::size_t event : order)
        buffer.Add(added[headerLines + event]);
}
} // namespace

void ImportAdvancedSubStationAlpha(ImportContext &ctx, std::string &firstLine, std::string &secondLine,
                                   std::string &formatName) {
    WorkLines &work = ctx.WorkList;
    ctx.Begin(Alert::SameFps, ctx.BoxHeader());

    const Extended fps = ctx.BoxFps();
    const std::size_t headerLines = ctx.ImportBuffer.Count();
    std::vector<int> starts;
    std::string shown;
    EventFormatReader events;
    for (; !work.Empty(); work.DeleteTop()) {
        const std::string_view line = work.Top();
        // Comment lines, styles and the other sections are not shown.
        if (events.See(line) || !CharsAre(line, 1, "Dialogue:"))
            continue;
        const EventFormat &format = events.Format();
        const auto text = AfterCommas(line, format.textCommas);
        if (!text)
            continue;
        shown.clear();
        AppendShownText(*text, shown);
        // CHOICE: an event left without text (a drawing alone) adds nothing.
        if (shown.empty())
            continue;
        if (const auto start = ctx.AddWhenTimesRead(EventField(line, format.start),
                                                    EventField(line, format.end), fps, shown))
            starts.push_back(*start);
    }
    if (!std::is_sorted(starts.begin(), starts.end()))
        PutInStartOrder(ctx.ImportBuffer, headerLines, starts);
    ctx.HandOver(firstLine, secondLine, formatName, "Advanced SubStation Alpha");
}
