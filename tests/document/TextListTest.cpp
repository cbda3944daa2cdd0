#include "document/TextList.h"
#include "document/Errors.h"

#include <gtest/gtest.h>

#include <iterator>
#include <random>
#include <string>
#include <vector>

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

// Random changes to two lists that keep sharing storage, checked against
// plain vectors after every step. The lengths cross the one-, two- and
// three-byte length prefixes and the largest chunk; new items are often the
// list's own items, so a change that compacts must copy them first.
TEST(TextList, AnyMixOfChangesMatchesAPlainVector) {
    const std::size_t lengths[] = {0, 1, 15, 127, 128, 300, 16383, 16384, (std::size_t{1} << 20) + 5};
    std::minstd_rand random(15);
    TextList lists[2];
    std::vector<std::string> models[2];
    for (int step = 0; step < 3000; ++step) {
        const std::size_t which = random() % 2;
        TextList &list = lists[which];
        std::vector<std::string> &model = models[which];
        const std::size_t count = model.size();
        const std::size_t lengthIndex = random() % (step % 500 == 0 ? 9 : 8);
        std::string fresh(lengths[lengthIndex], static_cast<char>('a' + step % 26));
        const bool own = count > 0 && random() % 3 == 0;
        const std::size_t source = own ? random() % count : 0;
        const std::string_view item = own ? list[source] : std::string_view(fresh);
        const std::string copy(item);
        const std::size_t target = count > 0 ? random() % count : 0;
        switch (random() % 8) {
        case 0:
        case 1:
            list.Add(item);
            model.push_back(copy);
            break;
        case 2:
        case 3:
            if (count == 0)
                break;
            list.Set(target, item);
            model[target] = copy;
            break;
        case 4: {
            const std::size_t at = random() % (count + 1);
            list.Insert(at, item);
            model.insert(model.begin() + static_cast<std::ptrdiff_t>(at), copy);
            break;
        }
        case 5:
            if (count == 0)
                break;
            list.Delete(target);
            model.erase(model.begin() + static_cast<std::ptrdiff_t>(target));
            break;
        case 6:
            if (count == 0)
                break;
            EXPECT_EQ(list.TakeFirst(), model.front());
            model.erase(model.begin());
            break;
        default:
            if (random() % 4 == 0) {
                lists[1 - which].Assign(list);
                models[1 - which] = model;
            }
            break;
        }
        ASSERT_EQ(lists[0].ToVector(), models[0]) << "step " << step;
        ASSERT_EQ(lists[1].ToVector(), models[1]) << "step " << step;
    }
}

TEST(TextList, ItemsOfAnyLengthReadBackWhole) {
    std::string huge(std::size_t{3} << 20, 'x');
    huge.back() = 'y';
    TextList list{"before"};
    list.Add(huge);
    list.Add("after");
    list.Insert(0, huge);
    EXPECT_EQ(list[1], "before");
    EXPECT_EQ(list[2], huge);
    EXPECT_EQ(list[3], "after");
    EXPECT_EQ(list.Count(), 4u);
    EXPECT_EQ(std::distance(list.begin(), list.end()), 4);
}
