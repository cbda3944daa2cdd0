#include "formats/SubRipBlocks.h"

#include "document/Errors.h"
#include "document/FrameLine.h"
#include "document/NumText.h"
#include "formats/ImportSteps.h"
#include "formats/SubRipTimes.h"

#include <optional>
#include <string_view>

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

BlockRead SubRipBlockReader::Next(ImportContext *ctx) {
    // A block without a number starts at its time line; one of a time line
    // and a text line can only be the last.
    if (!(work_.Count() > 2 || (work_.Count() == 2 && LooksLikeSubRipTimeLine(work_.Top()))))
        return BlockRead::Ended;
    work_.DeleteEmptyTop();
    if (work_.Empty())
        return BlockRead::Ended;
    if (LooksLikeSubRipTimeLine(work_.Top()))
        numberLine_.clear();
    else
        work_.TakeTop(numberLine_);
    work_.DeleteEmptyTop();
    if (work_.Empty())
        return BlockRead::Ended;
    work_.TakeTop(timeLine_);
    const std::optional<SubRipTimes> times = ReadSubRipTimes(timeLine_, fps_);

    if (checkNumbering && times && !numberLine_.empty()) {
        const auto number = TryStrToInt(numberLine_);
        if (number && *number != counter + 1) {
            if (!ctx)
                return BlockRead::NeedsUser;
            // No stops the import where it stands: nothing is handed over.
            if (!ctx->UI.AskYesNo(ctx->Message(MessageRow::NumberingError), QuestionKind::Warning))
                return BlockRead::Stopped;
            if (ctx->UI.AskYesNo(ctx->Message(MessageRow::IgnoreNumbering), QuestionKind::Warning))
                checkNumbering = false;
        }
    }
    ++counter;

    if (!times) {
        ++leftOut;
        TakeBlockText(work_, counter + 1);
        return BlockRead::Read;
    }
    int end = 0;
    try {
        end = ApplyDefaultDuration(times->start, times->end);
    } catch (const LumavertError &) {
        if (!ctx)
            return BlockRead::NeedsUser;
        ctx->UI.ShowMessage(ctx->Message(MessageRow::SubtitleError) + IntToStr(counter));
        return BlockRead::Stopped;
    }

    // A block that cannot be assembled is reported with its number line
    // and left out; the blocks after it still import.
    try {
        read_.Add(FrameLine(times->start, end, TakeBlockText(work_, counter + 1)));
    } catch (const LumavertError &) {
        if (!ctx)
            return BlockRead::NeedsUser;
        ctx->UI.ShowMessage(ctx->Message(MessageRow::SubtitleError) + IntToStr(counter) + "\n\r" +
                            "String: " + numberLine_);
    }
    return BlockRead::Read;
}

bool SubRipBlockReader::TakeOverFrom(const SubRipBlockReader &back) {
    if (counter != back.blocksBefore_)
        return false;
    counter = back.counter;
    leftOut += back.leftOut;
    return true;
}
