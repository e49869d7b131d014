#include "tools/answer_search.hpp"

#include <algorithm>
#include <deque>
#include <iterator>
#include <queue>
#include <unordered_map>

namespace orve {

namespace {

using IdSet = std::vector<int>; // sorted ids of askable conditions

// At most this many candidate sets are checked by derivation.
constexpr std::size_t kCandidatesChecked = 16;

// The names that can contribute to establishing `target`: the target and,
// through the rules concluding each, their conditions (found iteratively).
std::vector<std::string> contributors(const AppState& state, const RuleIndex& index,
                                      const std::string& target) {
    std::vector<std::string> names{target};
    std::unordered_map<std::string, bool> seen{{target, true}};
    for (std::size_t next = 0; next < names.size(); ++next) {
        const std::string name = names[next];
        for (const std::size_t rule : index.concluding(name)) {
            for (const auto& condition : state.kb.rule.rules[rule].conditions) {
                if (seen.emplace(condition, true).second) {
                    names.push_back(condition);
                }
            }
        }
    }
    return names;
}

struct Entry {
    std::size_t size;
    std::size_t order; // ties: first found first
    int name;
    IdSet set;
    bool operator>(const Entry& other) const {
        return size != other.size ? size > other.size : order > other.order;
    }
};

class Search {
  public:
    Search(const AppState& state, const RuleIndex& index, const RunTruth& truth,
           const std::string& target)
        : state_(state), index_(index), names_(contributors(state, index, target)) {
        for (std::size_t i = 0; i < names_.size(); ++i) {
            ids_.emplace(names_[i], static_cast<int>(i));
        }
        best_.resize(names_.size());
        seed(truth);
    }

    // Runs to the end: every name gets its cheapest set, if it has one.
    void run() {
        while (!queue_.empty()) {
            Entry entry = queue_.top();
            queue_.pop();
            auto& best = best_[static_cast<std::size_t>(entry.name)];
            if (best) {
                continue;
            }
            best = std::move(entry.set);
            for (const std::size_t rule :
                 index_.using_condition(names_[static_cast<std::size_t>(entry.name)])) {
                // Rules concluding a name outside the search are not counted.
                const auto counted = remaining_.find(rule);
                if (counted != remaining_.end() && --counted->second == 0) {
                    combine(rule);
                }
            }
        }
    }

    // The set of a rule's conditions, if every condition has one that fits.
    std::optional<IdSet> rule_set(std::size_t rule) const {
        IdSet all;
        for (const auto& condition : state_.kb.rule.rules[rule].conditions) {
            const auto& set = best_[static_cast<std::size_t>(ids_.at(condition))];
            if (!set) {
                return std::nullopt;
            }
            IdSet merged;
            std::set_union(all.begin(), all.end(), set->begin(), set->end(),
                           std::back_inserter(merged));
            all = std::move(merged);
            if (all.size() > kMostAnswersProposed) {
                return std::nullopt;
            }
        }
        return all;
    }

    Names names_of(const IdSet& set) const {
        Names names;
        for (const int id : set) {
            names.push_back(names_[static_cast<std::size_t>(id)]);
        }
        return names;
    }

  private:
    void push(int name, IdSet set) { queue_.push({set.size(), order_++, name, std::move(set)}); }

    void seed(const RunTruth& truth) {
        // The target itself counts only through its rules.
        for (std::size_t i = 1; i < names_.size(); ++i) {
            if (truth.holds(names_[i])) {
                push(static_cast<int>(i), {});
            } else if (index_.askable(names_[i])) {
                push(static_cast<int>(i), {static_cast<int>(i)});
            }
        }
        for (std::size_t i = 0; i < names_.size(); ++i) {
            for (const std::size_t rule : index_.concluding(names_[i])) {
                Names conditions = state_.kb.rule.rules[rule].conditions;
                std::sort(conditions.begin(), conditions.end());
                conditions.erase(std::unique(conditions.begin(), conditions.end()),
                                 conditions.end());
                remaining_[rule] = conditions.size();
                if (conditions.empty()) {
                    push(static_cast<int>(i), {});
                }
            }
        }
    }

