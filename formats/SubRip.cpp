#include "formats/Importers.h"

#include "document/NumText.h"
#include "document/TwoThreads.h"
#include "formats/SubRipBlocks.h"
#include "formats/SubRipTimes.h"

#include <atomic>
#include <optional>
#include <thread>

namespace {

// CHOICE: below this many lines a second thread costs more than it saves.
constexpr std::size_t kTwoThreadsFromLines = 100'000;
// CHOICE: how far past the middle a block boundary is looked for; a file
// without one there is read on one thread.
constexpr std::size_t kBoundarySearch = 1'000;

// Where a long list is cut in two: the empty line that ends a block, right
// after its text, with the next block's number and time line after it. Its
// line and the number of blocks before it, when the number tells it.
struct Cut {
    std::size_t line;
    int blocksBefore;
};

std::optional<Cut> CutNearTheMiddle(const WorkLines &work) {
    const std::size_t middle = work.Count() / 2;
    for (std::size_t line = middle; line < middle + kBoundarySearch && line + 2 < work.Count(); ++line) {
        if (!work.Item(line).empty() || work.Item(line - 1).empty())
            continue;
        const std::optional<int> number = TryStrToInt(work.Item(line + 1));
        if (number && *number > 0 && LooksLikeSubRipTimeLine(work.Item(line + 2)))
            return Cut{line, *number - 1};
    }
    return std::nullopt;
}

// The blocks after the cut, read on a second thread while this one reads
// those before it. They are read as though the file's numbering held up to
// the cut; the first block that needs the user, or an error, stops them, and
// the reading of the front goes on from there.
// CHOICE: its thread writes it at every line, so it takes cache lines
// (64 bytes) of its own: sharing one with the front's reader, written as
// often, made both halves slower than one thread alone.
class alignas(64) BackHalf {
public:
    BackHalf(const WorkLines &work, Cut cut, Extended fps)
        : lines_(work.LinesFrom(cut.line)), work_(lines_), reader_(work_, fps, read_, cut.blocksBefore),
          blocksBefore_(cut.blocksBefore), thread_([this] { ReadBlocks(); }) {}
    BackHalf(const BackHalf &) = delete;
    BackHalf &operator=(const BackHalf &) = delete;
    ~BackHalf() {
        abandoned_ = true;
        if (thread_.joinable())
            thread_.join();
    }

    // Hands the blocks read to the front's reader, which has come to the cut,
    // when it has counted the blocks before it as the cut's number did: they
    // join its list, and the front goes on after them. Otherwise they are
    // dropped and the front reads on.
    void HandTo(SubRipBlockReader &front, WorkLines &work, TextList &read) {
        thread_.join();
        if (front.counter != blocksBefore_)
            return;
        read.AddAll(std::move(read_));
        front.counter = reader_.counter;
        front.leftOut += reader_.leftOut;
        work.DeleteTop(work.Count() - leftAtStop_);
    }

private:
    void ReadBlocks() {
        for (;;) {
            leftAtStop_ = work_.Count();
            if (abandoned_)
                return;
            try {
                if (reader_.Next(nullptr) != SubRipBlock::Read)
                    return;
            } catch (...) {
                // The front meets the same failure when it reads the block itself.
                return;
            }
        }
    }

    TextList lines_;
    WorkLines work_;
    TextList read_;
    SubRipBlockReader reader_;
    const int blocksBefore_;
    std::size_t leftAtStop_ = 0;
    std::atomic<bool> abandoned_ = false;
    std::thread thread_; // last: it starts once everything it uses is made
};

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

    SubRipBlockReader front(work, ctx.CurrentFps, ctx.ImportBuffer);
    std::optional<BackHalf> back;
    // The lines left where the cut is, kept here rather than read from the
    // back half at every block, whose thread writes beside it.
    std::size_t leftAtCut = 0;
    if (TwoThreadsFor(work.Count(), kTwoThreadsFromLines))
        if (const std::optional<Cut> cut = CutNearTheMiddle(work)) {
            leftAtCut = work.Count() - cut->line;
            back.emplace(work, *cut, ctx.CurrentFps);
        }
    for (;;) {
        // The front may come to the cut, or pass it in a block that runs over.
        if (back && work.Count() <= leftAtCut) {
            if (work.Count() == leftAtCut)
                back->HandTo(front, work, ctx.ImportBuffer);
            back.reset();
        }
        const SubRipBlock block = front.Next(&ctx);
        if (block == SubRipBlock::Stopped)
            return;
        if (block == SubRipBlock::Ended)
            break;
    }
    ctx.LeftOut += front.leftOut;
    ctx.HandOver(firstLine, secondLine, formatName, "SubRip");
}
