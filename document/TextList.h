#pragma once

#include "document/LargeBlock.h"

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

// An ordered list of text lines, the storage behind every list box, combo box
// and memo of the windows. Copies share their items, so handing a
// million-line list from one box to another costs nothing; a change of a
// shared list copies only the block of item starts it touches, so editing one
// entry of a million copies a page of starts. Deleting the first item
// only moves a cursor, which keeps consuming a list from the top linear.
//
// A list and its copy may be changed on two threads at once; one list must
// not be used by two threads at once.
//
// The items are packed: their bytes lie one after another in large chunks,
// each preceded by its length, and the list keeps only where each one starts
// (about ten bytes per item rather than a string object and a heap block).
// Items are read as string_views, which stay valid until the list changes.
class TextList {
    struct Storage;

public:
    // Walks the items in order, yielding each as a string_view.
    class Iterator {
    public:
        using iterator_concept = std::random_access_iterator_tag;
        using iterator_category = std::input_iterator_tag;
        using value_type = std::string_view;
        using difference_type = std::ptrdiff_t;
        using reference = std::string_view;

        Iterator() = default;
        std::string_view operator*() const { return storage_->Item(index_); }
        std::string_view operator[](difference_type n) const { return *(*this + n); }
        Iterator &operator++() { return *this += 1; }
        Iterator operator++(int) {
            Iterator was = *this;
            ++*this;
            return was;
        }
        Iterator &operator--() { return *this -= 1; }
        Iterator operator--(int) {
            Iterator was = *this;
            --*this;
            return was;
        }
        Iterator &operator+=(difference_type n) {
            index_ = static_cast<std::size_t>(static_cast<difference_type>(index_) + n);
            return *this;
        }
        Iterator &operator-=(difference_type n) { return *this += -n; }
        friend Iterator operator+(Iterator it, difference_type n) { return it += n; }
        friend Iterator operator+(difference_type n, Iterator it) { return it += n; }
        friend Iterator operator-(Iterator it, difference_type n) { return it -= n; }
        friend difference_type operator-(const Iterator &a, const Iterator &b) {
            return static_cast<difference_type>(a.index_) - static_cast<difference_type>(b.index_);
        }
        friend bool operator==(const Iterator &a, const Iterator &b) { return a.index_ == b.index_; }
        friend bool operator<(const Iterator &a, const Iterator &b) { return a.index_ < b.index_; }

    private:
        friend class TextList;
        Iterator(const Storage *storage, std::size_t index) : storage_(storage), index_(index) {}

        const Storage *storage_ = nullptr;
        std::size_t index_ = 0;
    };

    TextList() = default;
    TextList(std::initializer_list<std::string_view> items);
    explicit TextList(const std::vector<std::string> &items);

    std::size_t Count() const { return storage_ ? storage_->count - first_ : 0; }
    bool Empty() const { return Count() == 0; }

    // Throws ListIndexError for a position outside the list.
    std::string_view Item(std::size_t index) const {
        CheckIndex(index, Count());
        return storage_->Item(first_ + index);
    }
    std::string_view operator[](std::size_t index) const { return Item(index); }

    // The new item may be a view of this list's own items.
    void Add(std::string_view item);
    // Adds one item made of `head` followed by `tail`, without joining them in a string first.
    void AddJoined(std::string_view head, std::string_view tail);
    void Set(std::size_t index, std::string_view item);
    void Insert(std::size_t index, std::string_view item);
    void Delete(std::size_t index);
    // Deletes the first `count` items, every item when there are fewer: it only moves the cursor.
    void DeleteFirst(std::size_t count);
    // The first item, deleted from the list. Throws ListIndexError when empty.
    std::string TakeFirst();
    void Clear();
    // Makes room for this many items in storage of its own; changes nothing visible.
    void Reserve(std::size_t count);

    // Gives this list the items of another; the two share storage until one changes.
    void Assign(const TextList &other);
    // Moves the other list's items to the end of this one, leaving it empty:
    // their bytes stay where they are, only their starts are added.
    void AddAll(TextList &&other);

    // Counts every change; views compare it with the value they last showed.
    std::uint64_t Revision() const { return revision_; }

    Iterator begin() const;
    Iterator end() const;

    // The items as one vector of strings of their own.
    std::vector<std::string> ToVector() const;

    friend bool operator==(const TextList &a, const TextList &b);

