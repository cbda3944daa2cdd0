#include "document/TextList.h"

#include "document/Errors.h"
#include "document/LargeBlock.h"

#include <algorithm>
#include <atomic>
#include <cstring>
#include <utility>

namespace {
constexpr std::size_t kFirstChunk = 256;
constexpr std::size_t kLargestChunk = std::size_t{32} << 20;
constexpr std::size_t kMostLengthBytes = 10;
constexpr std::size_t kFirstStarts = 8;

// Whether `shared` is held by nobody else, so that what it points to may be
// written in place. A count of one cannot be wrong even with copies of the
// list on other threads: only a holder can make another holder, and the
// caller is the only one, so nobody can raise the count while it writes. The
// count is read without ordering; the fence orders the writes that follow
// after everything the last other holder did before letting go of it.
template <typename T> bool SoleOwner(const std::shared_ptr<T> &shared) {
    if (shared.use_count() != 1)
        return false;
    std::atomic_thread_fence(std::memory_order_acquire);
    return true;
}
} // namespace

std::uint64_t TextList::Storage::RecordSize(std::uint64_t start) const {
    const std::string_view item = View(start);
    return static_cast<std::uint64_t>(item.data() - chunks[start >> 32].bytes.get()) - (start & 0xFFFFFFFFu) +
           item.size();
}

std::uint64_t TextList::Storage::Append(std::string_view item) {
    return Append(item, {});
}

std::uint64_t TextList::Storage::Append(std::string_view head, std::string_view tail) {
    const std::size_t itemSize = head.size() + tail.size();
    unsigned char length[kMostLengthBytes];
    std::size_t lengthBytes = 0;
    for (std::uint64_t rest = itemSize;; rest >>= 7) {
        length[lengthBytes++] = static_cast<unsigned char>((rest & 0x7Fu) | (rest > 0x7Fu ? 0x80u : 0u));
        if (rest <= 0x7Fu)
            break;
    }
    const std::size_t need = lengthBytes + itemSize;
    // A copy edited once in a while (the snapshots of undo) starts small
    // chunks of its own rather than leaving most of a large one empty.
    const bool shared = !chunks.empty() && !SoleOwner(chunks.back().bytes);
    if (chunks.empty() || chunks.back().capacity - chunks.back().size < need || shared) {
        const std::size_t grown =
            chunks.empty() || shared ? kFirstChunk : std::min(kLargestChunk, chunks.back().capacity * 2);
        const std::size_t capacity = std::max(grown, need);
        chunks.push_back({NewLargeBlock(capacity), 0, capacity});
    }
    // The item may be a record of this storage: earlier chunks never move, and
    // the new record goes where nothing was yet.
    Chunk &chunk = chunks.back();
    const std::uint64_t start = (static_cast<std::uint64_t>(chunks.size() - 1) << 32) | chunk.size;
    char *const record = chunk.bytes.get() + chunk.size;
    std::memcpy(record, length, lengthBytes);
    if (!head.empty())
        std::memcpy(record + lengthBytes, head.data(), head.size());
    if (!tail.empty())
        std::memcpy(record + lengthBytes + head.size(), tail.data(), tail.size());
    chunk.size += need;
    recordBytes += need;
    return start;
}

void TextList::Storage::Reserve(std::size_t starts) {
    if (starts <= room)
        return;
    if (room < kBlockSize)
        ResizeFirstBlock(std::min(starts, kBlockSize));
    blocks.reserve((starts + kBlockMask) >> kBlockShift);
}

TextList::Storage::Block TextList::Storage::NewBlock(std::size_t starts) {
    if (starts < kBlockSize)
        return std::make_shared_for_overwrite<std::uint64_t[]>(starts);
    return std::reinterpret_pointer_cast<std::uint64_t[]>(runs.Take());
}

// The first block grows by doubling until it has the size of all others.
void TextList::Storage::ResizeFirstBlock(std::size_t starts) {
    Block resized = NewBlock(starts);
    if (blocks.empty())
        blocks.push_back(std::move(resized));
    else
        blocks.front() = std::exchange(resized, blocks.front());
    std::copy_n(resized.get(), count, blocks.front().get());
    room = starts;
}

TextList::Storage::Block TextList::Storage::CopyOf(std::size_t block) {
    const std::size_t from = block << kBlockShift;
    Block copy = NewBlock(std::min(room - from, kBlockSize));
    std::copy_n(blocks[block].get(), std::min(count - from, kBlockSize), copy.get());
    return copy;
}

std::uint64_t *TextList::Storage::Writable(std::size_t block) {
    Block &held = blocks[block];
    if (!SoleOwner(held))
        held = CopyOf(block);
    return held.get();
}

