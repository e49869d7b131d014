// Sets of names kept in order of insertion with constant-time membership: open
// addressing in one array of positions, so that building one for hundreds of
// thousands of names costs no allocation per name, and a copy stays valid
// without rebuilding its index.
#pragma once

#include "askables/prefetch.hpp"
#include "askables/slot_array.hpp"

#include <algorithm>
#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace orve {

// A hash of a name read in words rather than bytes: names are mostly short,
// and a byte-wise hash would cost more than the lookups it serves. The last
// word of a name longer than eight bytes overlaps the one before it, and
// shorter names are read as two overlapping halves; the length is mixed in.
inline std::uint64_t name_hash(std::string_view name) {
    // A full 64-bit finaliser: names of four to seven bytes put the same word
    // in both halves when they are four long, which a shift by 32 would cancel
    // and leave the low bits, those that pick a slot, clustered.
    const auto mix = [](std::uint64_t h) {
        h ^= h >> 33U;
        h *= 0xff51afd7ed558ccdULL;
        h ^= h >> 33U;
        h *= 0xc4ceb9fe1a85ec53ULL;
        h ^= h >> 33U;
        return h;
    };
    const auto word = [&name](std::size_t at, std::size_t bytes) {
        std::uint64_t value = 0;
        std::memcpy(&value, name.data() + at, bytes);
        return value;
    };
    const std::size_t n = name.size();
    std::uint64_t h = 0x9e3779b97f4a7c15ULL ^ n;
    if (n >= 8) {
        for (std::size_t i = 0; i + 8 < n; i += 8) {
            h = mix(h ^ word(i, 8));
        }
        h ^= word(n - 8, 8);
    } else if (n >= 4) {
        h ^= word(0, 4) | (word(n - 4, 4) << 32);
    } else if (n > 0) {
        const auto byte = [&name](std::size_t at) {
            return static_cast<std::uint64_t>(static_cast<unsigned char>(name[at]));
        };
        h ^= byte(0) | (byte(n / 2) << 8) | (byte(n - 1) << 16);
    }
    return mix(h);
}

// Whether two names are the same, compared in words as name_hash reads them:
// cheaper than a library call for the short names of most bases.
inline bool same_name(std::string_view a, std::string_view b) {
    const std::size_t n = a.size();
    if (n != b.size()) {
        return false;
    }
    const auto same = [&a, &b](std::size_t at, std::size_t bytes) {
        return std::memcmp(a.data() + at, b.data() + at, bytes) == 0;
    };
    if (n >= 8) {
        for (std::size_t i = 0; i + 8 < n; i += 8) {
            if (!same(i, 8)) {
                return false;
            }
        }
        return same(n - 8, 8);
    }
    if (n >= 4) {
        return same(0, 4) && same(n - 4, 4);
    }
    // Positions 0, n / 2 and n - 1 cover every byte of up to three.
    return n == 0 || (a[0] == b[0] && a[n / 2] == b[n / 2] && a[n - 1] == b[n - 1]);
}

// The slot array of an open-addressing table of names, four bytes a slot. A
// slot holds the position of its name in the table's own list in the low bits
// and, above them, bits of the name's hash that the slot's place does not
// already tell: a probe passes the slots of other names without reading the
// names, which in a table larger than the caches costs a miss each. Positions
// stay below half the slot count, so no entry equals kEmpty.
class TaggedSlots {
  public:
    static constexpr std::uint32_t kEmpty = UINT32_MAX;

    // `count` empty slots, a power of two.
    void assign(std::size_t count) {
        slots_.assign(count, kEmpty);
        // More than 2^32 slots would need more names than memory holds.
        position_bits_ = std::min(32U, static_cast<unsigned>(std::countr_zero(count)));
    }
    void clear() { slots_.clear(); }
    bool empty() const { return slots_.empty(); }
    std::size_t size() const { return slots_.size(); }
    std::size_t home(std::uint64_t hash) const {
        return static_cast<std::size_t>(hash) & (slots_.size() - 1);
    }
    std::size_t next(std::size_t i) const { return (i + 1) & (slots_.size() - 1); }
    std::uint32_t& operator[](std::size_t i) { return slots_[i]; }
    std::uint32_t operator[](std::size_t i) const { return slots_[i]; }

