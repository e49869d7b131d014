// The distinct names used by the rules of a Rule Base, gathered in one pass:
// whether each is a condition or a conclusion, in the order of last use.
#pragma once

#include "askables/list_helpers.hpp"
#include "kb/knowledge_base.hpp"

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
    // Whether the name is an askable condition.
    bool is_askable(std::string_view name) const;

  private:
    static constexpr std::uint8_t kCondition = 1;
    static constexpr std::uint8_t kConclusion = 2;
    static constexpr std::uint32_t kEmpty = UINT32_MAX;

    std::uint32_t add(const std::string& name);
    std::uint32_t find(std::string_view name) const;
    std::size_t slot_of(std::string_view name) const;
    void note(const std::string& name, std::uint8_t use, std::vector<std::uint32_t>& order);
    bool askable_at(std::uint32_t id) const;
    Names copies(const std::vector<std::uint32_t>& order) const;

    std::vector<const std::string*> names_;       // distinct, in order of first sighting
    std::vector<std::uint8_t> uses_;              // kCondition | kConclusion per name
    std::vector<std::uint32_t> slots_;            // positions in names_, or kEmpty
    std::vector<std::uint32_t> condition_order_;  // positions, in order of last use
    std::vector<std::uint32_t> conclusion_order_; // positions, in order of last use
};

} // namespace orve
