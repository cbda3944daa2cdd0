#include "document/LargeBlock.h"

#include <gtest/gtest.h>

#include <cstring>
#include <optional>
#include <vector>

// Blocks on both sides of the huge-page size hold every byte they were asked
// for.
TEST(LargeBlock, HoldsEveryByteAskedFor) {
    for (const std::size_t size :
         {std::size_t{1}, (std::size_t{2} << 20) - 1, std::size_t{2} << 20, (std::size_t{5} << 20) + 3}) {
        const auto block = NewLargeBlock(size);
        std::memset(block.get(), 'x', size);
        EXPECT_EQ(block[0], 'x') << size;
        EXPECT_EQ(block[size - 1], 'x') << size;
    }
}

// Blocks cut from runs, by an owner and by a copy made mid-way, never overlap
// and keep their bytes after the owners are gone (runs grow past a huge page).
TEST(LargeBlock, RunsHandOutBlocksOfTheirOwn) {
    const std::size_t size = 32 << 10;
    std::vector<std::shared_ptr<char[]>> blocks;
    {
        LargeBlockRuns runs(size);
        std::optional<LargeBlockRuns> copy;
        for (int i = 0; i < 300; ++i) {
            if (i == 6)
                copy.emplace(runs);
            blocks.push_back((copy && i % 3 == 0 ? *copy : runs).Take());
            std::memset(blocks.back().get(), static_cast<char>(i), size);
        }
    }
    for (std::size_t i = 0; i < blocks.size(); ++i) {
        const char mark = static_cast<char>(i);
        EXPECT_EQ(blocks[i][0], mark) << i;
        EXPECT_EQ(blocks[i][size - 1], mark) << i;
    }
}
