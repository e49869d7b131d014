#include "output_buffer.hpp"

#include <algorithm>

namespace orve::cli {

void OutputBuffer::grow(std::size_t count) {
    constexpr std::size_t kFirstRoom = 4096;
    const std::size_t room = std::max({size_ + count, 2 * capacity_, kFirstRoom});
    auto larger = std::make_unique_for_overwrite<char[]>(room);
    if (size_ != 0) {
        std::memcpy(larger.get(), data_.get(), size_);
    }
    data_ = std::move(larger);
    capacity_ = room;
}

} // namespace orve::cli
