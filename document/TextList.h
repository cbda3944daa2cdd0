#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// An ordered list of text lines, the storage behind every list box, combo box
// and memo of the windows. Copies share their items until one of them
// changes, so handing a million-line list from one box to another costs
// nothing. Deleting the first item only moves a cursor, which keeps
// consuming a list from the top linear.
class TextList {
public:
    TextList() = default;
    TextList(std::initializer_list<std::string> items);
    explicit TextList(std::vector<std::string> items);

    std::size_t Count() const { return items_ ? items_->size() - first_ : 0; }
    bool Empty() const { return Count() == 0; }

    // Throws ListIndexError for a position outside the list.
    const std::string& Item(std::size_t index) const;
    const std::string& operator[](std::size_t index) const { return Item(index); }

    void Add(std::string item);
    void Set(std::size_t index, std::string item);
    void Insert(std::size_t index, std::string item);
    void Delete(std::size_t index);
    // The first item, deleted from the list; moved out rather than copied
    // when no other list shares the storage. Throws ListIndexError when empty.
    std::string TakeFirst();
    void Clear();
    // Makes room for this many items in storage of its own; changes nothing visible.
    void Reserve(std::size_t count);

    // Gives this list the items of another; the two share storage until one changes.
    void Assign(const TextList& other);

    // Counts every change; views compare it with the value they last showed.
    std::uint64_t Revision() const { return revision_; }

    std::vector<std::string>::const_iterator begin() const;
    std::vector<std::string>::const_iterator end() const;

    // The items as one vector (a copy when the list is shared).
    std::vector<std::string> ToVector() const;

    friend bool operator==(const TextList& a, const TextList& b);

private:
    void MakeUnique();
    void CheckIndex(std::size_t index, std::size_t limit) const;

    std::shared_ptr<std::vector<std::string>> items_;
    std::size_t first_ = 0;
    std::uint64_t revision_ = 0;
};
