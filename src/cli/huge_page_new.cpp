// The allocation function of orve-cli: as the library's, and blocks of a huge
// page or more are advised to be backed by huge pages (huge_pages.hpp). The C
// library's own switch for this is read from the environment at start only, so
// the program cannot turn it on itself. The library's deallocation functions
// free what this allocates, as they free what theirs does.
#include "huge_pages.hpp"

#include <cstdlib>
#include <new>

void* operator new(std::size_t size) {
    void* block = std::malloc(size != 0 ? size : 1);
    if (block == nullptr) {
        throw std::bad_alloc();
    }
    if (size >= orve::cli::kHugePage) {
        orve::cli::advise_huge_pages(block, size);
    }
    return block;
}