    // How many items from position `skip` on (or before the last `skip`
    // items) both lists have the same because the two keep them in the same
    // storage. It is at most their common run, found in one step per block of
    // items, so comparing a list with a copy taken before a small change
    // costs the change.
    friend std::size_t SharedFront(const TextList &a, const TextList &b, std::size_t skip);
    friend std::size_t SharedBack(const TextList &a, const TextList &b, std::size_t skip);

private:
    // Chunks of item records: each record is the item's length (seven bits a
    // byte, low bits first, the top bit set on all but the last byte) followed
    // by its bytes. A chunk never grows past the room it was made with, so
    // records never move while their storage lives. A start is the chunk
    // number in the high 32 bits and the offset within the chunk in the low
    // 32: chunks are at most 32 MiB, except one made for a single longer item,
    // whose record then starts at offset 0.
    struct Storage {
        // Chunks are shared between the storages of copies: records never
        // change once written, and nothing is appended to a shared chunk.
        struct Chunk {
            std::shared_ptr<char[]> bytes;
            std::size_t size = 0;
            std::size_t capacity = 0;
        };
        // The starts, in blocks of kBlockSize: a power of two, so finding a
        // start is a shift and a mask, and a page, so that an edit of a copy
        // costs one page. Blocks are shared between the storages of copies
        // like the chunks, and a block is copied before it is written while
        // another storage holds it. Only the first block may be smaller,
        // while it is the only one, so that small lists stay small.
        using Block = std::shared_ptr<std::uint64_t[]>;
        static constexpr unsigned kBlockShift = 9;
        static constexpr std::size_t kBlockSize = std::size_t{1} << kBlockShift;
        static constexpr std::size_t kBlockMask = kBlockSize - 1;

        std::vector<Chunk> chunks;
        std::vector<Block> blocks;
        // Where full blocks come from; a copy of the storage starts runs of its own.
        LargeBlockRuns runs{kBlockSize * sizeof(std::uint64_t)};
        // Starts held (those before the list's first item included), and
        // starts the blocks have room for.
        std::size_t count = 0;
        std::size_t room = 0;
        // Bytes of every record written, and of those no item points to any more.
        std::uint64_t recordBytes = 0;
        std::uint64_t deadBytes = 0;

        std::uint64_t Start(std::size_t index) const {
            return blocks[index >> kBlockShift][index & kBlockMask];
        }
        std::string_view Item(std::size_t index) const { return View(Start(index)); }
        std::string_view View(std::uint64_t start) const;
        std::uint64_t RecordSize(std::uint64_t start) const;
        std::uint64_t Append(std::string_view item);
        // The record of one item made of `head` followed by `tail`.
        std::uint64_t Append(std::string_view head, std::string_view tail);

        void Reserve(std::size_t starts);
        void Push(std::uint64_t start);
        void Replace(std::size_t index, std::uint64_t start);
        void InsertAt(std::size_t index, std::uint64_t start);
        void EraseAt(std::size_t index);

    private:
        void ResizeFirstBlock(std::size_t starts);
        Block NewBlock(std::size_t starts);
        Block CopyOf(std::size_t block);
        std::uint64_t *Writable(std::size_t block);
        void WritableFrom(std::size_t index);
    };

    // Storage of this list's own: a shared one is copied by its tables of
    // chunks and blocks, which keep sharing what they hold, and the storage
    // is compacted when its dead front outweighs the live items or its dead
    // records the live ones. Returns
    // the storage it replaced, which the caller keeps alive while the new item
    // it was handed (perhaps a view of the old storage) is still being copied.
    std::shared_ptr<Storage> MakeUnique();
    void CheckIndex(std::size_t index, std::size_t limit) const;

    std::shared_ptr<Storage> storage_;
    std::size_t first_ = 0;
    std::uint64_t revision_ = 0;
};

inline std::string_view TextList::Storage::View(std::uint64_t start) const {
    const Chunk &chunk = chunks[start >> 32];
    const auto *at = reinterpret_cast<const unsigned char *>(chunk.bytes.get()) + (start & 0xFFFFFFFFu);
    std::uint64_t length = 0;
    for (int shift = 0;; shift += 7) {
        const unsigned char byte = *at++;
        length |= static_cast<std::uint64_t>(byte & 0x7Fu) << shift;
        if ((byte & 0x80u) == 0)
            break;
    }
    return {reinterpret_cast<const char *>(at), static_cast<std::size_t>(length)};
}
