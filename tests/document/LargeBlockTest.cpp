#include "document/LargeBlock.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

// Blocks on both sides of the huge-page size hold every byte they were asked
// for, and a vector grown through them past it keeps its items.
TEST(LargeBlock, HoldsEveryByteAskedFor) {
    for (const std::size_t size :
         {std::size_t{1}, (std::size_t{2} << 20) - 1, std::size_t{2} << 20, (std::size_t{5} << 20) + 3}) {
        const auto block = NewLargeBlock(size);
        std::memset(block.get(), 'x', size);
        EXPECT_EQ(block[0], 'x') << size;
        EXPECT_EQ(block[size - 1], 'x') << size;
    }
    std::vector<std::uint64_t, LargeAllocator<std::uint64_t>> starts;
    for (std::uint64_t i = 0; i < 1'000'000; ++i)
        starts.push_back(i);
    EXPECT_EQ(starts[999'999], 999'999u);
    EXPECT_EQ(starts[123'456], 123'456u);
}
