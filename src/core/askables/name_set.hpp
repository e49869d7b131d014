// Sets of names kept in order of insertion with constant-time membership: open
// addressing in one array of positions, so that building one for hundreds of
// thousands of names costs no allocation per name, and a copy stays valid
// without rebuilding its index.
#pragma once

#include <algorithm>
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace orve {

// `Name` is std::string (the set owns its names) or std::string_view (the
// names must outlive the set and stay where they are).
template <typename Name> class OrderedNameSet {
  public:
    // Room for `expected` names without growing.
    explicit OrderedNameSet(std::size_t expected = 0) {
        if (expected > 0) {
            names_.reserve(expected);
            rehash(slots_for(expected));
        }
    }

    // Adds the name unless present; true when it was added.
    bool insert(const Name& name) {
        if (2 * (names_.size() + 1) > slots_.size()) {
            rehash(std::max<std::size_t>(16, 2 * slots_.size()));
        }
        std::size_t& slot = slots_[slot_of(name)];
        if (slot != kEmpty) {
            return false;
        }
        slot = names_.size();
        names_.push_back(name);
        return true;
    }

    bool contains(std::string_view name) const {
        return !slots_.empty() && slots_[slot_of(name)] != kEmpty;
    }
    const std::vector<Name>& names() const { return names_; }
    void clear() {
        names_.clear();
        slots_.clear();
    }

  private:
    static constexpr std::size_t kEmpty = static_cast<std::size_t>(-1);

    static std::size_t slots_for(std::size_t expected) {
        std::size_t slots = 16;
        while (slots < 2 * expected) {
            slots *= 2;
        }
        return slots;
    }

    static std::size_t hash_of(std::string_view name) {
        return std::hash<std::string_view>{}(name);
    }

    // The slot holding the name, or the empty slot where it would go.
    std::size_t slot_of(std::string_view name) const {
        const std::size_t mask = slots_.size() - 1;
        for (std::size_t i = hash_of(name) & mask;; i = (i + 1) & mask) {
            if (slots_[i] == kEmpty || names_[slots_[i]] == name) {
                return i;
            }
        }
    }

    void rehash(std::size_t slot_count) {
        slots_.assign(slot_count, kEmpty);
        const std::size_t mask = slot_count - 1;
        for (std::size_t k = 0; k < names_.size(); ++k) {
            std::size_t i = hash_of(names_[k]) & mask;
            while (slots_[i] != kEmpty) {
                i = (i + 1) & mask;
            }
            slots_[i] = k;
        }
    }

    std::vector<Name> names_;        // in order of insertion
    std::vector<std::size_t> slots_; // positions in names_, or kEmpty; a power of two long
};

// A set of names that does not own them.
using NameSet = OrderedNameSet<std::string_view>;

} // namespace orve
