#include "askables/slot_array.hpp"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <new>
#include <utility>

#if defined(__linux__)
#include <sys/mman.h>
#endif

namespace orve {

namespace {

constexpr std::size_t kHugePage = std::size_t{2} << 20;

std::size_t bytes_of(std::size_t count) {
    return count * sizeof(std::uint32_t);
}

#if defined(__linux__)

// Maps whole huge pages aligned to them, so that no small page is left over
// and the memory goes back to the system when the array is freed.
void* map_huge(std::size_t bytes) {
    const std::size_t rounded = (bytes + kHugePage - 1) / kHugePage * kHugePage;
    const std::size_t span = rounded + kHugePage;
    void* mapped = mmap(nullptr, span, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (mapped == MAP_FAILED) {
        throw std::bad_alloc();
    }
    const auto start = reinterpret_cast<std::uintptr_t>(mapped);
    const std::uintptr_t aligned = (start + kHugePage - 1) / kHugePage * kHugePage;
    if (aligned > start) {
        munmap(mapped, aligned - start);
    }
    if (const std::size_t tail = start + span - (aligned + rounded); tail > 0) {
        munmap(reinterpret_cast<void*>(aligned + rounded), tail);
    }
    void* memory = reinterpret_cast<void*>(aligned);
    // Only advice: refused, the array stays on small pages and works the same.
    static_cast<void>(madvise(memory, rounded, MADV_HUGEPAGE));
    return memory;
}

void unmap_huge(void* memory, std::size_t bytes) {
    const std::size_t rounded = (bytes + kHugePage - 1) / kHugePage * kHugePage;
    munmap(memory, rounded);
}

bool on_huge_pages(std::size_t count) {
    return bytes_of(count) >= kHugePage;
}

#else

void* map_huge(std::size_t) {
    throw std::bad_alloc();
}
void unmap_huge(void*, std::size_t) {}
bool on_huge_pages(std::size_t) {
    return false;
}

#endif

std::uint32_t* allocate(std::size_t count) {
    if (on_huge_pages(count)) {
        return static_cast<std::uint32_t*>(map_huge(bytes_of(count)));
    }
    void* memory = std::malloc(bytes_of(count));
    if (memory == nullptr) {
        throw std::bad_alloc();
    }
    return static_cast<std::uint32_t*>(memory);
}

void release(std::uint32_t* data, std::size_t count) {
    if (data == nullptr) {
        return;
    }
    if (on_huge_pages(count)) {
        unmap_huge(data, bytes_of(count));
    } else {
        std::free(data);
    }
}

} // namespace

SlotArray::SlotArray(const SlotArray& other) : size_(other.size_) {
    if (size_ > 0) {
        data_ = allocate(size_);
        std::copy(other.data_, other.data_ + size_, data_);
    }
}

SlotArray::SlotArray(SlotArray&& other) noexcept
    : data_(std::exchange(other.data_, nullptr)), size_(std::exchange(other.size_, 0)) {}

SlotArray& SlotArray::operator=(SlotArray other) noexcept {
    std::swap(data_, other.data_);
    std::swap(size_, other.size_);
    return *this;
}

SlotArray::~SlotArray() {
    release(data_, size_);
}

void SlotArray::assign(std::size_t count, std::uint32_t value) {
    std::uint32_t* fresh = count > 0 ? allocate(count) : nullptr;
    std::fill(fresh, fresh + count, value);
    release(data_, size_);
    data_ = fresh;
    size_ = count;
}

void SlotArray::clear() noexcept {
    release(data_, size_);
    data_ = nullptr;
    size_ = 0;
}

} // namespace orve
