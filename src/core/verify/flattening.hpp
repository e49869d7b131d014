// Flattening of rules: a rule's condition list rewritten, rule by rule, until it
// speaks only of askable conditions. The shared engine of the verification tests.
#pragma once

#include "kb/knowledge_base.hpp"
#include "verify/flattening_index.hpp"

#include <functional>
#include <vector>

namespace orve {

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

} // namespace orve
