// Large blocks of memory backed by huge pages where the system offers them: one
// page fault for 2 MB instead of one for every 4 KB, which counts when a base of
// a hundred thousand rules fills tens of megabytes.
#pragma once

#include <cstddef>
#include <cstdint>

namespace orve::cli {

inline constexpr std::size_t kHugePage = std::size_t{2} << 20U;

struct AddressRange {
    std::uintptr_t begin = 0;
    std::uintptr_t end = 0; // equal to begin when the range is empty
};

// The whole huge pages inside the block of `size` bytes at `block`.
AddressRange whole_huge_pages(std::uintptr_t block, std::size_t size);

// Asks the system to back the whole huge pages inside the block with huge
// pages once they are first touched. A system without them declines, which
// changes nothing else.
void advise_huge_pages(void* block, std::size_t size);

} // namespace orve::cli
