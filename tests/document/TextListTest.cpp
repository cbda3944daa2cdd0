#include "document/TextList.h"
#include "document/Errors.h"

#include <gtest/gtest.h>

TEST(TextList, CopiesShareUntilOneChanges) {
    TextList a{"1", "2", "3"};
    TextList b;
    b.Assign(a);
    b.Set(1, "two");
    EXPECT_EQ(a, (TextList{"1", "2", "3"}));
    EXPECT_EQ(b, (TextList{"1", "two", "3"}));
    a.Delete(0);
    EXPECT_EQ(a, (TextList{"2", "3"}));
    EXPECT_EQ(b.Count(), 3u);
}

TEST(TextList, TakingTheFirstItemLeavesSharingListsAlone) {
    TextList a{"first line of a subtitle", "second"};
    TextList b;
    b.Assign(a);
    EXPECT_EQ(a.TakeFirst(), "first line of a subtitle");
    EXPECT_EQ(b, (TextList{"first line of a subtitle", "second"}));
    b.Reserve(10);
    EXPECT_EQ(b.TakeFirst(), "first line of a subtitle");
    EXPECT_EQ(b.TakeFirst(), "second");
    EXPECT_THROW(b.TakeFirst(), ListIndexError);
    EXPECT_EQ(a, (TextList{"second"}));
}

TEST(TextList, ConsumingFromTheTopKeepsLaterChangesInPlace) {
    TextList list;
    for (int i = 0; i < 10; ++i)
        list.Add(std::to_string(i));
    list.Delete(0);
    list.Delete(0);
    list.Set(0, "x");
    list.Insert(1, "y");
    list.Delete(2);
    EXPECT_EQ(list, (TextList{"x", "y", "4", "5", "6", "7", "8", "9"}));
    while (!list.Empty())
        list.Delete(0);
    list.Add("again");
    EXPECT_EQ(list, (TextList{"again"}));
}

TEST(TextList, PositionsOutsideTheListThrow) {
    TextList list{"a"};
    EXPECT_THROW(list.Item(1), ListIndexError);
    EXPECT_THROW(list.Delete(1), ListIndexError);
    EXPECT_THROW(list.Insert(2, "b"), ListIndexError);
    EXPECT_NO_THROW(list.Insert(1, "b"));
    TextList empty;
    EXPECT_THROW(empty.Item(0), ListIndexError);
    EXPECT_EQ(empty.begin(), empty.end());
}

TEST(TextList, EveryChangeMovesTheRevision) {
    TextList list;
    auto seen = list.Revision();
    list.Add("a");
    EXPECT_NE(list.Revision(), seen);
    seen = list.Revision();
    list.Delete(0);
    EXPECT_NE(list.Revision(), seen);
}
