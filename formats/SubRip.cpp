#include "formats/Importers.h"

#include "document/Chars.h"
#include "document/Errors.h"
#include "document/FrameLine.h"
#include "document/Legendas.h"
#include "document/NumText.h"
#include "formats/ImportSteps.h"

#include <string_view>

// A SubRip file is a sequence of blocks: a number line, a time line
// "hh:mm:ss,mmm --> hh:mm:ss,mmm", one or more text lines and an empty line.
// Players also read blocks without their number line.

namespace {

// The arrow of a SubRip time line stands at characters 14 to 16; this one
// test tells a time line from any other line.
bool IsTimeLine(std::string_view line) {
    return CharsAre(line, 14, "-->");
}

// The first line at or after `from` that is not empty; Count() when none is.
std::size_t NextNonEmpty(const WorkLines &work, std::size_t from) {
    while (from < work.Count() && work.Item(from).empty())
        ++from;
    return from;
}

// Digits, with blanks around them as some writers leave them.
bool IsNumberLine(std::string_view line) {
    const auto first = line.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return false;
    const auto last = line.find_last_not_of(" \t");
    return line.substr(first, last - first + 1).find_first_not_of("0123456789") == std::string_view::npos;
}

// A new block starts at a time line, or at its number followed by one.
bool StartsBlock(const WorkLines &work, std::size_t at) {
    return IsTimeLine(work.Item(at)) ||
           (at + 1 < work.Count() && IsNumberLine(work.Item(at)) && IsTimeLine(work.Item(at + 1)));
}

// The text lines of one block joined with "|". Players end a block at an
// empty line only when a new block or the end of the file follows, so empty
// lines before more text stay in the text as empty lines. The block also
// ends before a new block when its closing empty line is missing. The last line
// of the file always belongs to the block before it.
std::string TakeBlockText(WorkLines &work) {
    std::string text;
    const auto takeTop = [&] {
        AppendTextLine(text, work.Top());
        work.DeleteTop();
    };
    if (work.Count() <= 1) {
        if (!work.Empty())
            takeTop();
        return text;
    }
    while (work.Count() > 1) {
        if (work.Top().empty()) {
            const std::size_t next = NextNonEmpty(work, 0);
            if (next == work.Count() || StartsBlock(work, next))
                break;
            for (std::size_t line = 0; line < next; ++line)
                takeTop();
            continue;
        }
        if (StartsBlock(work, 0))
            break;
        takeTop();
    }
    if (work.Count() == 1 && !work.Top().empty())
        takeTop();
    return text;
}
} // namespace

void ImportSubRip(ImportContext &ctx, std::string &firstLine, std::string &secondLine,
                  std::string &formatName) {
    WorkLines &work = ctx.WorkList;
    // CHOICE: a file of a single line declines rather than failing on the
    // missing second line.
    if (work.Count() < 2 ||
        !(IsTimeLine(work.Item(0)) || (TryStrToInt(work.Item(0)) && IsTimeLine(work.Item(1)))))
        return;

    ctx.Begin(Alert::SameFps, ctx.ValueHeader());

    bool checkNumbering = true;
    int blockCounter = 0;
    // NOTE: a block whose time line lost its arrow keeps the frames of the block before it.
    int start = 0;
    int end = 0;
    std::string numberLine;
    std::string timeLine;
    // A block without a number starts at its time line; one of a time
    // line and a text line can only be the last.
    while (work.Count() > 2 || (work.Count() == 2 && IsTimeLine(work.Top()))) {
        work.DeleteEmptyTop();
        if (work.Empty())
            break;
        if (IsTimeLine(work.Top()))
            numberLine.clear();
        else
            work.TakeTop(numberLine);
        work.DeleteEmptyTop();
        if (work.Empty())
            break;
        work.TakeTop(timeLine);

        if (checkNumbering && IsTimeLine(timeLine) && !numberLine.empty()) {
            const auto number = TryStrToInt(numberLine);
            if (number && *number != blockCounter + 1) {
                // No stops the import where it stands: nothing is handed over.
                if (!ctx.UI.AskYesNo(ctx.Message(MessageRow::NumberingError), QuestionKind::Warning))
                    return;
                if (ctx.UI.AskYesNo(ctx.Message(MessageRow::IgnoreNumbering), QuestionKind::Warning))
                    checkNumbering = false;
            }
        }
        ++blockCounter;

        if (IsTimeLine(timeLine)) {
            // Characters after the end time (display coordinates) are ignored.
            try {
                start = TimeToFrames(Chars(timeLine, 1, 12), ctx.CurrentFps);
                end = ApplyDefaultDuration(start, TimeToFrames(Chars(timeLine, 18, 29), ctx.CurrentFps));
            } catch (const LumavertError &) {
                ctx.UI.ShowMessage(ctx.Message(MessageRow::SubtitleError) + IntToStr(blockCounter));
                return;
            }
        }

        // A block that cannot be assembled is reported with its number line
        // and left out; the blocks after it still import.
        try {
            ctx.ImportBuffer.Add(FrameLine(start, end, TakeBlockText(work)));
        } catch (const LumavertError &) {
            ctx.UI.ShowMessage(ctx.Message(MessageRow::SubtitleError) + IntToStr(blockCounter) + "\n\r" +
                               "String: " + numberLine);
        }
    }
    ctx.HandOver(firstLine, secondLine, formatName, "SubRip");
}
