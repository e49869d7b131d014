// The interned view of the rules and askables, and the small queries on it.
#include "verify/flattening_index.hpp"

#include "verify/conclusion_graph.hpp"

#include <algorithm>

namespace orve {

FlatteningIndex::FlatteningIndex(const RuleBase& rules, const AskableLists& askables)
    : rules_(&rules.rules) {
    rule_conditions_.reserve(rules.rules.size());
    rule_conclusion_.reserve(rules.rules.size());
    for (std::size_t r = 0; r < rules.rules.size(); ++r) {
        const Rule& rule = rules.rules[r];
        const NameId conclusion = intern(rule.conclusion);
        rule_conclusion_.push_back(conclusion);
        concluding_[slot(conclusion)].push_back(r);
        std::vector<NameId> conditions;
        conditions.reserve(rule.conditions.size());
        for (const auto& condition : rule.conditions) {
            conditions.push_back(intern(condition));
        }
        rule_conditions_.push_back(std::move(conditions));
    }
    for (const std::string_view name : askables.dopytywalny) {
        askable_[slot(intern(std::string(name)))] = 1;
    }
    find_cycles();
    find_flattenable();
}

// Least fixed point, linear in the base: a name is flattenable when askable or
// concluded by a rule whose conditions are all flattenable.
void FlatteningIndex::find_flattenable() {
    flattenable_ = askable_;
    std::vector<std::size_t> missing(rule_conditions_.size());
    std::vector<std::vector<std::size_t>> used_by(names_.size());
    std::vector<NameId> ready;
    for (std::size_t n = 0; n < names_.size(); ++n) {
        if (flattenable_[n] != 0) {
            ready.push_back(static_cast<NameId>(n));
        }
    }
    const auto complete = [&](std::size_t rule) {
        const NameId conclusion = rule_conclusion_[rule];
        if (flattenable_[slot(conclusion)] == 0) {
            flattenable_[slot(conclusion)] = 1;
            ready.push_back(conclusion);
        }
    };
    for (std::size_t r = 0; r < rule_conditions_.size(); ++r) {
        missing[r] = rule_conditions_[r].size();
        for (const NameId condition : rule_conditions_[r]) {
            used_by[slot(condition)].push_back(r);
        }
        if (missing[r] == 0) {
            complete(r);
        }
    }
    while (!ready.empty()) {
        const NameId name = ready.back();
        ready.pop_back();
        for (const std::size_t rule : used_by[slot(name)]) {
            if (--missing[rule] == 0) {
                complete(rule);
            }
        }
    }
    rule_flattenable_.assign(rule_conditions_.size(), 0);
    for (std::size_t r = 0; r < rule_conditions_.size(); ++r) {
        rule_flattenable_[r] = missing[r] == 0 ? 1 : 0;
    }
}

void FlatteningIndex::find_cycles() {
    // A name leads to the conditions of the rules concluding it.
    std::vector<std::vector<int>> successors(names_.size());
    on_cycle_.assign(names_.size(), 0);
    for (std::size_t r = 0; r < rule_conditions_.size(); ++r) {
        const NameId conclusion = rule_conclusion_[r];
        for (const NameId condition : rule_conditions_[r]) {
            successors[slot(conclusion)].push_back(condition);
            if (condition == conclusion) {
                on_cycle_[slot(conclusion)] = 1;
            }
        }
    }
    const std::vector<int> component = strongly_connected_components(successors);
    std::vector<std::size_t> size(names_.size(), 0);
    for (const int c : component) {
        ++size[static_cast<std::size_t>(c)];
    }
    for (std::size_t n = 0; n < names_.size(); ++n) {
        if (size[static_cast<std::size_t>(component[n])] > 1) {
            on_cycle_[n] = 1;
        }
    }
}

NameId FlatteningIndex::intern(const std::string& name) {
    const auto [it, added] = ids_.try_emplace(name, static_cast<NameId>(names_.size()));
    if (added) {
        names_.push_back(name);
        askable_.push_back(0);
        concluding_.emplace_back();
    }
    return it->second;
}

NameId FlatteningIndex::id_of(const std::string& name) const {
    const auto it = ids_.find(name);
    return it == ids_.end() ? kUnknown : it->second;
}

Names FlatteningIndex::names_of(const std::vector<NameId>& ids) const {
    Names names;
    names.reserve(ids.size());
    for (const NameId id : ids) {
        names.push_back(name_of(id));
    }
    return names;
}

const std::vector<std::size_t>& FlatteningIndex::concluding(NameId id) const {
    static const std::vector<std::size_t> none;
    return id == kUnknown ? none : concluding_[slot(id)];
}

std::vector<std::pair<int, Names>> szukaj_regule(const FlatteningIndex& index,
                                                 const std::string& condition) {
    std::vector<std::pair<int, Names>> alternatives;
    const NameId id = index.id_of(condition);
    for (const std::size_t r : index.concluding(id)) {
        alternatives.emplace_back(index.rules()[r].number, index.rules()[r].conditions);
    }
    if (index.askable(id)) {
        alternatives.emplace_back(0, Names{condition});
    }
    return alternatives;
}

bool ma_warunki_niedopyt(const FlatteningIndex& index, const Names& list, bool non_askable_wanted) {
    const bool some_not_askable = std::any_of(list.begin(), list.end(), [&](const auto& name) {
        return !index.askable(index.id_of(name));
    });
    return some_not_askable == non_askable_wanted;
}

} // namespace orve
