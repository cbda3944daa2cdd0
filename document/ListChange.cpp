#include "document/ListChange.h"

#include <algorithm>

namespace {

// The items [from, from + count) as a list of their own.
TextList Slice(const TextList &list, std::size_t from, std::size_t count) {
    TextList slice;
    slice.Reserve(count);
    for (std::size_t i = from; i < from + count; ++i)
        slice.Add(list[i]);
    return slice;
}

// The list with `count` items from `position` replaced by `items`, built in
// one pass so that any change costs one walk over the list.
void Replace(TextList &list, std::size_t position, std::size_t count, const TextList &items) {
    if (count == items.Count()) {
        for (std::size_t i = 0; i < count; ++i)
            list.Set(position + i, items[i]);
        return;
    }
    TextList replaced;
    replaced.Reserve(list.Count() - count + items.Count());
    for (std::size_t i = 0; i < position; ++i)
        replaced.Add(list[i]);
    for (const std::string_view item : items)
        replaced.Add(item);
    for (std::size_t i = position + count; i < list.Count(); ++i)
        replaced.Add(list[i]);
    list.Assign(replaced);
}

} // namespace

ListChange ChangeBetween(const TextList &from, const TextList &to) {
    const std::size_t shorter = std::min(from.Count(), to.Count());
    // The items the two lists keep in the same storage need no comparing, so
    // finding the change between a list and its copy costs about the change.
    // A change that wrote an item over with its own text leaves both lists
    // sharing storage again after it, so the walk skips shared runs each time.
    std::size_t head = 0;
    while (head < shorter) {
        head += SharedFront(from, to, head);
        if (head == shorter || from[head] != to[head])
            break;
        ++head;
    }
    const std::size_t rest = shorter - head;
    std::size_t tail = 0;
    while (tail < rest) {
        tail += std::min(SharedBack(from, to, tail), rest - tail);
        if (tail == rest || from[from.Count() - 1 - tail] != to[to.Count() - 1 - tail])
            break;
        ++tail;
    }
    const std::size_t count = to.Count() - head - tail;
    // A change of most of the list keeps the other list whole: it shares its
    // items, so it costs nothing to keep, and putting it back costs nothing.
    if (count > to.Count() / 2)
        return {0, from.Count(), to};
    return {head, from.Count() - head - tail, Slice(to, head, count)};
}

ListChange ApplyChange(TextList &list, const ListChange &change) {
    if (change.position == 0 && change.count == list.Count()) {
        ListChange back{0, change.items.Count(), list};
        list.Assign(change.items);
        return back;
    }
    ListChange back{change.position, change.items.Count(), Slice(list, change.position, change.count)};
    Replace(list, change.position, change.count, change.items);
    return back;
}
