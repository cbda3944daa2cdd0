#pragma once

#include <cstddef>
#include <memory>

// Memory for the large buffers a million-line file needs. A block of 2 MiB or
// more is mapped on its own and asks the kernel for huge pages, so filling it
// takes one page fault every 2 MiB rather than every 4 KiB; a smaller one
// comes from the heap. Either way its bytes start undefined.
std::shared_ptr<char[]> NewLargeBlock(std::size_t size);

// Hands out blocks of one size, each with a count of its own, cut from runs
// that double up to a huge page, so that filling many small blocks takes a
// page fault per huge page rather than per block. A run lives while any of
// its blocks does. A copy cuts from runs of its own: two owners never hand
// out the same bytes.
class LargeBlockRuns {
public:
    explicit LargeBlockRuns(std::size_t blockSize) : blockSize_(blockSize) {}
    LargeBlockRuns(const LargeBlockRuns &other) : blockSize_(other.blockSize_) {}
    LargeBlockRuns &operator=(const LargeBlockRuns &) = delete;

    std::shared_ptr<char[]> Take();

private:
    std::size_t blockSize_;
    std::shared_ptr<char[]> run_;
    std::size_t runBlocks_ = 0;
    std::size_t taken_ = 0;
};
