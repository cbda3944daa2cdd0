#include "document/TextList.h"
#include "document/Errors.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <random>
#include <string>
#include <thread>
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

namespace {

// The longest run of equal items at the front of both, or at their back.
std::size_t CommonRun(const TextList &a, const std::vector<std::string> &b, bool front) {
    const std::size_t shorter = std::min(a.Count(), b.size());
    std::size_t run = 0;
    while (run < shorter && (front ? a[run] == b[run] : a[a.Count() - 1 - run] == b[b.size() - 1 - run]))
        ++run;
    return run;
}

bool Holds(const TextList &list, const std::vector<std::string> &model) {
    return std::equal(list.begin(), list.end(), model.begin(), model.end());
}

} // namespace

// Random changes to two lists that keep sharing storage, checked against
// plain vectors after every step: a change of one never shows in the other,
// and what they count as shared is never more than what they have in common.
// The lengths cross the one-, two- and three-byte length prefixes and the
// largest chunk; new items are often the list's own items, so a change that
// compacts must copy them first. Lists of thousands of items shift their
// starts across blocks of them.
TEST(TextList, AnyMixOfChangesMatchesAPlainVector) {
    const std::size_t lengths[] = {0, 1, 15, 127, 128, 300, 16383, 16384, (std::size_t{1} << 20) + 5};
    const struct {
        std::size_t initial;
        int steps;
    } runs[] = {{0, 3000}, {9000, 1500}};
    for (const auto &run : runs) {
        std::minstd_rand random(15);
        std::vector<std::string> models[2];
        for (std::size_t i = 0; i < run.initial; ++i)
            models[0].push_back(std::to_string(i));
        models[1] = models[0];
        TextList lists[2] = {TextList(models[0]), TextList(models[1])};
        for (int step = 0; step < run.steps; ++step) {
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
                } else if (random() % 32 == 0 && count + models[1 - which].size() < 3000) {
                    // The other list's items, through a copy that shares them.
                    TextList added;
                    added.Assign(lists[1 - which]);
                    list.AddAll(std::move(added));
                    model.insert(model.end(), models[1 - which].begin(), models[1 - which].end());
                }
                break;
            }
            ASSERT_TRUE(Holds(lists[0], models[0])) << "step " << step << " of " << run.initial;
            ASSERT_TRUE(Holds(lists[1], models[1])) << "step " << step << " of " << run.initial;
            ASSERT_LE(SharedFront(lists[0], lists[1], 0), CommonRun(lists[0], models[1], true)) << step;
            ASSERT_LE(SharedBack(lists[0], lists[1], 0), CommonRun(lists[0], models[1], false)) << step;
        }
    }
}

// A copy changed in one place still shares the rest with its original, up to
// the block of starts the change touched.
TEST(TextList, AChangedCopySharesAllButTheBlockItTouched) {
    const std::size_t count = 20'000;
    std::vector<std::string> items;
    for (std::size_t i = 0; i < count; ++i)
        items.push_back(std::to_string(i));
    const TextList original(items);
    const struct {
        std::size_t index;
        bool set;
    } changes[] = {{0, true},         {4095, true},    {4096, true}, {10'000, true},
                   {count - 1, true}, {10'000, false}, {1, false}};
    for (const auto &change : changes) {
        TextList copy = original;
        if (change.set)
            copy.Set(change.index, "changed");
        else
            copy.Delete(change.index);
        const std::size_t front = SharedFront(original, copy, 0);
        const std::size_t back = SharedBack(original, copy, 0);
        EXPECT_LE(front, change.index);
        EXPECT_LE(back, count - 1 - change.index);
        EXPECT_GE(front + 4096, change.index) << change.index;
        EXPECT_GE(back + (change.set ? 4096 : count), count - change.index) << change.index;
        if (change.set) {
            // A block away from the item written, either side, the two share storage again.
            const std::size_t after = std::min(count, change.index + 4096);
            const std::size_t before = change.index > 4096 ? change.index - 4096 : 0;
            EXPECT_EQ(SharedFront(original, copy, after), count - after) << change.index;
            EXPECT_EQ(SharedBack(original, copy, count - before), before) << change.index;
        }
    }
}

// The window hands copies of a list to worker threads; each side changes its
// own while the other changes the original, everywhere across its blocks.
TEST(TextList, ACopyChangesOnAnotherThreadWhileTheOriginalChanges) {
    std::vector<std::string> items;
    for (int i = 0; i < 10'000; ++i)
        items.push_back("item " + std::to_string(i));
    const auto edit = [](TextList &list, std::vector<std::string> &model, const std::string &mark) {
        for (std::size_t i = 0; i < 300; ++i) {
            const std::size_t at = i * 97 % model.size();
            list.Set(at, mark + model[at]);
            model[at] = mark + model[at];
            list.Insert(at, mark);
            model.insert(model.begin() + static_cast<std::ptrdiff_t>(at), mark);
            list.Delete(model.size() - 1 - at);
            model.erase(model.end() - 1 - static_cast<std::ptrdiff_t>(at));
            list.Add(mark);
            model.push_back(mark);
            list.Delete(0);
            model.erase(model.begin());
        }
    };
    TextList original(items);
    TextList copy = original;
    std::vector<std::string> copyModel = items;
    std::thread worker([&] { edit(copy, copyModel, "worker "); });
    edit(original, items, "window ");
    worker.join();
    EXPECT_TRUE(Holds(original, items));
    EXPECT_TRUE(Holds(copy, copyModel));
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
