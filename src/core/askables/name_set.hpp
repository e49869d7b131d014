// A set of names that does not own them: open addressing in one array, so that
// building it for hundreds of thousands of names costs no allocation per name.
#pragma once

#include <cstddef>
#include <functional>
#include <string_view>
#include <vector>

namespace orve {

// The names it holds must outlive it and stay where they are.
class NameSet {
  public:
    // Room for `expected` names without growing.
    explicit NameSet(std::size_t expected = 0) {
        names_.reserve(expected);
        rehash(slots_for(expected));
    }

    // Adds the name unless present; true when it was added.
    bool insert(std::string_view name) {
        if (2 * (names_.size() + 1) > slots_.size()) {
            rehash(2 * slots_.size());
        }
        std::size_t& slot = slots_[slot_of(name)];
        if (slot != kEmpty) {
            return false;
        }
        slot = names_.size();
        names_.push_back(name);
        return true;
    }

    bool contains(std::string_view name) const { return slots_[slot_of(name)] != kEmpty; }

  private:
    static constexpr std::size_t kEmpty = static_cast<std::size_t>(-1);

    static std::size_t slots_for(std::size_t expected) {
        std::size_t slots = 16;
        while (slots < 2 * expected) {
            slots *= 2;
        }
        return slots;
    }

    // The slot holding the name, or the empty slot where it would go.
    std::size_t slot_of(std::string_view name) const {
        const std::size_t mask = slots_.size() - 1;
        for (std::size_t i = std::hash<std::string_view>{}(name)&mask;; i = (i + 1) & mask) {
            if (slots_[i] == kEmpty || names_[slots_[i]] == name) {
                return i;
            }
        }
    }

    void rehash(std::size_t slots) {
        slots_.assign(slots, kEmpty);
        for (std::size_t k = 0; k < names_.size(); ++k) {
            const std::size_t mask = slots - 1;
            std::size_t i = std::hash<std::string_view>{}(names_[k]) & mask;
            while (slots_[i] != kEmpty) {
                i = (i + 1) & mask;
            }
            slots_[i] = k;
        }
    }

    std::vector<std::string_view> names_; // in order of insertion
    std::vector<std::size_t> slots_;      // indexes into names_, or kEmpty
};

} // namespace orve
