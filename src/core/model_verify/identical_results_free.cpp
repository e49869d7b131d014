// Models with identical results when no Constraint Base is loaded: only the
// Model Base's own `exclusive_models` lists can make their go-ahead conditions
// exclusive.
#include "model_verify/identical_results_free.hpp"

#include "askables/list_helpers.hpp"
#include "model_verify/identical_results_kinds.hpp"

#include <algorithm>
#include <unordered_set>

namespace orve {

namespace {

void note_shared_result(Dialogs& ui, const std::string& head, const std::string& result) {
    ui.note("Attention!",
            head + "\nhaving the same results:" + "\n               " + result +
                "\nThe go-ahead conditions of those models are not mutually exclusive, " +
                "\nbecause there is no constraint base  nor relational models to accomplish "
                "this." +
                "\nEnter the  option 'Constraint Base/ Constraint Base Creating'" +
                "\nand design a proper constraint base, " +
                "\nor enter the  option 'Model Base/ Model Base Editing'" +
                "\nand correct the model base.");
}

// One kind alone. Any `exclusive_models` clause lets the test pass; otherwise
// every taken-up result computed by two models of the kind is reported.
bool single_kind(const ModelBase& base, const IdenticalResultsTest& test, Dialogs& ui) {
    if (!base.exclusive_models.empty()) {
        return true;
    }
    const std::vector<ModelResult> models = models_of(base, test.first);
    const GoAheadsByResult go_aheads(models);
    Names shared; // `wielokrotny_bez_ograniczen`
    std::unordered_set<std::string> seen;
    for (const ModelResult& model : models) {
        if (model.takes_up && seen.count(model.result) == 0 &&
            go_aheads.of(model.result).size() >= 2) {
            shared.push_back(model.result);
            seen.insert(model.result);
        }
    }
    for (const std::string& result : shared) {
        note_shared_result(ui, test.head, result);
    }
    return shared.empty();
}

// Two kinds: a result computed by a model of each fails unless every
// `exclusive_models` list names one of the two go-ahead conditions.
bool kind_pair(const ModelBase& base, const IdenticalResultsTest& test, Dialogs& ui) {
    const auto& lists = base.exclusive_models;
    const GoAheadsByResult others(models_of(base, test.second));
    for (const ModelResult& a : models_of(base, test.first)) {
        // The models of the second kind with the same result, in order.
        for (const std::string& b_go_ahead : others.of(a.result)) {
            const bool unrelated_list =
                std::any_of(lists.begin(), lists.end(), [&](const Names& list) {
                    return !contains(list, a.go_ahead) && !contains(list, b_go_ahead);
                });
            if (lists.empty() || unrelated_list) {
                note_shared_result(ui, test.head, a.result);
                return false;
            }
        }
    }
    return true;
}

} // namespace

bool testuj_wyniki_wszystkich_modeli_bez_ograniczen(AppState& state, Dialogs& ui) {
    if (!state.kb.model.name || state.kb.constraint.name) {
        return true;
    }
    for (const IdenticalResultsTest& test : identical_results_tests()) {
        const bool passed = test.single() ? single_kind(state.kb.model, test, ui)
                                          : kind_pair(state.kb.model, test, ui);
        if (!passed) {
            return false;
        }
    }
    return true;
}

} // namespace orve
