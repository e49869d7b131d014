#include "chaining/index_queue.hpp"

namespace orve {

namespace {

// The bits of `word` at positions `from` and above.
std::uint64_t bits_from(std::uint64_t word, std::size_t from) {
    return from >= 64 ? 0 : word & (~std::uint64_t{0} << from);
}

} // namespace

void IndexQueue::fill(std::size_t size) {
    bits_.assign((size + kBits - 1) / kBits, ~std::uint64_t{0});
    if (size % kBits != 0) {
        bits_.back() = (std::uint64_t{1} << (size % kBits)) - 1;
    }
    words_with_bits_.assign((bits_.size() + kBits - 1) / kBits, ~std::uint64_t{0});
    if (bits_.size() % kBits != 0) {
        words_with_bits_.back() = (std::uint64_t{1} << (bits_.size() % kBits)) - 1;
    }
}

void IndexQueue::insert(std::size_t index) {
    bits_[index / kBits] |= std::uint64_t{1} << (index % kBits);
    const std::size_t word = index / kBits;
    words_with_bits_[word / kBits] |= std::uint64_t{1} << (word % kBits);
}

void IndexQueue::erase(std::size_t index) {
    const std::size_t word = index / kBits;
    bits_[word] &= ~(std::uint64_t{1} << (index % kBits));
    if (bits_[word] == 0) {
        words_with_bits_[word / kBits] &= ~(std::uint64_t{1} << (word % kBits));
    }
}

// The first word at or after `word` that has a member; `none` when none has.
std::size_t IndexQueue::next_word_from(std::size_t word) const {
    for (std::size_t group = word / kBits; group < words_with_bits_.size(); ++group) {
        const std::uint64_t present =
            bits_from(words_with_bits_[group], group == word / kBits ? word % kBits : 0);
        if (present != 0) {
            return group * kBits + static_cast<std::size_t>(std::countr_zero(present));
        }
    }
    return none;
}

std::size_t IndexQueue::next_from(std::size_t from) const {
    const std::size_t word = from / kBits;
    if (word >= bits_.size()) {
        return none;
    }
    if (const std::uint64_t here = bits_from(bits_[word], from % kBits); here != 0) {
        return word * kBits + static_cast<std::size_t>(std::countr_zero(here));
    }
    const std::size_t next = next_word_from(word + 1);
    if (next == none) {
        return none;
    }
    return next * kBits + static_cast<std::size_t>(std::countr_zero(bits_[next]));
}

} // namespace orve
