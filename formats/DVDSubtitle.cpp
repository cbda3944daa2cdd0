#include "formats/Importers.h"

#include "document/Chars.h"
#include "document/Legendas.h"
#include "formats/ImportSteps.h"

#include <string>
#include <string_view>

// A DVDSubtitle file: a header block from "{HEAD" to a line "}", then per
// subtitle a block "{T start", its text lines and "}", and a clearing block
// "{T end", an empty text and "}". Times have four fields, the fourth the
// decimals of the seconds (00:00:01:15 is 1.15 seconds).

namespace {
constexpr std::string_view kBlockEnd = "}";

bool IsTimeBlock(std::string_view line) {
    return CharsAre(line, 1, "{T");
}

// NOTE: a block whose time is not valid keeps the frame of the block before it.
void ReadBlockTime(const ImportContext &ctx, std::string_view line, int &frame) {
    const std::string_view time = AfterFirst(line, ' ');
    if (IsValidTime(time))
        frame = TimeToFrames(time, ctx.BoxFps());
}
} // namespace

void ImportDVDSubtitle(ImportContext &ctx, std::string &firstLine, std::string &secondLine,
                       std::string &formatName) {
    WorkLines &work = ctx.WorkList;
    ctx.Begin(Alert::SameFps, ctx.BoxHeader());

    work.DeleteThrough(kBlockEnd);

    int start = 0;
    int end = 0;
    while (work.Count() > 1) {
        if (IsTimeBlock(work.Top())) {
            // The loop runs while two lines remain, so a text line follows.
            ReadBlockTime(ctx, work.TakeTop(), start);
            // NOTE: the first line of a block is its text even when it is the
            // closing "}" of an empty block.
            std::string text(work.Top());
            while (!work.Empty() && work.Top() != kBlockEnd) {
                work.DeleteTop();
                if (!work.Empty() && work.Top() != kBlockEnd) {
                    text += '|';
                    text += work.Top();
                }
            }
            if (!work.Empty())
                work.DeleteTop();
            work.DeleteEmptyTop();
            if (!work.Empty() && IsTimeBlock(work.Top())) {
                ReadBlockTime(ctx, work.Top(), end);
                work.DeleteUntil(kBlockEnd);
            }
            ctx.AddSubtitle(start, end, text);
        }
        if (!work.Empty())
            work.DeleteTop();
    }
    ctx.HandOver(firstLine, secondLine, formatName, "DVDSubtitle");
}
