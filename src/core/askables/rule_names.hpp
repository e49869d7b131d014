// The distinct names used by the rules of a Rule Base, gathered in one pass:
// whether each is a condition or a conclusion, in the order of last use.
#pragma once

#include "askables/list_helpers.hpp"
#include "askables/name_set.hpp"
#include "kb/knowledge_base.hpp"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace orve {

class RuleNames {
  public:
    // Views of the rules' names: the rules must outlive this and stay as they are.
    explicit RuleNames(const RuleBase& rules);

    // The distinct conditions in the order of their last occurrences.
    Names conditions() const { return copies(condition_order_); }
    // The distinct conclusions but `end`, in the order of their last occurrences.
    Names conclusions() const { return copies(conclusion_order_); }
    // The askable conditions: those no rule concludes, but "No condition"; in
    // the order of conditions().
    std::vector<std::string_view> askable() const;
    // The names of the list that are no askable condition, in its order.
    Names not_askable(const Names& names) const;

  private:
    static constexpr std::uint8_t kCondition = 1;
    static constexpr std::uint8_t kConclusion = 2;
    static constexpr std::uint32_t kNone = UINT32_MAX;

    // Names are handled in batches: the slot of each is asked for from memory
    // when the batch is gathered, so that in a table larger than the caches
    // the waits overlap instead of following one another.
    static constexpr std::size_t kBatch = 32;
    struct Batch {
        std::array<const std::string*, kBatch> names{};
        std::array<std::uint8_t, kBatch> uses{};
        std::array<std::uint64_t, kBatch> hashes{};
        std::size_t size = 0;
        void add(const std::string& name, std::uint8_t use, std::uint64_t hash) {
            names[size] = &name;
            uses[size] = use;
            hashes[size] = hash;
            ++size;
        }
    };

    // The hash of the name, its home slot asked for from memory.
    std::uint64_t hash_ahead(std::string_view name) const;
    std::uint32_t add(const std::string& name, std::uint64_t hash);
    // The position of the name in names_, or kNone.
    std::uint32_t find(std::string_view name, std::uint64_t hash) const;
    std::size_t slot_of(std::string_view name, std::uint64_t hash) const;
    void note_all(Batch& batch);
    void note(const std::string& name, std::uint8_t use, std::uint64_t hash);
    bool askable_at(std::uint32_t id) const;
    Names copies(const std::vector<std::uint32_t>& order) const;

    std::vector<const std::string*> names_;       // distinct, in order of first sighting
    std::vector<std::uint8_t> uses_;              // kCondition | kConclusion per name
    TaggedSlots slots_;                           // positions in names_
    std::vector<std::uint32_t> condition_order_;  // positions, in order of last use
    std::vector<std::uint32_t> conclusion_order_; // positions, in order of last use
};

} // namespace orve
