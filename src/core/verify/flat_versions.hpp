// Flattened versions in the form the tests compare and show them: the rules
// used without zeros, and each rule's versions computed once.
#pragma once

#include "kb/knowledge_base.hpp"
#include "verify/flattening_index.hpp"
#include "verify/test_progress.hpp"

#include <cstddef>
#include <vector>

namespace orve {

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
    // Each version computed counts as a step of `progress`.
    explicit FlatVersionCache(const FlatteningIndex& index, TestProgress& progress = no_progress())
        : index_(index), progress_(progress), versions_(index.rules().size()),
          done_(index.rules().size(), 0) {}

    const std::vector<FlatVersion>& versions(std::size_t rule);
    const FlatteningIndex& index() const { return index_; }

  private:
    const FlatteningIndex& index_;
    TestProgress& progress_;
    std::vector<std::vector<FlatVersion>> versions_;
    std::vector<char> done_;
};

} // namespace orve
