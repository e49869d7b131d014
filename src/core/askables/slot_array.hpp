// A fixed number of four-byte table slots, the storage of the name tables.
#pragma once

#include <cstddef>
#include <cstdint>

namespace orve {

// The slots of a large name table are read in no order: with small pages
// nearly every probe would also miss the processor's cache of page
// addresses, and the more so the larger the base. An array of two megabytes
// or more is therefore placed on huge pages where the system offers them.
class SlotArray {
  public:
    SlotArray() = default;
    SlotArray(const SlotArray& other);
    SlotArray(SlotArray&& other) noexcept;
    SlotArray& operator=(SlotArray other) noexcept;
    ~SlotArray();

    // `count` slots, each `value`; throws std::bad_alloc, leaving the array
    // as it was, when the memory is refused.
    void assign(std::size_t count, std::uint32_t value);
    void clear() noexcept;
    bool empty() const { return size_ == 0; }
    std::size_t size() const { return size_; }
    std::uint32_t& operator[](std::size_t i) { return data_[i]; }
    std::uint32_t operator[](std::size_t i) const { return data_[i]; }
    const std::uint32_t* data() const { return data_; }

  private:
    std::uint32_t* data_ = nullptr;
    std::size_t size_ = 0;
};

} // namespace orve
