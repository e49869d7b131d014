// Finds, pass after pass, the first rule in file order that applies, without
// testing again the rules whose outcome cannot have changed.
#pragma once

#include "askables/name_set.hpp"
#include "chaining/index_queue.hpp"
#include "report/dialogs.hpp"
#include "state/app_state.hpp"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace orve {

// Every pass of the chaining loop looks for the first applicable rule from the
// top of the rule table. Within one run the true conditions only grow, so a
// rule needs testing again only when the condition that stopped its last test
// has since become true; a rule whose conclusion is true never applies again.
// Testing only those rules, in file order, finds the same rule, asks the same
// questions in the same order, and keeps a long run linear instead of
// quadratic in the number of rules.
class RuleAgenda {
  public:
    RuleAgenda(const std::vector<Rule>& rules, const WorkingMemory& memory);

    // The first rule of this pass whose conclusion is not true and whose
    // conditions hold (`testuj_warunki`, which may ask the user).
    const Rule* first_applicable(AppState& state, Dialogs& ui);

  private:
    // Wakes the rules stopped by conditions that became true since the last call.
    void catch_up(const WorkingMemory& memory);
    // Tests one rule; false when it does not apply now.
    bool applies(AppState& state, Dialogs& ui, std::size_t index);
    void schedule_all();
    // Readies the look-ups of the names of the rule at `index`, if any: in a
    // long pass the rules a little ahead of the one tested are mostly tested
    // next, and their look-ups then find the table in the cache.
    void prefetch_names(const WorkingMemory& memory, std::size_t index) const;
    static constexpr std::size_t kAhead = 8;
    // Askability from an index of the general askable list, built when first
    // needed: the list does not change during a run.
    bool is_askable(const AppState& state, const std::string& condition);

    const std::vector<Rule>& rules_;
    IndexQueue pending_; // rules to test, by position in the table
    // Rules stopped by a condition that is not true, keyed by that condition
    // (a view into the rule table, which does not change during a run).
    std::unordered_map<std::string_view, std::vector<std::size_t>> stopped_by_;
    std::size_t seen_true_ = 0; // true conditions already looked at
    std::optional<NameSet> askable_;
};

} // namespace orve
