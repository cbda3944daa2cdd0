#include "document/LargeBlock.h"

#include <new>

#include <sys/mman.h>

namespace {

constexpr std::size_t kHugePage = std::size_t{2} << 20;

struct Unmapper {
    std::size_t size;
    void operator()(char *block) const { munmap(block, size); }
};

} // namespace

std::shared_ptr<char[]> NewLargeBlock(std::size_t size) {
    if (size < kHugePage)
        return std::make_shared_for_overwrite<char[]>(size);
    void *block = mmap(nullptr, size, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (block == MAP_FAILED)
        throw std::bad_alloc();
    // Only advice: without huge pages the block works the same, just slower to fill.
    madvise(block, size, MADV_HUGEPAGE);
    return std::shared_ptr<char[]>(static_cast<char *>(block), Unmapper{size});
}
