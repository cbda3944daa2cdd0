#include "document/Chars.h"
#include "formats/Importers.h"

#include "document/Legendas.h"
#include "document/NumText.h"
#include "formats/ImportSteps.h"

// An I-Author script lists pictures: a line "BMPFILE: name.bmp", then among
// further lines one holding "STARTTIME:" and, after it, one holding
// "DISABLE_OGT", with start and end in seconds. Each picture becomes a
// subtitle whose text is its file name. The script's clock runs to 256
// seconds and starts again: each time an entry ends before the one before
// it, that entry and every later one are 256 seconds later.

namespace {
constexpr std::string_view kLongWait = "Wait! Long subtitles....";
constexpr std::string_view kStartMark = "STARTTIME:";
constexpr std::string_view kEndMark = "DISABLE_OGT";
constexpr std::string_view kEndSuffix = " DISABLE_OGT";
constexpr Extended kWrapSeconds = 256;

// Deletes lines from the top until one holds the mark, which stays; false
// when the script ends first.
bool DeleteUntilHolding(WorkLines &work, std::string_view mark) {
    while (!work.Empty() && !Holds(work.Top(), mark))
        work.DeleteTop();
    return !work.Empty();
}

// The end line without its first 6 characters and without the first " DISABLE_OGT".
std::string EndText(std::string_view endLine) {
    std::string text(CharsFrom(endLine, 7));
    if (const std::size_t at = text.find(kEndSuffix); at != std::string::npos)
        text.erase(at, kEndSuffix.size());
    return text;
}
} // namespace

void ImportIAuthor(ImportContext &ctx, std::string &firstLine, std::string &secondLine,
                   std::string &formatName) {
    WorkLines &work = ctx.WorkList;
    ctx.Begin(Alert::SameFps, ctx.BoxHeader());
    ctx.UI.ShowMessage(std::string(kLongWait));
    const Extended fps = ctx.CurrentFps;
    int wrapCount = 0;
    int previousEnd = 0;
    while (!work.Empty()) {
        const std::string pictureLine = work.TakeTop();
        if (!CharsAre(pictureLine, 1, "BMPFILE"))
            continue;
        const std::string_view text = CharsFrom(pictureLine, 10);
        // NOTE: the line after the picture line is passed over unread, even
        // when it is the start line.
        if (!work.Empty())
            work.DeleteTop();
        // CHOICE: an entry the script cuts off before its start or end line is left out.
        if (!DeleteUntilHolding(work, kStartMark))
            break;
        const std::string startText(CharsFrom(work.Top(), kStartMark.size() + 1));
        // The start line itself may be the end line; the end line stays for
        // the next pass, which passes it over.
        if (!DeleteUntilHolding(work, kEndMark))
            break;
        const int start = SecondsToFrames(startText, fps);
        const int end = SecondsToFrames(EndText(work.Top()), fps);

        // The wrap is decided on the times as written, before any offset.
        if (end < previousEnd)
            ++wrapCount;
        previousEnd = end;
        const Extended offset = static_cast<Extended>(wrapCount) * kWrapSeconds * fps;
        const Extended wrappedStart = start + offset;
        Extended wrappedEnd = end + offset;
        if (wrappedEnd < wrappedStart)
            wrappedEnd = wrappedStart + kDefaultDurationFrames;
        // Frames past 32 bits end the import with the error box; the
        // default duration applies again after rounding.
        ctx.AddSubtitle(ToInt32(RoundHalfEven(wrappedStart)), ToInt32(RoundHalfEven(wrappedEnd)), text);
    }
    ctx.HandOver(firstLine, secondLine, formatName, "I-Author Script");
}
