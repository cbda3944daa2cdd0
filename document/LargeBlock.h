#pragma once

#include <cstddef>
#include <memory>

// Memory for the large buffers a million-line file needs. A block of 2 MiB or
// more is mapped on its own and asks the kernel for huge pages, so filling it
// takes one page fault every 2 MiB rather than every 4 KiB; a smaller one
// comes from the heap. Either way its bytes start undefined.
void *AllocateLarge(std::size_t size);
void FreeLarge(void *block, std::size_t size);

std::shared_ptr<char[]> NewLargeBlock(std::size_t size);

// An allocator for containers that grow large, such as the starts of a
// million lines.
template <typename T> struct LargeAllocator {
    using value_type = T;

    LargeAllocator() = default;
    template <typename U> LargeAllocator(const LargeAllocator<U> &) {}

    T *allocate(std::size_t count) { return static_cast<T *>(AllocateLarge(count * sizeof(T))); }
    void deallocate(T *block, std::size_t count) { FreeLarge(block, count * sizeof(T)); }

    template <typename U> bool operator==(const LargeAllocator<U> &) const { return true; }
};