    std::uint32_t entry(std::uint64_t hash, std::size_t position) const {
        return static_cast<std::uint32_t>((tag(hash) << position_bits_) | position);
    }
    // Whether a full slot may hold the name of this hash.
    bool may_hold(std::uint32_t slot, std::uint64_t hash) const {
        return (std::uint64_t{slot} >> position_bits_) == tag(hash);
    }
    std::uint32_t position(std::uint32_t slot) const {
        return static_cast<std::uint32_t>(slot & ((std::uint64_t{1} << position_bits_) - 1));
    }
    // Asks for the slot from memory without waiting for it.
    void prefetch(std::size_t i) const { orve::prefetch(slots_.data() + i); }

    // The slot holding the name of this hash, `same(position)` telling whether
    // the name at a position is it, or the empty slot where it would go.
    template <typename Same> std::size_t find(std::uint64_t hash, Same same) const {
        for (std::size_t i = home(hash);; i = next(i)) {
            const std::uint32_t slot = slots_[i];
            if (slot == kEmpty || (may_hold(slot, hash) && same(position(slot)))) {
                return i;
            }
        }
    }
    // The first empty slot from the home of this hash, for a name known absent.
    std::size_t free_slot(std::uint64_t hash) const {
        std::size_t i = home(hash);
        while (slots_[i] != kEmpty) {
            i = next(i);
        }
        return i;
    }

  private:
    // The upper half of the hash, as many bits of it as fit above a position.
    std::uint64_t tag(std::uint64_t hash) const {
        return (hash >> 32U) & ((std::uint64_t{1} << (32U - position_bits_)) - 1);
    }

    SlotArray slots_;
    unsigned position_bits_ = 0;
};

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

    // Room for `count` names in the list, leaving the table to grow as names
    // come: list room is only address space until used, table room is not.
    void reserve_names(std::size_t count) { names_.reserve(count); }

    // Adds the name unless present; true when it was added.
    bool insert(const Name& name) {
        if (2 * (names_.size() + 1) > slots_.size()) {
            rehash(std::max<std::size_t>(16, 2 * slots_.size()));
        }
        const std::uint64_t hash = name_hash(name);
        std::uint32_t& slot = slots_[slot_of(name, hash)];
        if (slot != TaggedSlots::kEmpty) {
            return false;
        }
        slot = slots_.entry(hash, names_.size());
        names_.push_back(name);
        return true;
    }

    bool contains(std::string_view name) const {
        return !slots_.empty() && slots_[slot_of(name, name_hash(name))] != TaggedSlots::kEmpty;
    }
    // Asks for the table slot of the name from memory without waiting for it:
    // called a little ahead of contains or insert, it lets the cache misses of
    // a large table overlap with other work.
    void prefetch(std::string_view name) const {
        if (!slots_.empty()) {
            slots_.prefetch(slots_.home(name_hash(name)));
        }
    }
    const std::vector<Name>& names() const { return names_; }
    // Hands over the names, leaving the set empty.
    std::vector<Name> take_names() {
        slots_.clear();
        return std::exchange(names_, {});
    }
    void clear() {
        names_.clear();
        slots_.clear();
    }

  private:
    static std::size_t slots_for(std::size_t expected) {
        std::size_t slots = 16;
        while (slots < 2 * expected) {
            slots *= 2;
        }
        return slots;
    }

    // The slot holding the name, or the empty slot where it would go.
    std::size_t slot_of(std::string_view name, std::uint64_t hash) const {
        return slots_.find(
            hash, [&](std::uint32_t position) { return same_name(names_[position], name); });
    }

    void rehash(std::size_t slot_count) {
        slots_.assign(slot_count);
        // In batches: every slot of a batch is asked for before any is probed.
        constexpr std::size_t kBatch = 32;
        std::array<std::uint64_t, kBatch> hashes{};
        for (std::size_t from = 0; from < names_.size(); from += kBatch) {
            const std::size_t count = std::min(kBatch, names_.size() - from);
            for (std::size_t k = 0; k < count; ++k) {
                hashes[k] = name_hash(names_[from + k]);
                slots_.prefetch(slots_.home(hashes[k]));
            }
            for (std::size_t k = 0; k < count; ++k) {
                slots_[slots_.free_slot(hashes[k])] = slots_.entry(hashes[k], from + k);
            }
        }
    }

    std::vector<Name> names_; // in order of insertion
    TaggedSlots slots_;
};

// A set of names that does not own them.
using NameSet = OrderedNameSet<std::string_view>;

} // namespace orve
