#include "huge_pages.hpp"

#include <sys/mman.h>

namespace orve::cli {

AddressRange whole_huge_pages(std::uintptr_t block, std::size_t size) {
    const std::uintptr_t mask = kHugePage - 1;
    if (block > UINTPTR_MAX - mask || size > UINTPTR_MAX - mask - block) {
        return {block, block}; // a block at the very top: no address may wrap
    }
    const std::uintptr_t begin = (block + mask) & ~mask;
    const std::uintptr_t end = (block + size) & ~mask;
    return end > begin ? AddressRange{begin, end} : AddressRange{block, block};
}

void advise_huge_pages(void* block, std::size_t size) {
    const AddressRange pages = whole_huge_pages(reinterpret_cast<std::uintptr_t>(block), size);
    if (pages.end != pages.begin) {
        // A refusal (no huge pages here) leaves ordinary pages: nothing to do.
        static_cast<void>(
            madvise(reinterpret_cast<void*>(pages.begin), pages.end - pages.begin, MADV_HUGEPAGE));
    }
}

} // namespace orve::cli