void TextList::Storage::Push(std::uint64_t start) {
    if (count == room) {
        if (room < kBlockSize)
            ResizeFirstBlock(room == 0 ? kFirstStarts : std::min(room * 2, kBlockSize));
        else {
            blocks.push_back(NewBlock(kBlockSize));
            room += kBlockSize;
        }
    }
    Writable(count >> kBlockShift)[count & kBlockMask] = start;
    ++count;
}

void TextList::Storage::Replace(std::size_t index, std::uint64_t start) {
    Writable(index >> kBlockShift)[index & kBlockMask] = start;
}

// Every block from the one holding the index on is made this storage's own
// before any start moves, so that running out of memory midway leaves the
// list as it was.
void TextList::Storage::WritableFrom(std::size_t index) {
    for (std::size_t block = index >> kBlockShift; block << kBlockShift < count; ++block)
        Writable(block);
}

// The starts after the index move one place on, each block's last becoming
// the next block's first; only the blocks they move through are written.
void TextList::Storage::InsertAt(std::size_t index, std::uint64_t start) {
    WritableFrom(index);
    Push(start);
    const std::size_t last = count - 1;
    for (std::size_t block = last >> kBlockShift;; --block) {
        std::uint64_t *const starts = Writable(block);
        const bool first = block == index >> kBlockShift;
        const std::size_t from = first ? index & kBlockMask : 0;
        const std::size_t to = block == last >> kBlockShift ? last & kBlockMask : kBlockMask;
        std::memmove(starts + from + 1, starts + from, (to - from) * sizeof(std::uint64_t));
        if (first) {
            starts[from] = start;
            return;
        }
        starts[0] = blocks[block - 1][kBlockMask];
    }
}

void TextList::Storage::EraseAt(std::size_t index) {
    WritableFrom(index);
    const std::size_t last = count - 1;
    for (std::size_t block = index >> kBlockShift; block <= last >> kBlockShift; ++block) {
        std::uint64_t *const starts = Writable(block);
        const std::size_t from = block == index >> kBlockShift ? index & kBlockMask : 0;
        const bool final = block == last >> kBlockShift;
        const std::size_t to = final ? last & kBlockMask : kBlockMask;
        std::memmove(starts + from, starts + from + 1, (to - from) * sizeof(std::uint64_t));
        if (!final)
            starts[kBlockMask] = blocks[block + 1][0];
    }
    --count;
    if (blocks.size() > 1 && count <= (blocks.size() - 1) << kBlockShift) {
        blocks.pop_back();
        room -= kBlockSize;
    }
}

TextList::TextList(std::initializer_list<std::string_view> items) {
    Reserve(items.size());
    for (std::string_view item : items)
        storage_->Push(storage_->Append(item));
}

TextList::TextList(const std::vector<std::string> &items) {
    Reserve(items.size());
    for (const std::string &item : items)
        storage_->Push(storage_->Append(item));
}

void TextList::CheckIndex(std::size_t index, std::size_t limit) const {
    if (index >= limit)
        throw ListIndexError("List index out of bounds (" + std::to_string(index) + ")");
}

std::shared_ptr<TextList::Storage> TextList::MakeUnique() {
    ++revision_;
    if (!storage_) {
        storage_ = std::make_shared<Storage>();
        first_ = 0;
        return nullptr;
    }
    const Storage &current = *storage_;
    const bool deadFront = first_ > current.count / 2;
    const bool deadRecords = current.deadBytes > current.recordBytes - current.deadBytes;
    if (!deadFront && !deadRecords) {
        if (SoleOwner(storage_))
            return nullptr;
        // The copy shares every chunk and block with the storage it copies:
        // one step per block, and a change copies only the block it touches.
        return std::exchange(storage_, std::make_shared<Storage>(current));
    }
    // Copying only the live items keeps memory and the cost of later changes
    // linear in the list over any mix of changes.
    auto packed = std::make_shared<Storage>();
    packed->Reserve(current.count - first_);
    for (std::string_view item : *this)
        packed->Push(packed->Append(item));
    first_ = 0;
    return std::exchange(storage_, std::move(packed));
}

void TextList::Add(std::string_view item) {
    const auto retired = MakeUnique();
    storage_->Push(storage_->Append(item));
}

void TextList::AddJoined(std::string_view head, std::string_view tail) {
    const auto retired = MakeUnique();
    storage_->Push(storage_->Append(head, tail));
}

