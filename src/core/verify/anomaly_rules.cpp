// Anomalies of the rules' structure: unreachable conclusions, unused askable
// names, duplicate rules; and the whole set of anomaly tests.
#include "verify/anomaly_checks.hpp"

#include "state/condition_names.hpp"
#include "verify/model_names.hpp"

#include <algorithm>
#include <cstddef>
#include <map>
#include <set>
#include <unordered_map>

namespace orve {

namespace {

// The distinct conditions of a rule.
Names distinct(const Names& conditions) {
    Names sorted = conditions;
    std::sort(sorted.begin(), sorted.end());
    sorted.erase(std::unique(sorted.begin(), sorted.end()), sorted.end());
    return sorted;
}

// Names that can hold in some run: askable conditions, model results and what
// rules made only of such names conclude. Each rule is counted down once per
// distinct condition, so the work is linear in the size of the base.
std::set<std::string> establishable(const KnowledgeBaseSet& kb, const AskableLists& askables) {
    const auto& rules = kb.rule.rules;
    std::vector<std::size_t> missing(rules.size());
    std::unordered_map<std::string, std::vector<std::size_t>> waiting;
    std::set<std::string> known;
    std::vector<std::string> queue;
    const auto establish = [&](const std::string& name) {
        if (known.insert(name).second) {
            queue.push_back(name);
        }
    };
    for (std::size_t r = 0; r < rules.size(); ++r) {
        const Names conditions = distinct(rules[r].conditions);
        missing[r] = conditions.size();
        for (const auto& condition : conditions) {
            waiting[condition].push_back(r);
        }
        if (conditions.empty()) {
            establish(rules[r].conclusion);
        }
    }
    establish(no_condition_name);
    for (const std::string_view name : askables.dopytywalny) {
        establish(std::string(name));
    }
    for (const auto& name : model_results(kb.model)) {
        establish(name);
    }
    while (!queue.empty()) {
        const std::string name = std::move(queue.back());
        queue.pop_back();
        const auto it = waiting.find(name);
        if (it == waiting.end()) {
            continue;
        }
        for (const std::size_t r : it->second) {
            if (--missing[r] == 0) {
                establish(rules[r].conclusion);
            }
        }
    }
    return known;
}

} // namespace

std::string anomaly_kind_token(AnomalyKind kind) {
    switch (kind) {
    case AnomalyKind::DeadEndCondition:
        return "dead-end-condition";
    case AnomalyKind::UnreachableConclusion:
        return "unreachable-conclusion";
    case AnomalyKind::UnusedAskable:
        return "unused-askable";
    case AnomalyKind::BlockedByConstraints:
        return "blocked-by-constraints";
    case AnomalyKind::DuplicateRules:
        return "duplicate-rules";
    case AnomalyKind::SimilarNames:
        return "similar-names";
    }
    return "anomaly";
}

std::vector<Anomaly> find_unreachable_conclusions(const KnowledgeBaseSet& kb,
                                                  const AskableLists& askables) {
    const std::set<std::string> known = establishable(kb, askables);
    std::map<std::string, std::size_t> position;
    std::vector<Anomaly> found;
    for (const auto& rule : kb.rule.rules) {
        if (known.count(rule.conclusion) != 0) {
            continue;
        }
        auto at = position.find(rule.conclusion);
        if (at == position.end()) {
            at = position.emplace(rule.conclusion, found.size()).first;
            found.push_back({AnomalyKind::UnreachableConclusion, {}, {}, {rule.conclusion}});
        }
        found[at->second].rules.push_back(rule.number);
    }
    return found;
}

std::vector<Anomaly> find_unused_askables(const KnowledgeBaseSet& kb) {
    std::set<std::string> used;
    for (const auto& rule : kb.rule.rules) {
        used.insert(rule.conditions.begin(), rule.conditions.end());
    }
    for (const auto& name : model_inputs(kb.model)) {
        used.insert(name);
    }
    std::map<std::string, std::size_t> position;
    std::vector<Anomaly> found;
    const auto report = [&](const std::string& name, int constraint) {
        if (used.count(name) != 0) {
            return;
        }
        auto at = position.find(name);
        if (at == position.end()) {
            at = position.emplace(name, found.size()).first;
            found.push_back({AnomalyKind::UnusedAskable, {}, {}, {name}});
        }
        Numbers& constraints = found[at->second].constraints;
        if (constraint != 0 && (constraints.empty() || constraints.back() != constraint)) {
            constraints.push_back(constraint);
        }
    };
    for (const auto& constraint : kb.constraint.constraints) {
        for (const auto& name : constraint.conditions) {
            report(name, constraint.number);
        }
    }
    for (const auto& name : kb.model.m_facts) {
        report(name, 0);
    }
    return found;
}

std::vector<Anomaly> find_duplicate_rules(const RuleBase& rules) {
    // (conclusion, distinct conditions) -> the first rule that has them.
    std::map<std::pair<std::string, Names>, std::size_t> first;
    std::vector<Anomaly> found;
    for (const auto& rule : rules.rules) {
        const auto [at, added] =
            first.emplace(std::make_pair(rule.conclusion, distinct(rule.conditions)), found.size());
        if (added) {
            found.push_back({AnomalyKind::DuplicateRules, {rule.number}, {}, {rule.conclusion}});
        } else {
            found[at->second].rules.push_back(rule.number);
        }
    }
    std::erase_if(found, [](const Anomaly& a) { return a.rules.size() < 2; });
    return found;
}

std::vector<Anomaly> find_anomalies(const KnowledgeBaseSet& kb, const AskableLists& askables) {
    std::vector<Anomaly> all;
    for (auto&& part : {find_dead_end_conditions(kb), find_unreachable_conclusions(kb, askables),
                        find_unused_askables(kb), find_rules_blocked_by_constraints(kb, askables),
                        find_duplicate_rules(kb.rule), find_similar_names(kb)}) {
        all.insert(all.end(), part.begin(), part.end());
    }
    return all;
}

} // namespace orve
