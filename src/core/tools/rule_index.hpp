// Look-ups over the loaded rules and relational models that the tools need
// many times: who concludes a name, which rules use it, whether it is askable.
#pragma once

#include "state/app_state.hpp"

#include <cstddef>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace orve {

class RuleIndex {
  public:
    explicit RuleIndex(const AppState& state);

    // Positions in the rule table of the rules concluding / using a name.
    const std::vector<std::size_t>& concluding(const std::string& name) const;
    const std::vector<std::size_t>& using_condition(const std::string& name) const;
    // Numbers of the relational models concluding a name, in Model Base order.
    const std::vector<int>& models_concluding(const std::string& name) const;
    bool askable(const std::string& name) const { return askable_.count(name) != 0; }
    // The first constraint (in file order) holding the condition, if any.
    const Constraint* first_constraint_with(const std::string& name) const;

  private:
    std::unordered_map<std::string, std::vector<std::size_t>> concluding_;
    std::unordered_map<std::string, std::vector<std::size_t>> using_;
    std::unordered_map<std::string, std::vector<int>> models_;
    std::unordered_map<std::string, const Constraint*> constraint_;
    std::unordered_set<std::string> askable_;
};

} // namespace orve
