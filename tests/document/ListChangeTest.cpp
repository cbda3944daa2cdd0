#include "document/ListChange.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Lines = std::vector<std::string>;

// Every pair turns into the other through the change found between them, and
// the change handed back turns it back; the change covers no more than the
// entries that differ.
TEST(ListChange, TurnsEachListIntoTheOtherAndBack) {
    const struct {
        Lines from, to;
        std::size_t position, count, items;
    } cases[] = {
        {{"a", "b", "c"}, {"a", "B", "c"}, 1, 1, 1},
        {{"a", "b", "c"}, {"a", "c"}, 1, 1, 0},
        {{"a", "b"}, {"a", "x", "b"}, 1, 0, 1},
        {{"a", "a"}, {"a"}, 1, 1, 0},
        {{"a"}, {"a", "a", "a"}, 0, 1, 3},
        {{}, {"a", "b"}, 0, 0, 2},
        {{"a", "b"}, {}, 0, 2, 0},
        {{"x", "b", "y"}, {"X", "b", "Y"}, 0, 3, 3},
        {{"a", "b", "c", "d"}, {"a", "B", "C", "D"}, 0, 4, 4},
        {{"a", "b"}, {"a", "b"}, 2, 0, 0},
        {{"", "b"}, {"b"}, 0, 1, 0},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.from) + " to " + testing::PrintToString(c.to));
        TextList list(c.from);
        const ListChange change = ChangeBetween(list, TextList(c.to));
        EXPECT_EQ(change.position, c.position);
        EXPECT_EQ(change.count, c.count);
        EXPECT_EQ(change.items.Count(), c.items);
        const ListChange back = ApplyChange(list, change);
        EXPECT_EQ(list.ToVector(), c.to);
        ApplyChange(list, back);
        EXPECT_EQ(list.ToVector(), c.from);
    }
}

} // namespace
