// Text gathered before it goes to a stream: appending copies the bytes and no
// more, and the room grown once is kept for the next text.
#pragma once

#include <cstddef>
#include <cstdint>
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
            copy_bytes(extend(text.size()), text.data(), text.size());
        }
    }
    void append(char c) { *extend(1) = c; }
    // Takes back the last `count` bytes, extended but not filled.
    void drop_last(std::size_t count) { size_ -= count; }

    // memcpy for ranges that do not overlap, without a call for the short texts
    // that most writes are: at most two loads and two stores up to 16 bytes.
    static void copy_bytes(char* to, const char* from, std::size_t count) {
        if (count > 16) {
            std::memcpy(to, from, count);
        } else if (count >= 8) {
            copy_ends<std::uint64_t>(to, from, count);
        } else if (count >= 4) {
            copy_ends<std::uint32_t>(to, from, count);
        } else if (count != 0) {
            to[0] = from[0];
            to[count / 2] = from[count / 2];
            to[count - 1] = from[count - 1];
        }
    }

  private:
    // The first and the last sizeof(Word) bytes: the whole of `count` bytes
    // from one to two words long.
    template <typename Word> static void copy_ends(char* to, const char* from, std::size_t count) {
        Word first;
        Word last;
        std::memcpy(&first, from, sizeof(Word));
        std::memcpy(&last, from + count - sizeof(Word), sizeof(Word));
        std::memcpy(to, &first, sizeof(Word));
        std::memcpy(to + count - sizeof(Word), &last, sizeof(Word));
    }

    // Room for `count` more bytes at least, twice the room before at least.
    void grow(std::size_t count);

    std::unique_ptr<char[]> data_;
    std::size_t size_ = 0;
    std::size_t capacity_ = 0;
};

} // namespace orve::cli
