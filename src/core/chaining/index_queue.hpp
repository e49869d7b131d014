// A set of positions 0..n-1 that answers "the first member at or after i"
// quickly: the rule agenda's rules still to test.
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace orve {

// Two levels of bits: one bit per position, and one bit per word of positions
// telling whether that word has a member. Finding the next member skips 4,096
// absent positions per summary word, so a pass that starts from the top of a
// large rule table costs little; insertion and removal are constant time.
class IndexQueue {
  public:
    static constexpr std::size_t none = static_cast<std::size_t>(-1);

    // Every position 0..size-1 becomes a member.
    void fill(std::size_t size);
    void insert(std::size_t index);
    void erase(std::size_t index);
    // The smallest member at or after `from`; `none` when there is none.
    std::size_t next_from(std::size_t from) const;

  private:
    static constexpr std::size_t kBits = 64;
    std::size_t next_word_from(std::size_t word) const;

    std::vector<std::uint64_t> bits_;
    std::vector<std::uint64_t> words_with_bits_;
};

} // namespace orve
