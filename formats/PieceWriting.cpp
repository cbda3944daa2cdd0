#include "formats/PieceWriting.h"

#include <algorithm>
#include <array>
#include <condition_variable>
#include <exception>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

namespace {

// CHOICE: a piece of this many entries is about a megabyte of text: large
// enough that handing it over costs little, small enough to be held a few
// times over.
constexpr std::size_t kPieceEntries = 8192;
// CHOICE: the first thread writes one piece in this many and the second the
// others, since the first also encodes and writes every line to the file:
// so the two take about as long on a large list.
constexpr std::size_t kFirstThreadsShare = 4;
constexpr std::size_t kSlots = 4;

bool FirstThreadWrites(std::size_t piece) {
    return piece % kFirstThreadsShare == 0;
}

// A piece's lines and the entries they belong to, held until their turn.
class HeldLines final : public EntryLineOut {
public:
    void Entry(std::size_t index) override { entries_.push_back({ends_.size(), index}); }
    void Add(std::string_view line) override {
        bytes_.append(line);
        ends_.push_back(bytes_.size());
    }

    // Gives everything held to `out` in the order it came, and forgets it.
    void PassOn(EntryLineOut &out) {
        std::size_t start = 0;
        auto entry = entries_.begin();
        for (std::size_t line = 0; line <= ends_.size(); ++line) {
            for (; entry != entries_.end() && entry->beforeLine == line; ++entry)
                out.Entry(entry->index);
            if (line == ends_.size())
                break;
            out.Add(std::string_view(bytes_).substr(start, ends_[line] - start));
            start = ends_[line];
        }
        bytes_.clear();
        ends_.clear();
        entries_.clear();
    }

private:
    struct EntryMark {
        std::size_t beforeLine;
        std::size_t index;
    };
    std::string bytes_;
    std::vector<std::size_t> ends_;
    std::vector<EntryMark> entries_;
};

// The pieces the first thread does not write, written by the second thread
// into the slots in turn; a piece waits for its slot until the piece before
// it there is passed on.
class SecondWriter {
public:
    SecondWriter(std::size_t count, const std::function<void(EntryRange, EntryLineOut &)> &write)
        : count_(count), write_(write), thread_([this] { WritePieces(); }) {}
    SecondWriter(const SecondWriter &) = delete;
    SecondWriter &operator=(const SecondWriter &) = delete;
    ~SecondWriter() {
        {
            const std::lock_guard lock(mutex_);
            stopped_ = true;
        }
        changed_.notify_all();
        thread_.join();
    }

    // Waits for piece `piece`, one of the second thread's, passes its lines
    // on, and throws what writing it threw.
    void PassOn(std::size_t piece, EntryLineOut &out) {
        Slot &slot = SlotOf(piece);
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [&] { return slot.ready; });
        lock.unlock();
        slot.lines.PassOn(out);
        if (slot.failure)
            std::rethrow_exception(slot.failure);
        lock.lock();
        slot.ready = false;
        lock.unlock();
        changed_.notify_all();
    }

private:
    // CHOICE: the second thread writes a slot at every line while the first
    // empties another, so each slot takes cache lines (64 bytes) of its own.
    struct alignas(64) Slot {
        HeldLines lines;
        std::exception_ptr failure;
        bool ready = false;
    };

    Slot &SlotOf(std::size_t piece) {
        const std::size_t secondThreadsPiece = piece - piece / kFirstThreadsShare - 1;
        return slots_[secondThreadsPiece % kSlots];
    }

    void WritePieces() {
        for (std::size_t piece = 1; piece * kPieceEntries < count_; ++piece) {
            if (FirstThreadWrites(piece))
                continue;
            Slot &slot = SlotOf(piece);
            {
                std::unique_lock lock(mutex_);
                changed_.wait(lock, [&] { return stopped_ || !slot.ready; });
                if (stopped_)
                    return;
            }
            const EntryRange range{piece * kPieceEntries, std::min(count_, (piece + 1) * kPieceEntries)};
            try {
                write_(range, slot.lines);
            } catch (...) {
                slot.failure = std::current_exception();
            }
            {
                const std::lock_guard lock(mutex_);
                slot.ready = true;
            }
            changed_.notify_all();
            if (slot.failure)
                return;
        }
    }

    const std::size_t count_;
    const std::function<void(EntryRange, EntryLineOut &)> &write_;
    std::array<Slot, kSlots> slots_;
    std::mutex mutex_;
    std::condition_variable changed_;
    bool stopped_ = false;
    std::thread thread_; // last: it starts once everything it uses is made
};

} // namespace

void WriteInPieces(std::size_t count, const std::function<void(EntryRange, EntryLineOut &)> &write,
                   EntryLineOut &out) {
    if (count <= kPieceEntries || std::thread::hardware_concurrency() < 2) {
        write({0, count}, out);
        return;
    }
    SecondWriter second(count, write);
    for (std::size_t piece = 0; piece * kPieceEntries < count; ++piece) {
        if (!FirstThreadWrites(piece)) {
            second.PassOn(piece, out);
            continue;
        }
        write({piece * kPieceEntries, std::min(count, (piece + 1) * kPieceEntries)}, out);
    }
}
