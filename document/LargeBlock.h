#pragma once

#include <cstddef>
#include <memory>

// Memory for the large buffers a million-line file needs. A block of 2 MiB or
// more is mapped on its own and asks the kernel for huge pages, so filling it
// takes one page fault every 2 MiB rather than every 4 KiB; a smaller one
// comes from the heap. Either way its bytes start undefined.
std::shared_ptr<char[]> NewLargeBlock(std::size_t size);
