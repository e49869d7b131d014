// The search behind the joint Model Base and Rule Base test: rules flattened,
// then their conditions followed back through relational models (and the
// arithmetical models that feed them) to go-ahead conditions.
#pragma once

#include "askables/askable_lists.hpp"
#include "kb/knowledge_base.hpp"
#include "state/model_findings.hpp"
#include "verify/test_progress.hpp"

#include <functional>
#include <string>
#include <vector>

namespace orve {

// What one expansion collected: the conditions reached and the model numbers
// met, most recently added first.
struct ModelChain {
    Names conditions;
    Numbers numbers;
};

using ModelChainVisitor = std::function<void(const ModelChain&)>;

// `testuj_modele`: every expansion of `condition` through the models, in
// order. A condition computed or concluded by no basic or extended model ends
// the expansion. So does a condition the expansion already passed through: a
// chain of models leading back to an earlier condition stops there and
// delivers what it collected, so every expansion ends.
void testuj_modele(const ModelBase& base, const std::string& condition,
                   const ModelChainVisitor& visit);

// `splaszcz_modele`: every outcome of expanding each condition of a flattened
// list that some basic or extended model computes or concludes (the others are
// skipped); a later condition's group stands before an earlier one's.
void splaszcz_modele(const ModelBase& base, const Names& conditions,
                     const ModelChainVisitor& visit);

// `badaj_sprzecznosc_mr`: every (relational model, rule, flattened version,
// expansion) in which the expansion reaches the model's own go-ahead
// condition. Each relational model is a step of `progress`, each flattened
// version an inner one.
std::vector<JointModelRuleInconsistency>
badaj_sprzecznosc_mr(const KnowledgeBaseSet& kb, const AskableLists& askables,
                     TestProgress& progress = no_progress());

} // namespace orve
