// Asking the processor for memory ahead of its use.
#pragma once

namespace orve {

// Asks for the cache line holding `address` without waiting for it. The empty
// volatile statement after the request is what keeps it: the compiler counts a
// prefetch as no effect at all, so a function that only prefetches would pass
// for one without effect, and calls to it would be dropped.
inline void prefetch(const void* address) {
    __builtin_prefetch(address);
    __asm__ __volatile__("" : : "r"(address));
}

} // namespace orve