void TextList::Set(std::size_t index, std::string_view item) {
    CheckIndex(index, Count());
    const auto retired = MakeUnique();
    const std::uint64_t replaced = storage_->Start(first_ + index);
    storage_->Replace(first_ + index, storage_->Append(item));
    storage_->deadBytes += storage_->RecordSize(replaced);
}

void TextList::Insert(std::size_t index, std::string_view item) {
    CheckIndex(index, Count() + 1);
    const auto retired = MakeUnique();
    storage_->InsertAt(first_ + index, storage_->Append(item));
}

void TextList::Delete(std::size_t index) {
    CheckIndex(index, Count());
    if (index == 0) {
        DeleteFirst(1);
        return;
    }
    MakeUnique();
    storage_->deadBytes += storage_->RecordSize(storage_->Start(first_ + index));
    storage_->EraseAt(first_ + index);
}

void TextList::DeleteFirst(std::size_t count) {
    if (count == 0)
        return;
    ++revision_;
    if (count < Count()) {
        first_ += count;
        return;
    }
    storage_.reset();
    first_ = 0;
}

std::string TextList::TakeFirst() {
    std::string item(Item(0));
    Delete(0);
    return item;
}

void TextList::Clear() {
    storage_.reset();
    first_ = 0;
    ++revision_;
}

void TextList::Reserve(std::size_t count) {
    if (!storage_)
        storage_ = std::make_shared<Storage>();
    if (SoleOwner(storage_))
        storage_->Reserve(first_ + count);
}

void TextList::Assign(const TextList &other) {
    if (this == &other)
        return;
    storage_ = other.storage_;
    first_ = other.first_;
    ++revision_;
}

void TextList::AddAll(TextList &&other) {
    if (other.Empty() || &other == this)
        return;
    const auto retired = MakeUnique();
    Storage &to = *storage_;
    const Storage &from = *other.storage_;
    // The other's chunks are numbered after this list's own, and its starts follow.
    const auto shift = static_cast<std::uint64_t>(to.chunks.size()) << 32;
    to.chunks.insert(to.chunks.end(), from.chunks.begin(), from.chunks.end());
    to.Reserve(to.count + other.Count());
    for (std::size_t index = other.first_; index < from.count; ++index)
        to.Push(from.Start(index) + shift);
    to.recordBytes += from.recordBytes;
    to.deadBytes += from.deadBytes;
    // Items the other had let go of from its front are dead records here.
    for (std::size_t index = 0; index < other.first_; ++index)
        to.deadBytes += from.RecordSize(from.Start(index));
    other.Clear();
}

TextList::Iterator TextList::begin() const {
    return {storage_.get(), storage_ ? first_ : 0};
}

TextList::Iterator TextList::end() const {
    return {storage_.get(), storage_ ? storage_->count : 0};
}

std::vector<std::string> TextList::ToVector() const {
    return {begin(), end()};
}

bool operator==(const TextList &a, const TextList &b) {
    return a.Count() == b.Count() && std::equal(a.begin(), a.end(), b.begin());
}

std::size_t SharedFront(const TextList &a, const TextList &b, std::size_t skip) {
    const std::size_t shorter = std::min(a.Count(), b.Count());
    if (skip >= shorter || a.first_ != b.first_)
        return 0;
    if (a.storage_ == b.storage_)
        return shorter - skip;
    // A block two storages hold is written by neither, and its starts name
    // chunks both hold at the same place, so it means the same items to both.
    const auto &x = a.storage_->blocks;
    const auto &y = b.storage_->blocks;
    const std::size_t start = a.first_ + skip;
    const std::size_t end = a.first_ + shorter;
    std::size_t block = start >> TextList::Storage::kBlockShift;
    while (block < x.size() && block < y.size() && x[block] == y[block] &&
           block << TextList::Storage::kBlockShift < end)
        ++block;
    const std::size_t shared = std::min(end, block << TextList::Storage::kBlockShift);
    return shared > start ? shared - start : 0;
}

std::size_t SharedBack(const TextList &a, const TextList &b, std::size_t skip) {
    const std::size_t shorter = std::min(a.Count(), b.Count());
    if (skip >= shorter || a.storage_->count != b.storage_->count)
        return 0;
    if (a.storage_ == b.storage_)
        return shorter - skip;
    const auto &x = a.storage_->blocks;
    const auto &y = b.storage_->blocks;
    const std::size_t end = a.storage_->count - skip;
    const std::size_t stop = a.storage_->count - shorter;
    std::size_t from = end;
    for (std::size_t block = (end - 1) >> TextList::Storage::kBlockShift; from > stop && x[block] == y[block];
         --block)
        from = block << TextList::Storage::kBlockShift;
    return end - std::max(from, stop);
}
