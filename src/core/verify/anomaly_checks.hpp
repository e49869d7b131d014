// Anomaly tests beyond the load-time tests: weaknesses of a knowledge base that
// do not stop chaining but usually show a mistake of its author.
#pragma once

#include "askables/askable_lists.hpp"
#include "kb/knowledge_base.hpp"

#include <string>
#include <vector>

namespace orve {

enum class AnomalyKind {
    // A condition concluded by nothing and not askable in intent (no fact, no
    // constraint names it) whose name is one slip away from a conclusion.
    DeadEndCondition,
    // A rule conclusion that no rule concluding it can ever establish.
    UnreachableConclusion,
    // A name of a constraint or a model-base fact that no rule or model uses.
    UnusedAskable,
    // A rule every flattened version of which needs two conditions of one constraint.
    BlockedByConstraints,
    // Two rules with the same conclusion and the same set of conditions.
    DuplicateRules,
    // Names that differ only by letter case or blanks.
    SimilarNames,
};

// One anomaly: the rules and constraints involved and the names it is about.
struct Anomaly {
    AnomalyKind kind = AnomalyKind::DeadEndCondition;
    Numbers rules;
    Numbers constraints;
    Names names;
    bool operator==(const Anomaly&) const = default;
};

// Stable lower-case token of a kind, as the batch check prints it.
std::string anomaly_kind_token(AnomalyKind kind);

// Every anomaly of the loaded tables, grouped by kind in the order of the enum,
// each kind in table order. Bounded in time and memory on any input: the
// constraint test gives up on a rule with too many flattened versions.
std::vector<Anomaly> find_anomalies(const KnowledgeBaseSet& kb, const AskableLists& askables);

// The single tests, for callers and tests that want one kind.
std::vector<Anomaly> find_dead_end_conditions(const KnowledgeBaseSet& kb);
std::vector<Anomaly> find_unreachable_conclusions(const KnowledgeBaseSet& kb,
                                                  const AskableLists& askables);
std::vector<Anomaly> find_unused_askables(const KnowledgeBaseSet& kb);
std::vector<Anomaly> find_rules_blocked_by_constraints(const KnowledgeBaseSet& kb,
                                                       const AskableLists& askables);
std::vector<Anomaly> find_duplicate_rules(const RuleBase& rules);
std::vector<Anomaly> find_similar_names(const KnowledgeBaseSet& kb);

// The text two names are compared by for SimilarNames: ASCII letters in lower
// case, blanks and tabs left out.
std::string folded_name(const std::string& name);

// True when `a` becomes `b` by one inserted, deleted or replaced byte, or by
// swapping two neighbouring bytes, none of them a digit.
bool one_slip_apart(const std::string& a, const std::string& b);

} // namespace orve
