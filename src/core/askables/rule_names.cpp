#include "askables/rule_names.hpp"

#include "askables/name_set.hpp"

#include <algorithm>

namespace orve {

namespace {

const std::string no_condition = "No condition";
const std::string end_conclusion = "end";

// A power of two at least twice `names`, so that probing stays short.
std::size_t slots_for(std::size_t names) {
    std::size_t slots = 16;
    while (slots < 2 * names) {
        slots *= 2;
    }
    return slots;
}

} // namespace

RuleNames::RuleNames(const RuleBase& rules) {
    std::size_t conditions = 0;
    for (const auto& rule : rules.rules) {
        conditions += rule.conditions.size();
    }
    const std::size_t occurrences = conditions + rules.rules.size();
    // Sized for every occurrence being distinct, so that nothing grows: the
    // whole goes before the lists it serves are filled.
    slots_.assign(slots_for(occurrences), kEmpty);
    names_.reserve(occurrences);
    uses_.reserve(occurrences);
    condition_order_.reserve(conditions);
    conclusion_order_.reserve(rules.rules.size());
    // Walking backwards, the first sighting of a name is its last occurrence.
    for (auto rule = rules.rules.rbegin(); rule != rules.rules.rend(); ++rule) {
        if (rule->conclusion != end_conclusion) {
            note(rule->conclusion, kConclusion, conclusion_order_);
        }
        for (auto condition = rule->conditions.rbegin(); condition != rule->conditions.rend();
             ++condition) {
            note(*condition, kCondition, condition_order_);
        }
    }
    std::reverse(condition_order_.begin(), condition_order_.end());
    std::reverse(conclusion_order_.begin(), conclusion_order_.end());
}

void RuleNames::note(const std::string& name, std::uint8_t use, std::vector<std::uint32_t>& order) {
    const std::uint32_t id = add(name);
    if ((uses_[id] & use) == 0) {
        uses_[id] |= use;
        order.push_back(id);
    }
}

inline std::size_t RuleNames::slot_of(std::string_view name) const {
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t i = static_cast<std::size_t>(name_hash(name)) & mask;; i = (i + 1) & mask) {
        if (slots_[i] == kEmpty || same_name(*names_[slots_[i]], name)) {
            return i;
        }
    }
}

std::uint32_t RuleNames::add(const std::string& name) {
    std::uint32_t& slot = slots_[slot_of(name)];
    if (slot == kEmpty) {
        slot = static_cast<std::uint32_t>(names_.size());
        names_.push_back(&name);
        uses_.push_back(0);
    }
    return slot;
}

std::uint32_t RuleNames::find(std::string_view name) const {
    return slots_[slot_of(name)];
}

bool RuleNames::askable_at(std::uint32_t id) const {
    return uses_[id] == kCondition && *names_[id] != no_condition;
}

std::vector<std::string_view> RuleNames::askable() const {
    std::vector<std::string_view> askable;
    for (const std::uint32_t id : condition_order_) {
        if (askable_at(id)) {
            askable.emplace_back(*names_[id]);
        }
    }
    return askable;
}

bool RuleNames::is_askable(std::string_view name) const {
    const std::uint32_t id = find(name);
    return id != kEmpty && askable_at(id);
}

Names RuleNames::copies(const std::vector<std::uint32_t>& order) const {
    Names names;
    names.reserve(order.size());
    for (const std::uint32_t id : order) {
        names.push_back(*names_[id]);
    }
    return names;
}

} // namespace orve
