// Flattening of rules: a rule's condition list rewritten, rule by rule, until it
// speaks only of askable conditions. The shared engine of the verification tests.
#pragma once

#include "askables/askable_lists.hpp"
#include "kb/knowledge_base.hpp"

#include <cstddef>
#include <functional>
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

// One flattened version as the engine delivers it: views valid only during the
// visitor's call.
struct FlatView {
    const std::vector<NameId>& conditions; // askable, no name twice
    // Rule numbers in the order of application, 0 for a condition kept as
    // itself. `rules_used` of a result is this list reversed.
    const std::vector<int>& applied;
};

// Called once per flattened version; returning false stops the enumeration.
using FlatIdVisitor = std::function<bool(const FlatView&)>;

// `splaszcz` on interned names: enumerates the flattened versions of a condition
// list in their defined order. A branch that would expand a conclusion already
// on the path that brought in the condition is dropped, so rules that conclude
// one another in a cycle end instead of looping.
void flatten_ids(const FlatteningIndex& index, const std::vector<NameId>& conditions,
                 const FlatIdVisitor& visit);

// A flattening result: the askable conditions and the rules used, most recently
// applied first, with 0 for every condition kept as itself.
struct Flattened {
    Names conditions;
    Numbers rules_used;
};

// `splaszcz`: the flattened versions of a condition list, one call of `visit` per
// version until it returns false or none is left.
void splaszcz(const FlatteningIndex& index, const Names& conditions,
              const std::function<bool(const Flattened&)>& visit);

// `szukaj_regule`: the alternatives for one condition, (number, conditions) of
// every rule concluding it in table order, then (0, [condition]) if askable.
std::vector<std::pair<int, Names>> szukaj_regule(const FlatteningIndex& index,
                                                 const std::string& condition);

// `ma_warunki_niedopyt`: with `non_askable_wanted` ("YES") true when some element
// is not askable; otherwise true when every element is askable.
bool ma_warunki_niedopyt(const FlatteningIndex& index, const Names& list, bool non_askable_wanted);

// The rules used as they are shown: zeros dropped, order of application.
Numbers rules_used_for_display(const Numbers& rules_used);
Numbers applied_without_zeros(const std::vector<int>& applied);

// One flattened version kept for repeated comparison.
struct FlatVersion {
    std::vector<NameId> conditions;
    Numbers used; // display form
};

// The flattened versions of each rule, computed on first use: the tests that
// compare versions of many rules flatten every rule once.
class FlatVersionCache {
  public:
    explicit FlatVersionCache(const FlatteningIndex& index)
        : index_(index), versions_(index.rules().size()), done_(index.rules().size(), 0) {}

    const std::vector<FlatVersion>& versions(std::size_t rule);
    const FlatteningIndex& index() const { return index_; }

  private:
    const FlatteningIndex& index_;
    std::vector<std::vector<FlatVersion>> versions_;
    std::vector<char> done_;
};

} // namespace orve
