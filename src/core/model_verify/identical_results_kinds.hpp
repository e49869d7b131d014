// The four model kinds as the test of models with identical results sees
// them: each model reduced to its go-ahead condition and its result.
#pragma once

#include "kb/knowledge_base.hpp"

#include <array>
#include <string>
#include <unordered_map>
#include <vector>

namespace orve {

enum class ModelKind { Basic, Extended, Linear, Polynomial };

// One model: its go-ahead condition, its result (or conclusion), and whether
// the test without constraints takes up its result.
struct ModelResult {
    std::string go_ahead;
    std::string result;
    bool takes_up = true;
};

// The models of one kind in Model Base order.
std::vector<ModelResult> models_of(const ModelBase& base, ModelKind kind);

// The go-ahead conditions of the models of one kind grouped by result, so
// that going through all the results of a large base stays linear.
class GoAheadsByResult {
  public:
    explicit GoAheadsByResult(const std::vector<ModelResult>& models);
    // The go-ahead conditions of the models with this result, in order.
    const Names& of(const std::string& result) const;

  private:
    std::unordered_map<std::string, Names> go_aheads_;
};

// One of the ten tests: one kind (both the same) or a pair, with the head of
// its note in the test without constraints.
struct IdenticalResultsTest {
    ModelKind first;
    ModelKind second;
    const char* head;
    bool single() const { return first == second; }
};

// The ten tests in the order they run: the pairs, then each kind alone.
const std::array<IdenticalResultsTest, 10>& identical_results_tests();

} // namespace orve
