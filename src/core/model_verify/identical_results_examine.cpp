#include "model_verify/identical_results_examine.hpp"

#include "askables/list_helpers.hpp"
#include "models/model_base_discard.hpp"
#include "verify/exclusivity.hpp"
#include "verify/flattening.hpp"

#include <algorithm>
#include <optional>

namespace orve {

namespace {

// The first rule concluding the condition that has a flattened version, with
// its first version.
std::optional<ExclusivityRule> first_concluding_rule(const FlatteningIndex& index,
                                                     const std::string& condition) {
    const NameId id = index.id_of(condition);
    if (id == FlatteningIndex::kUnknown) {
        return std::nullopt;
    }
    for (const std::size_t position : index.concluding(id)) {
        const Rule& rule = index.rules()[position];
        std::optional<ExclusivityRule> found;
        splaszcz(index, rule.conditions, [&](const Flattened& first) {
            found = ExclusivityRule{rule.number, rule.conclusion, first.conditions};
            return false;
        });
        if (found) {
            return found;
        }
    }
    return std::nullopt;
}

void report_missing_rules(Dialogs& ui, const Names& conditions) {
    std::string listed;
    for (const std::string& condition : conditions) {
        listed += condition + "\n";
    }
    ui.msg_append("No rules for the following go-ahead conditions \n"
                  "of models with the same results:\n\n" +
                  listed +
                  "\n\nThe model and constraint bases may not be used for chaining. \n"
                  "Enter the proper base editing option and correct one or all bases.\n");
    ui.note("Attention!",
            "No rules for the following go-ahead conditions  of models with the same results:\n" +
                bracket_list(conditions) +
                "\nThe model and constraint bases may not be used for chaining." +
                "\nEnter the proper base editing option and correct one or all bases.");
}

void report_not_exclusive(Dialogs& ui, const std::vector<ExclusivityRule>& rules) {
    ui.msg_append("\nConclusions of the following rules, which serve as go-ahead conditions\n"
                  "for models with the same result, are not mutually exclusive: \n\n");
    ui.note("Attention!",
            std::string("\nConclusions of the following rules, which serve as go-ahead "
                        "conditions ") +
                "for models with the same result, are not mutually exclusive: ");
    for (const ExclusivityRule& rule : rules) {
        const std::string line =
            "Numer reguły:  " + std::to_string(rule.number) + "    Wniosek:  " + rule.conclusion;
        ui.msg_append(line + "\n");
        ui.note("Conclusions of the following rules are not mutually exclusive:", line);
    }
    ui.msg_append("\nThe loaded rule, model and constraint bases may not be used \n"
                  "for chaining. \n"
                  "Enter the proper base editing option and correct one or all of them.\n");
    ui.note("Attention!",
            std::string("The loaded rule, model and constraint bases may not be used for "
                        "chaining.") +
                "\nEnter the proper base editing option and correct one or all of them.");
}

} // namespace

bool constraint_holds_all(const ConstraintBase& base, const Names& go_aheads) {
    return std::any_of(base.constraints.begin(), base.constraints.end(), [&](const Constraint& c) {
        return std::all_of(go_aheads.begin(), go_aheads.end(),
                           [&](const std::string& g) { return contains(c.conditions, g); });
    });
}

bool examine_go_aheads(ConstrainedCheck& check, const Names& go_aheads) {
    std::vector<ExclusivityRule> rules; // `regula_do_testowania`
    for (auto it = go_aheads.begin(); it != go_aheads.end(); ++it) {
        if (auto rule = first_concluding_rule(check.index, *it)) {
            rules.push_back(std::move(*rule));
        } else if (!contains(check.relational, *it)) {
            report_missing_rules(check.ui, Names(it, go_aheads.end()));
            make_bases_unusable(check.state);
            return false;
        }
    }
    // A situation that cannot be judged (no constraint at all) is no finding.
    const auto failure = exclusivity_failure(check.state.kb, rules, kNonExclusive, check.progress);
    if (failure.value_or(false)) {
        report_not_exclusive(check.ui, rules);
        make_bases_unusable(check.state);
        return false;
    }
    return true;
}

void make_bases_unusable(AppState& state) {
    state.kb.rule.rules.clear();
    state.kb.rule.facts.clear();
    discard_model_base(state.kb.model, state.askables);
    state.kb.constraint.constraints.clear();
    state.kb.constraint.name.reset();
}

} // namespace orve
