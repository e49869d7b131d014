#include "model_verify/joint_model_rule_search.hpp"

#include "askables/list_helpers.hpp"
#include "models/model_operations.hpp"
#include "verify/flattening.hpp"
#include "verify/flattening_index.hpp"

#include <algorithm>

namespace orve {

namespace {

// One way to go on from a condition: the condition to continue with and the
// model numbers met, in the order they stand in the collection.
struct Step {
    std::string condition;
    Numbers numbers;
};

bool computed_or_concluded(const ModelBase& base, const std::string& name) {
    const auto named = [&name](const auto& m) { return m.result == name; };
    return std::any_of(base.basic.begin(), base.basic.end(), named) ||
           std::any_of(base.extended.begin(), base.extended.end(), named);
}

// Steps through basic arithmetical models feeding relational model `m`.
void add_feeding_steps(const ModelBase& base, const ModelB& m, std::vector<Step>& steps) {
    for (const auto& a : base.basic) {
        if (&a != &m && !is_relation(a.operation) &&
            (a.result == m.argument1 || a.result == m.argument2)) {
            steps.push_back({a.go_ahead, {a.number, m.number}});
        }
    }
}

// The steps from `condition`, in the order the alternatives are tried.
std::vector<Step> steps_from(const ModelBase& base, const std::string& condition) {
    std::vector<Step> steps;
    for (const auto& m : base.basic) {
        if (m.result == condition && is_relation(m.operation)) {
            steps.push_back({m.go_ahead, {m.number}});
        }
    }
    for (const auto& m : base.extended) {
        if (m.result == condition && is_interval_relation(m.operation)) {
            steps.push_back({m.go_ahead, {m.number}});
        }
    }
    for (const auto& m : base.basic) {
        if (m.result == condition && is_relation(m.operation)) {
            add_feeding_steps(base, m, steps);
        }
    }
    return steps;
}

// Depth-first expansion. The collections are kept with the front at the back
// of the vectors, so that adding and undoing are cheap.
class ChainSearch {
  public:
    ChainSearch(const ModelBase& base, const ModelChainVisitor& visit)
        : base_(base), visit_(visit) {}

    // A condition met again on the same path would repeat the expansion
    // without end; the path delivers what it collected instead. The path
    // holds each condition once, so its length, and the recursion, are
    // bounded by the number of distinct conditions.
    void expand(const std::string& condition) {
        const bool passed = std::find(path_.begin(), path_.end(), condition) != path_.end();
        if (passed || !computed_or_concluded(base_, condition)) {
            deliver();
            return;
        }
        path_.push_back(condition);
        for (const Step& step : steps_from(base_, condition)) {
            conditions_.push_back(step.condition);
            numbers_.insert(numbers_.end(), step.numbers.rbegin(), step.numbers.rend());
            expand(step.condition);
            conditions_.pop_back();
            numbers_.resize(numbers_.size() - step.numbers.size());
        }
        path_.pop_back();
    }

  private:
    void deliver() {
        visit_({{conditions_.rbegin(), conditions_.rend()}, {numbers_.rbegin(), numbers_.rend()}});
    }

    const ModelBase& base_;
    const ModelChainVisitor& visit_;
    Names path_; // conditions expanded on the way to the current one
    Names conditions_;
    Numbers numbers_;
};

// Expands the conditions from `next` on, each outcome put in front of what the
// earlier conditions collected.
void expand_from(const ModelBase& base, const Names& conditions, std::size_t next,
                 const ModelChain& collected, const ModelChainVisitor& visit) {
    while (next < conditions.size() && !computed_or_concluded(base, conditions[next])) {
        ++next;
    }
    if (next == conditions.size()) {
        visit(collected);
        return;
    }
    testuj_modele(base, conditions[next], [&](const ModelChain& group) {
        ModelChain joined = group;
        joined.conditions.insert(joined.conditions.end(), collected.conditions.begin(),
                                 collected.conditions.end());
        joined.numbers.insert(joined.numbers.end(), collected.numbers.begin(),
                              collected.numbers.end());
        expand_from(base, conditions, next + 1, joined, visit);
    });
}

// Records every way rules concluding `go_ahead` lead back to it.
void test_model(int number, const std::string& go_ahead, const RuleBase& rules,
                const FlatteningIndex& index, const ModelBase& base,
                std::vector<JointModelRuleInconsistency>& records) {
    for (const Rule& rule : rules.rules) {
        if (rule.conclusion != go_ahead) {
            continue;
        }
        splaszcz(index, rule.conditions, [&](const Flattened& flat) {
            splaszcz_modele(base, flat.conditions, [&](const ModelChain& outcome) {
                if (contains(outcome.conditions, go_ahead)) {
                    records.push_back({number, rule.number, flat.rules_used, outcome.numbers});
                }
            });
            return true;
        });
    }
}

} // namespace

void testuj_modele(const ModelBase& base, const std::string& condition,
                   const ModelChainVisitor& visit) {
    ChainSearch(base, visit).expand(condition);
}

void splaszcz_modele(const ModelBase& base, const Names& conditions,
                     const ModelChainVisitor& visit) {
    expand_from(base, conditions, 0, ModelChain{}, visit);
}

std::vector<JointModelRuleInconsistency> badaj_sprzecznosc_mr(const KnowledgeBaseSet& kb,
                                                              const AskableLists& askables) {
    const FlatteningIndex index(kb.rule, askables);
    std::vector<JointModelRuleInconsistency> records;
    for (const auto& m : kb.model.basic) {
        if (is_relation(m.operation)) {
            test_model(m.number, m.go_ahead, kb.rule, index, kb.model, records);
        }
    }
    for (const auto& m : kb.model.extended) {
        if (is_interval_relation(m.operation)) {
            test_model(m.number, m.go_ahead, kb.rule, index, kb.model, records);
        }
    }
    return records;
}

} // namespace orve
