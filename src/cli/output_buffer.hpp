// Text gathered before it goes to a stream: appending copies the bytes and no
// more, and the room grown once is kept for the next text.
#pragma once

#include <cstddef>
#include <cstring>
#include <memory>
#include <string_view>

namespace orve::cli {

class OutputBuffer {
  public:
    bool empty() const { return size_ == 0; }
    const char* data() const { return data_.get(); }
    std::size_t size() const { return size_; }
    // Forgets the text and keeps the room.
    void clear() { size_ = 0; }
    // Adds `count` bytes to the end and returns where they start, for the caller
    // to fill.
    char* extend(std::size_t count) {
        if (count > capacity_ - size_ || data_ == nullptr) {
            grow(count);
        }
        char* start = data_.get() + size_;
        size_ += count;
        return start;
    }
    void append(std::string_view text) {
        if (!text.empty()) {
            std::memcpy(extend(text.size()), text.data(), text.size());
        }
    }

  private:
    // Room for `count` more bytes at least, twice the room before at least.
    void grow(std::size_t count);

    std::unique_ptr<char[]> data_;
    std::size_t size_ = 0;
    std::size_t capacity_ = 0;
};

} // namespace orve::cli
