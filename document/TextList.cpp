#include "document/TextList.h"

#include "document/Errors.h"

#include <algorithm>

namespace {
const std::vector<std::string> kNoItems;
}

TextList::TextList(std::initializer_list<std::string> items)
    : items_(std::make_shared<std::vector<std::string>>(items)) {}

TextList::TextList(std::vector<std::string> items)
    : items_(std::make_shared<std::vector<std::string>>(std::move(items))) {}

void TextList::CheckIndex(std::size_t index, std::size_t limit) const {
    if (index >= limit)
        throw ListIndexError("List index out of bounds (" + std::to_string(index) + ")");
}

const std::string& TextList::Item(std::size_t index) const {
    CheckIndex(index, Count());
    return (*items_)[first_ + index];
}

void TextList::MakeUnique() {
    if (!items_) {
        items_ = std::make_shared<std::vector<std::string>>();
        first_ = 0;
    } else if (items_.use_count() > 1) {
        items_ = std::make_shared<std::vector<std::string>>(items_->begin() + first_, items_->end());
        first_ = 0;
    } else if (first_ > items_->size() / 2) {
        // A list consumed from the top drops its dead front once it outweighs
        // the live part, so the cost stays linear over any mix of changes.
        items_->erase(items_->begin(), items_->begin() + first_);
        first_ = 0;
    }
    ++revision_;
}

void TextList::Add(std::string item) {
    MakeUnique();
    items_->push_back(std::move(item));
}

void TextList::Set(std::size_t index, std::string item) {
    CheckIndex(index, Count());
    MakeUnique();
    (*items_)[first_ + index] = std::move(item);
}

void TextList::Insert(std::size_t index, std::string item) {
    CheckIndex(index, Count() + 1);
    MakeUnique();
    items_->insert(items_->begin() + first_ + index, std::move(item));
}

void TextList::Delete(std::size_t index) {
    CheckIndex(index, Count());
    ++revision_;
    if (index == 0) {
        ++first_;
        if (first_ == items_->size()) {
            items_.reset();
            first_ = 0;
        }
        return;
    }
    MakeUnique();
    items_->erase(items_->begin() + first_ + index);
}

std::string TextList::TakeFirst() {
    CheckIndex(0, Count());
    std::string& first = (*items_)[first_];
    std::string item = items_.use_count() == 1 ? std::move(first) : first;
    Delete(0);
    return item;
}

void TextList::Clear() {
    items_.reset();
    first_ = 0;
    ++revision_;
}

void TextList::Reserve(std::size_t count) {
    if (!items_)
        items_ = std::make_shared<std::vector<std::string>>();
    if (items_.use_count() == 1)
        items_->reserve(first_ + count);
}

void TextList::Assign(const TextList& other) {
    if (this == &other)
        return;
    items_ = other.items_;
    first_ = other.first_;
    ++revision_;
}

std::vector<std::string>::const_iterator TextList::begin() const {
    return items_ ? items_->cbegin() + first_ : kNoItems.cbegin();
}

std::vector<std::string>::const_iterator TextList::end() const {
    return items_ ? items_->cend() : kNoItems.cend();
}

std::vector<std::string> TextList::ToVector() const { return {begin(), end()}; }

bool operator==(const TextList& a, const TextList& b) {
    return a.Count() == b.Count() && std::equal(a.begin(), a.end(), b.begin());
}
