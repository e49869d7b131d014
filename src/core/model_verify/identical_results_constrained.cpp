// Models with identical results when a Constraint Base is loaded: a set of
// go-ahead conditions is exclusive when one constraint holds them all, or when
// the rules concluding them have mutually exclusive conclusions.
#include "model_verify/identical_results_constrained.hpp"

#include "model_verify/identical_results_examine.hpp"
#include "model_verify/identical_results_kinds.hpp"
#include "models/model_lists.hpp"

#include <algorithm>
#include <set>

namespace orve {

namespace {

// The go-ahead sets of one test not covered by a constraint, each once
// (`lista_war_stos_modeli_o_tych_samych_wynikach`).
class GoAheadSets {
  public:
    explicit GoAheadSets(const ConstraintBase& constraints) : constraints_(constraints) {}

    void add(Names go_aheads) {
        if (!constraint_holds_all(constraints_, go_aheads) &&
            std::find(sets_.begin(), sets_.end(), go_aheads) == sets_.end()) {
            sets_.push_back(std::move(go_aheads));
        }
    }
    const std::vector<Names>& sets() const { return sets_; }

  private:
    const ConstraintBase& constraints_;
    std::vector<Names> sets_;
};

// Every model of the kind takes part: each result computed by two or more.
void collect_single(const ModelBase& base, ModelKind kind, GoAheadSets& sets) {
    const std::vector<ModelResult> models = models_of(base, kind);
    const GoAheadsByResult by_result(models);
    for (const ModelResult& model : models) {
        Names go_aheads = by_result.of(model.result);
        if (go_aheads.size() >= 2) {
            sets.add(std::move(go_aheads));
        }
    }
}

// Each result computed by both kinds: the first kind's go-ahead conditions,
// then the second's. True when there was such a result.
bool collect_pair(const ModelBase& base, const IdenticalResultsTest& test, GoAheadSets& sets) {
    const std::vector<ModelResult> first = models_of(base, test.first);
    const GoAheadsByResult first_by_result(first);
    const GoAheadsByResult second_by_result(models_of(base, test.second));
    bool shared = false;
    for (const ModelResult& model : first) {
        const Names& others = second_by_result.of(model.result);
        if (others.empty()) {
            continue;
        }
        shared = true;
        Names go_aheads = first_by_result.of(model.result);
        go_aheads.insert(go_aheads.end(), others.begin(), others.end());
        sets.add(std::move(go_aheads));
    }
    return shared;
}

// The ten tests in order, each a step of the check's progress; false at the
// first finding.
bool run_constrained_tests(ConstrainedCheck& check) {
    AppState& state = check.state;
    std::set<ModelKind> nie_testowac;
    const auto& tests = identical_results_tests();
    for (std::size_t i = 0; i < tests.size(); ++i) {
        check.progress.reach(static_cast<long long>(i), static_cast<long long>(tests.size()));
        const IdenticalResultsTest& test = tests[i];
        if (test.single() && nie_testowac.count(test.first) != 0) {
            continue;
        }
        GoAheadSets sets(state.kb.constraint);
        if (test.single()) {
            collect_single(state.kb.model, test.first, sets);
        } else if (collect_pair(state.kb.model, test, sets)) {
            // Once a pair has shared results, its kinds are not tested alone.
            nie_testowac.insert({test.first, test.second});
        }
        for (const Names& go_aheads : sets.sets()) {
            if (!examine_go_aheads(check, go_aheads)) {
                return false;
            }
        }
    }
    return true;
}

} // namespace

bool testuj_wyniki_wszystkich_modeli_z_og(AppState& state, Dialogs& ui) {
    if (!state.kb.model.name || !state.kb.constraint.name) {
        return true;
    }
    const FlatteningIndex index(state.kb.rule, state.askables);
    bool passed = true;
    const auto run_tests = [&](TestProgress& progress) {
        ConstrainedCheck check{state, ui, index, model_relacyjny(state.kb.model), progress};
        passed = run_constrained_tests(check);
    };
    if (!run_cancellable(ui, "Testing models with identical results", run_tests)) {
        // The models must pass this test before chaining with the constraints:
        // cancelled, the load ends without a verdict and the Constraint Base
        // counts as not loaded.
        state.kb.constraint.name.reset();
        return false;
    }
    return passed;
}

} // namespace orve
