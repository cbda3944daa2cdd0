#include "document/LargeBlock.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <new>

#include <sys/mman.h>

namespace {

constexpr std::size_t kHugePage = std::size_t{2} << 20;

void *AllocateLarge(std::size_t size) {
    if (size < kHugePage)
        return ::operator new(size);
    // Huge pages fill only whole aligned 2 MiB spans, so the block is cut to
    // start at one out of a mapping a huge page larger.
    if (size > std::numeric_limits<std::size_t>::max() - kHugePage)
        throw std::bad_alloc();
    const std::size_t mapped = size + kHugePage;
    void *mapping = mmap(nullptr, mapped, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (mapping == MAP_FAILED)
        throw std::bad_alloc();
    char *const start = static_cast<char *>(mapping);
    char *const block = start + (kHugePage - reinterpret_cast<std::uintptr_t>(start) % kHugePage) % kHugePage;
    if (block != start)
        munmap(start, static_cast<std::size_t>(block - start));
    if (const std::size_t after = static_cast<std::size_t>(start + mapped - (block + size)); after > 0)
        munmap(block + size, after);
    // Only advice: without huge pages the block works the same, just slower to fill.
    madvise(block, size, MADV_HUGEPAGE);
    return block;
}

void FreeLarge(void *block, std::size_t size) {
    if (size < kHugePage)
        ::operator delete(block);
    else
        munmap(block, size);
}

} // namespace

std::shared_ptr<char[]> NewLargeBlock(std::size_t size) {
    return std::shared_ptr<char[]>(static_cast<char *>(AllocateLarge(size)),
                                   [size](char *block) { FreeLarge(block, size); });
}

std::shared_ptr<char[]> LargeBlockRuns::Take() {
    if (taken_ == runBlocks_) {
        runBlocks_ = std::max<std::size_t>(1, std::min(runBlocks_ * 2, kHugePage / blockSize_));
        run_ = NewLargeBlock(runBlocks_ * blockSize_);
        taken_ = 0;
    }
    // The block counts its own holders; the last of them lets go of the run.
    char *const block = run_.get() + taken_++ * blockSize_;
    return std::shared_ptr<char[]>(block, [run = run_](char *) {});
}
