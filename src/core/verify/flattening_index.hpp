// The rules and the askable conditions as flattening sees them, with names
// interned, and the small queries on them.
#pragma once

#include "askables/askable_lists.hpp"
#include "kb/knowledge_base.hpp"

#include <cstddef>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

namespace orve {

// Interned name of a condition or conclusion.
using NameId = int;

// The rules and the askable conditions seen by flattening, with names interned so
// that the alternatives of a condition are found without searching the table.
class FlatteningIndex {
  public:
    // Id of names neither concluded by a rule nor askable.
    static constexpr NameId kUnknown = -1;

    FlatteningIndex(const RuleBase& rules, const AskableLists& askables);

    NameId id_of(const std::string& name) const;
    const std::string& name_of(NameId id) const { return names_[slot(id)]; }
    Names names_of(const std::vector<NameId>& ids) const;
    std::size_t name_count() const { return names_.size(); }

    bool askable(NameId id) const { return id != kUnknown && askable_[slot(id)] != 0; }
    // True when the name can lead back to itself through rules; only such a
    // name can meet itself on a flattening path.
    bool on_cycle(NameId id) const { return id != kUnknown && on_cycle_[slot(id)] != 0; }
    // False when no rule can ever flatten to askable conditions: a condition
    // of the rule can neither be asked nor be concluded by such a rule.
    bool rule_flattenable(std::size_t rule) const { return rule_flattenable_[rule] != 0; }
    bool flattenable(NameId id) const { return id != kUnknown && flattenable_[slot(id)] != 0; }
    // Table indices of the rules concluding the name, in table order.
    const std::vector<std::size_t>& concluding(NameId id) const;

    const std::vector<Rule>& rules() const { return *rules_; }
    const std::vector<NameId>& rule_conditions(std::size_t rule) const {
        return rule_conditions_[rule];
    }
    NameId rule_conclusion(std::size_t rule) const { return rule_conclusion_[rule]; }

  private:
    static std::size_t slot(NameId id) { return static_cast<std::size_t>(id); }
    NameId intern(const std::string& name);
    void find_cycles();
    void find_flattenable();

    const std::vector<Rule>* rules_;
    std::vector<std::string> names_;
    std::unordered_map<std::string, NameId> ids_;
    std::vector<char> askable_;
    std::vector<char> on_cycle_;
    std::vector<char> flattenable_;
    std::vector<char> rule_flattenable_;
    std::vector<std::vector<std::size_t>> concluding_;
    std::vector<std::vector<NameId>> rule_conditions_;
    std::vector<NameId> rule_conclusion_;
};

// `szukaj_regule`: the alternatives for one condition, (number, conditions) of
// every rule concluding it in table order, then (0, [condition]) if askable.
std::vector<std::pair<int, Names>> szukaj_regule(const FlatteningIndex& index,
                                                 const std::string& condition);

// `ma_warunki_niedopyt`: with `non_askable_wanted` ("YES") true when some element
// is not askable; otherwise true when every element is askable.
bool ma_warunki_niedopyt(const FlatteningIndex& index, const Names& list, bool non_askable_wanted);

} // namespace orve
