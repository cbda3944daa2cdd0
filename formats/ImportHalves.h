#pragma once

#include "document/TextList.h"
#include "document/TwoThreads.h"
#include "formats/ImportContext.h"

#include <atomic>
#include <cstddef>
#include <optional>
#include <thread>

// A long file of blocks is read in two halves at once: the blocks after a
// cut near the middle on a second thread, those before it on this one. A
// format's block reader has
//   BlockRead Next(ImportContext *ctx): reads the block at the top of its
//     list, asking and telling the user what the block needs when it has the
//     context; without it (on the second thread) it stops before such a
//     block with NeedsUser;
//   bool TakeOverFrom(const Reader &back): when this reader, come to the cut,
//     is in the state the back half's reader started in, takes on the state
//     that one ended in and says so.

enum class BlockRead {
    Read,      // a FrameLine was added, or the block was left out and counted
    Ended,     // no block is left
    Stopped,   // the user stopped the import: nothing is handed over
    NeedsUser, // the block needs a question or a message, which this reader may not show
};

// Where a long list is cut in two: an empty line right after a block's last
// line, before a line where `startsBlock(work, line)` says a block starts.
// None when the list is short or no such line lies near its middle.
template <class StartsBlock>
std::optional<std::size_t> CutNearTheMiddle(const WorkLines &work, StartsBlock startsBlock) {
    // CHOICE: below this many lines a second thread costs more than it saves.
    constexpr std::size_t kTwoThreadsFromLines = 100'000;
    // CHOICE: how far past the middle a cut is looked for.
    constexpr std::size_t kCutSearch = 1'000;
    if (!TwoThreadsFor(work.Count(), kTwoThreadsFromLines))
        return std::nullopt;
    const std::size_t middle = work.Count() / 2;
    for (std::size_t line = middle; line < middle + kCutSearch && line + 1 < work.Count(); ++line)
        if (work.Item(line).empty() && !work.Item(line - 1).empty() && startsBlock(work, line + 1))
            return line;
    return std::nullopt;
}

// The blocks after the cut, read on a second thread while this one reads
// those before it. The first block that needs the user, or an error, stops
// them, and the front's reader goes on from there.
// CHOICE: its thread writes it at every line, so it takes cache lines
// (64 bytes) of its own: sharing one with the front's reader, written as
// often, made both halves slower than one thread alone.
template <class Reader> class alignas(64) BackHalf {
public:
    // `makeReader(work, read)` makes the reader of the lines from the cut on.
    template <class MakeReader>
    BackHalf(const WorkLines &work, std::size_t cut, MakeReader makeReader)
        : lines_(work.LinesFrom(cut)), work_(lines_), reader_(makeReader(work_, read_)),
          thread_([this] { ReadBlocks(); }) {}
    BackHalf(const BackHalf &) = delete;
    BackHalf &operator=(const BackHalf &) = delete;
    ~BackHalf() {
        abandoned_ = true;
        if (thread_.joinable())
            thread_.join();
    }

    // Hands the blocks read to the front's reader, which has come to the cut,
    // when it takes over from the back half's reader: they join its list
    // `read`, and the front goes on after them. Otherwise they are dropped
    // and the front reads on.
    void HandTo(Reader &front, WorkLines &work, TextList &read) {
        thread_.join();
        if (!front.TakeOverFrom(reader_))
            return;
        read.AddAll(std::move(read_));
        work.DeleteTop(work.Count() - leftAtStop_);
    }

private:
    void ReadBlocks() {
        for (;;) {
            leftAtStop_ = work_.Count();
            if (abandoned_)
                return;
            try {
                if (reader_.Next(nullptr) != BlockRead::Read)
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
    Reader reader_;
    std::size_t leftAtStop_ = 0;
    std::atomic<bool> abandoned_ = false;
    std::thread thread_; // last: it starts once everything it uses is made
};

// Reads every block of `work` with `front`, which adds them to `read`; when
// there is a cut, the blocks after it are read on a second thread by a reader
// `makeReader` makes. False when the user stopped the import.
template <class Reader, class MakeReader>
bool ReadAllBlocks(ImportContext &ctx, WorkLines &work, TextList &read, Reader &front,
                   std::optional<std::size_t> cut, MakeReader makeReader) {
    std::optional<BackHalf<Reader>> back;
    // The lines left where the cut is, kept here rather than read from the
    // back half at every block, whose thread writes beside it.
    std::size_t leftAtCut = 0;
    if (cut) {
        leftAtCut = work.Count() - *cut;
        back.emplace(work, *cut, makeReader);
    }
    for (;;) {
        // The front may come to the cut, or pass it in a block that runs over.
        if (back && work.Count() <= leftAtCut) {
            if (work.Count() == leftAtCut)
                back->HandTo(front, work, read);
            back.reset();
        }
        const BlockRead block = front.Next(&ctx);
        if (block == BlockRead::Stopped)
            return false;
        if (block == BlockRead::Ended)
            return true;
    }
}
