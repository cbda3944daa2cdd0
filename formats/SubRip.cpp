#include "formats/Importers.h"

#include "document/Errors.h"
#include "document/FrameLine.h"
#include "document/NumText.h"
#include "formats/ImportSteps.h"
#include "formats/SubRipTimes.h"

#include <optional>
#include <string_view>

// A SubRip file is a sequence of blocks: a number line, a time line
// "hh:mm:ss,mmm --> hh:mm:ss,mmm", one or more text lines and an empty line.
// Players also read blocks without their number line. A block whose time
// line does not read is left out and counted.

namespace {

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
    return LooksLikeSubRipTimeLine(work.Item(at)) || (at + 1 < work.Count() && IsNumberLine(work.Item(at)) &&
                                                      LooksLikeSubRipTimeLine(work.Item(at + 1)));
}

// After an empty line, the next block's number followed by text is a block
// that lost its time line.
bool StartsBlockWithoutTime(const WorkLines &work, std::size_t at, int nextNumber) {
    return at + 1 < work.Count() && TryStrToInt(work.Item(at)) == nextNumber && !work.Item(at + 1).empty();
}

// The text lines of one block joined with "|". Players end a block at an
// empty line only when a new block or the end of the file follows, so empty
// lines before more text stay in the text as empty lines. The block also
// ends before a new block when its closing empty line is missing. The last line
// of the file always belongs to the block before it.
std::string TakeBlockText(WorkLines &work, int nextNumber) {
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
            if (next == work.Count() || StartsBlock(work, next) ||
                StartsBlockWithoutTime(work, next, nextNumber))
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
    if (work.Count() < 2 || !(LooksLikeSubRipTimeLine(work.Item(0)) ||
                              (TryStrToInt(work.Item(0)) && LooksLikeSubRipTimeLine(work.Item(1)))))
        return;

    ctx.Begin(Alert::SameFps, ctx.ValueHeader());

    bool checkNumbering = true;
    int blockCounter = 0;
    std::string numberLine;
    std::string timeLine;
    // A block without a number starts at its time line; one of a time
    // line and a text line can only be the last.
    while (work.Count() > 2 || (work.Count() == 2 && LooksLikeSubRipTimeLine(work.Top()))) {
        work.DeleteEmptyTop();
        if (work.Empty())
            break;
        if (LooksLikeSubRipTimeLine(work.Top()))
            numberLine.clear();
        else
            work.TakeTop(numberLine);
        work.DeleteEmptyTop();
        if (work.Empty())
            break;
        work.TakeTop(timeLine);
        const std::optional<SubRipTimes> times = ReadSubRipTimes(timeLine, ctx.CurrentFps);

        if (checkNumbering && times && !numberLine.empty()) {
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

        if (!times) {
            ++ctx.LeftOut;
            TakeBlockText(work, blockCounter + 1);
            continue;
        }
        int end = 0;
        try {
            end = ApplyDefaultDuration(times->start, times->end);
        } catch (const LumavertError &) {
            ctx.UI.ShowMessage(ctx.Message(MessageRow::SubtitleError) + IntToStr(blockCounter));
            return;
        }

        // A block that cannot be assembled is reported with its number line
        // and left out; the blocks after it still import.
        try {
            ctx.ImportBuffer.Add(FrameLine(times->start, end, TakeBlockText(work, blockCounter + 1)));
        } catch (const LumavertError &) {
            ctx.UI.ShowMessage(ctx.Message(MessageRow::SubtitleError) + IntToStr(blockCounter) + "\n\r" +
                               "String: " + numberLine);
        }
    }
    ctx.HandOver(firstLine, secondLine, formatName, "SubRip");
}
