#include "askables/slot_array.hpp"

#include <algorithm>
#include <cstdlib>
#include <new>
#include <utility>

#if defined(__linux__)
#include <sys/mman.h>
#endif

namespace orve {

namespace {

constexpr std::size_t kHugePage = std::size_t{2} << 20;

std::uint32_t* allocate(std::size_t count) {
    const std::size_t bytes = count * sizeof(std::uint32_t);
    if (bytes < kHugePage) {
        void* memory = std::malloc(bytes);
        if (memory == nullptr) {
            throw std::bad_alloc();
        }
        return static_cast<std::uint32_t*>(memory);
    }
    // Whole huge pages, aligned to them, so that no small page is left over.
    const std::size_t rounded = (bytes + kHugePage - 1) / kHugePage * kHugePage;
    void* memory = std::aligned_alloc(kHugePage, rounded);
    if (memory == nullptr) {
        throw std::bad_alloc();
    }
#if defined(MADV_HUGEPAGE)
    // Only advice: refused, the array stays on small pages and works the same.
    static_cast<void>(madvise(memory, rounded, MADV_HUGEPAGE));
#endif
    return static_cast<std::uint32_t*>(memory);
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
    std::free(data_);
}

void SlotArray::assign(std::size_t count, std::uint32_t value) {
    std::uint32_t* fresh = count > 0 ? allocate(count) : nullptr;
    std::fill(fresh, fresh + count, value);
    std::free(data_);
    data_ = fresh;
    size_ = count;
}

void SlotArray::clear() noexcept {
    std::free(data_);
    data_ = nullptr;
    size_ = 0;
}

} // namespace orve
