#include "document/TextList.h"

#include "document/Errors.h"
#include "document/LargeBlock.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace {
constexpr std::size_t kFirstChunk = 256;
constexpr std::size_t kLargestChunk = std::size_t{32} << 20;
constexpr std::size_t kMostLengthBytes = 10;
} // namespace

std::uint64_t TextList::Storage::RecordSize(std::uint64_t start) const {
    const std::string_view item = View(start);
    return static_cast<std::uint64_t>(item.data() - chunks[start >> 32].bytes.get()) - (start & 0xFFFFFFFFu) +
           item.size();
}

std::uint64_t TextList::Storage::Append(std::string_view item) {
    unsigned char length[kMostLengthBytes];
    std::size_t lengthBytes = 0;
    for (std::uint64_t rest = item.size();; rest >>= 7) {
        length[lengthBytes++] = static_cast<unsigned char>((rest & 0x7Fu) | (rest > 0x7Fu ? 0x80u : 0u));
        if (rest <= 0x7Fu)
            break;
    }
    const std::size_t need = lengthBytes + item.size();
    // A copy edited once in a while (the snapshots of undo) starts small
    // chunks of its own rather than leaving most of a large one empty.
    const bool shared = !chunks.empty() && chunks.back().bytes.use_count() > 1;
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
    std::memcpy(chunk.bytes.get() + chunk.size, length, lengthBytes);
    if (!item.empty())
        std::memcpy(chunk.bytes.get() + chunk.size + lengthBytes, item.data(), item.size());
    chunk.size += need;
    recordBytes += need;
    return start;
}

TextList::TextList(std::initializer_list<std::string_view> items) {
    Reserve(items.size());
    for (std::string_view item : items)
        storage_->starts.push_back(storage_->Append(item));
}

TextList::TextList(const std::vector<std::string> &items) {
    Reserve(items.size());
    for (const std::string &item : items)
        storage_->starts.push_back(storage_->Append(item));
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
    const bool deadFront = first_ > current.starts.size() / 2;
    const bool deadRecords = current.deadBytes > current.recordBytes - current.deadBytes;
    if (storage_.use_count() == 1 && !deadFront && !deadRecords)
        return nullptr;
    // A shared storage without dead items is copied by its starts alone; the
    // records stay where they are, shared with the other lists.
    if (first_ == 0 && !deadRecords) {
        auto copy = std::make_shared<Storage>();
        copy->chunks = current.chunks;
        copy->starts = current.starts;
        copy->recordBytes = current.recordBytes;
        copy->deadBytes = current.deadBytes;
        return std::exchange(storage_, std::move(copy));
    }
    // Copying only the live items keeps memory and the cost of later changes
    // linear in the list over any mix of changes.
    auto packed = std::make_shared<Storage>();
    packed->starts.reserve(current.starts.size() - first_);
    for (std::string_view item : *this)
        packed->starts.push_back(packed->Append(item));
    first_ = 0;
    return std::exchange(storage_, std::move(packed));
}

void TextList::Add(std::string_view item) {
    const auto retired = MakeUnique();
    storage_->starts.push_back(storage_->Append(item));
}

void TextList::Set(std::size_t index, std::string_view item) {
    CheckIndex(index, Count());
    const auto retired = MakeUnique();
    std::uint64_t &start = storage_->starts[first_ + index];
    const std::uint64_t replaced = start;
    start = storage_->Append(item);
    storage_->deadBytes += storage_->RecordSize(replaced);
}

void TextList::Insert(std::size_t index, std::string_view item) {
    CheckIndex(index, Count() + 1);
    const auto retired = MakeUnique();
    const std::uint64_t start = storage_->Append(item);
    auto &starts = storage_->starts;
    starts.insert(starts.begin() + static_cast<std::ptrdiff_t>(first_ + index), start);
}

void TextList::Delete(std::size_t index) {
    CheckIndex(index, Count());
    if (index == 0) {
        ++revision_;
        ++first_;
        if (first_ == storage_->starts.size()) {
            storage_.reset();
            first_ = 0;
        }
        return;
    }
    MakeUnique();
    auto &starts = storage_->starts;
    const auto at = starts.begin() + static_cast<std::ptrdiff_t>(first_ + index);
    storage_->deadBytes += storage_->RecordSize(*at);
    starts.erase(at);
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
    if (storage_.use_count() == 1)
        storage_->starts.reserve(first_ + count);
}

void TextList::Assign(const TextList &other) {
    if (this == &other)
        return;
    storage_ = other.storage_;
    first_ = other.first_;
    ++revision_;
}

TextList::Iterator TextList::begin() const {
    return {storage_.get(), storage_ ? first_ : 0};
}

TextList::Iterator TextList::end() const {
    return {storage_.get(), storage_ ? storage_->starts.size() : 0};
}

std::vector<std::string> TextList::ToVector() const {
    return {begin(), end()};
}

bool operator==(const TextList &a, const TextList &b) {
    return a.Count() == b.Count() && std::equal(a.begin(), a.end(), b.begin());
}
