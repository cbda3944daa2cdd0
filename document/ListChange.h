#pragma once

#include "document/TextList.h"

#include <cstddef>

// One edit of a list as the single range it touched: replacing `count` items
// from `position` with `items` turns the list from one state into the other.
// It holds only the items of that range, so remembering an edit of one
// entry in a million costs one entry.
struct ListChange {
    std::size_t position = 0;
    std::size_t count = 0;
    TextList items;
};

// The change that turns `from` into `to`: the range between the longest
// common start and the longest common end of the two, or all of `to` when
// that range is most of it.
ListChange ChangeBetween(const TextList &from, const TextList &to);

// Makes the change on the list and returns the change that takes it back.
ListChange ApplyChange(TextList &list, const ListChange &change);