    void combine(std::size_t rule) {
        const auto& conclusion = state_.kb.rule.rules[rule].conclusion;
        const int id = ids_.at(conclusion);
        if (best_[static_cast<std::size_t>(id)]) {
            return;
        }
        if (auto set = rule_set(rule)) {
            push(id, std::move(*set));
        }
    }

    const AppState& state_;
    const RuleIndex& index_;
    std::vector<std::string> names_;
    std::unordered_map<std::string, int> ids_;
    std::vector<std::optional<IdSet>> best_;
    std::unordered_map<std::size_t, std::size_t> remaining_;
    std::priority_queue<Entry, std::vector<Entry>, std::greater<>> queue_;
    std::size_t order_ = 0;
};

// Candidate sets for the target, smallest first, each once.
std::vector<IdSet> candidates(const Search& search, const RuleIndex& index,
                              const std::string& target) {
    std::vector<IdSet> sets;
    for (const std::size_t rule : index.concluding(target)) {
        if (auto set = search.rule_set(rule)) {
            sets.push_back(std::move(*set));
        }
    }
    std::stable_sort(sets.begin(), sets.end(),
                     [](const IdSet& a, const IdSet& b) { return a.size() < b.size(); });
    sets.erase(std::unique(sets.begin(), sets.end()), sets.end());
    if (sets.size() > kCandidatesChecked) {
        sets.resize(kCandidatesChecked);
    }
    return sets;
}

} // namespace

bool follows_with(const AppState& state, const RuleIndex& index, const RunTruth& truth,
                  const Names& yes, const std::string& name) {
    std::unordered_map<std::string, bool> known; // true, or false when excluded
    for (const auto& held : truth.true_set) {
        if (truth.by_rules.count(held) == 0) {
            known.emplace(held, true);
        }
    }
    for (const auto& answer : yes) {
        if (const Constraint* constraint = index.first_constraint_with(answer)) {
            for (const auto& other : constraint->conditions) {
                if (other != answer) {
                    known[other] = false;
                }
            }
        }
    }
    for (const auto& answer : yes) {
        known[answer] = true;
    }
    const auto& rules = state.kb.rule.rules;
    std::vector<std::size_t> remaining(rules.size());
    std::deque<std::string> newly_true;
    const auto establish = [&](const std::string& conclusion) {
        if (known.emplace(conclusion, true).second) {
            newly_true.push_back(conclusion);
        }
    };
    for (std::size_t i = 0; i < rules.size(); ++i) {
        Names conditions = rules[i].conditions;
        std::sort(conditions.begin(), conditions.end());
        conditions.erase(std::unique(conditions.begin(), conditions.end()), conditions.end());
        remaining[i] = static_cast<std::size_t>(
            std::count_if(conditions.begin(), conditions.end(), [&](const std::string& condition) {
                const auto found = known.find(condition);
                return found == known.end() || !found->second;
            }));
    }
    for (std::size_t i = 0; i < rules.size(); ++i) {
        if (remaining[i] == 0) {
            establish(rules[i].conclusion);
        }
    }
    while (!newly_true.empty()) {
        const std::string held = newly_true.front();
        newly_true.pop_front();
        for (const std::size_t rule : index.using_condition(held)) {
            if (--remaining[rule] == 0) {
                establish(rules[rule].conclusion);
            }
        }
    }
    const auto found = known.find(name);
    return found != known.end() && found->second;
}

std::optional<Names> answers_to_establish(const AppState& state, const RuleIndex& index,
                                          const RunTruth& truth, const std::string& name) {
    Search search(state, index, truth, name);
    search.run();
    for (const IdSet& set : candidates(search, index, name)) {
        Names yes = search.names_of(set);
        if (follows_with(state, index, truth, yes, name)) {
            return yes;
        }
    }
    return std::nullopt;
}

} // namespace orve
