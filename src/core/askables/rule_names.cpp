#include "askables/rule_names.hpp"

#include "askables/name_set.hpp"
#include "askables/prefetch.hpp"

#include <algorithm>
#include <array>

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
    slots_.assign(slots_for(occurrences));
    names_.reserve(occurrences);
    uses_.reserve(occurrences);
    condition_order_.reserve(conditions);
    conclusion_order_.reserve(rules.rules.size());
    // Walking backwards, the first sighting of a name is its last occurrence.
    Batch batch;
    const auto gather = [&](const std::string& name, std::uint8_t use) {
        if (batch.size == kBatch) {
            note_all(batch);
        }
        batch.add(name, use, hash_ahead(name));
    };
    for (auto rule = rules.rules.rbegin(); rule != rules.rules.rend(); ++rule) {
        if (rule->conclusion != end_conclusion) {
            gather(rule->conclusion, kConclusion);
        }
        for (auto condition = rule->conditions.rbegin(); condition != rule->conditions.rend();
             ++condition) {
            gather(*condition, kCondition);
        }
    }
    note_all(batch);
    std::reverse(condition_order_.begin(), condition_order_.end());
    std::reverse(conclusion_order_.begin(), conclusion_order_.end());
}

std::uint64_t RuleNames::hash_ahead(std::string_view name) const {
    const std::uint64_t hash = name_hash(name);
    slots_.prefetch(slots_.home(hash));
    return hash;
}

void RuleNames::note_all(Batch& batch) {
    for (std::size_t k = 0; k < batch.size; ++k) {
        note(*batch.names[k], batch.uses[k], batch.hashes[k]);
    }
    batch.size = 0;
}

void RuleNames::note(const std::string& name, std::uint8_t use, std::uint64_t hash) {
    const std::uint32_t id = add(name, hash);
    if ((uses_[id] & use) == 0) {
        uses_[id] |= use;
        (use == kCondition ? condition_order_ : conclusion_order_).push_back(id);
    }
}

inline std::size_t RuleNames::slot_of(std::string_view name, std::uint64_t hash) const {
    return slots_.find(hash,
                       [&](std::uint32_t position) { return same_name(*names_[position], name); });
}

std::uint32_t RuleNames::add(const std::string& name, std::uint64_t hash) {
    std::uint32_t& slot = slots_[slot_of(name, hash)];
    if (slot == TaggedSlots::kEmpty) {
        slot = slots_.entry(hash, names_.size());
        names_.push_back(&name);
        uses_.push_back(0);
    }
    return slots_.position(slot);
}

std::uint32_t RuleNames::find(std::string_view name, std::uint64_t hash) const {
    const std::uint32_t slot = slots_[slot_of(name, hash)];
    return slot == TaggedSlots::kEmpty ? kNone : slots_.position(slot);
}

bool RuleNames::askable_at(std::uint32_t id) const {
    return uses_[id] == kCondition && *names_[id] != no_condition;
}

std::vector<std::string_view> RuleNames::askable() const {
    // Counted first: grown by doubling, the list of a large base would hold
    // its old and new room at once at the peak of loading.
    const auto count = std::count_if(condition_order_.begin(), condition_order_.end(),
                                     [this](std::uint32_t id) { return askable_at(id); });
    std::vector<std::string_view> askable;
    askable.reserve(static_cast<std::size_t>(count));
    for (const std::uint32_t id : condition_order_) {
        if (askable_at(id)) {
            askable.emplace_back(*names_[id]);
        }
    }
    return askable;
}

Names RuleNames::not_askable(const Names& names) const {
    Names found;
    std::array<std::uint64_t, kBatch> hashes{};
    for (std::size_t from = 0; from < names.size(); from += kBatch) {
        const std::size_t count = std::min(kBatch, names.size() - from);
        // Each step asks for what the next one reads, for the whole batch.
        for (std::size_t k = 0; k < count; ++k) {
            hashes[k] = hash_ahead(names[from + k]);
        }
        for (std::size_t k = 0; k < count; ++k) {
            const std::uint32_t slot = slots_[slots_.home(hashes[k])];
            if (slot != TaggedSlots::kEmpty && slots_.may_hold(slot, hashes[k])) {
                prefetch(&names_[slots_.position(slot)]);
            }
        }
        for (std::size_t k = 0; k < count; ++k) {
            const std::uint32_t slot = slots_[slots_.home(hashes[k])];
            if (slot != TaggedSlots::kEmpty && slots_.may_hold(slot, hashes[k])) {
                prefetch(names_[slots_.position(slot)]);
            }
        }
        for (std::size_t k = 0; k < count; ++k) {
            const std::string& name = names[from + k];
            const std::uint32_t id = find(name, hashes[k]);
            if (id == kNone || !askable_at(id)) {
                found.push_back(name);
            }
        }
    }
    return found;
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
