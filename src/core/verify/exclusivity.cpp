// Conclusion exclusivity analysis: do the picked rules' conclusions exclude one
// another in the situations in which each of them fires?
#include "verify/exclusivity.hpp"

#include "verify/flattening.hpp"
#include "verify/flattening_index.hpp"

#include <algorithm>
#include <optional>
#include <set>

namespace orve {

namespace {

using Tested = ExclusivityRule;

// One row of the results: the heading, the note title, and whether it uses the
// per-rule layout of the first row.
struct Row {
    const char* heading;
    const char* title;
    bool first_layout = false;
};

void announce(Dialogs& ui, int kind, bool with_constraints) {
    if (kind == 1) {
        ui.msg_append(" An 'exclusive to one' test will be performed for selected conclusion. \n"
                      " This test discovers whether always one and only one conclusion is true. "
                      "\n");
        ui.note("Attention!",
                with_constraints
                    ? "An 'exclusive to one' test will be performed for selected conclusion.  "
                      "\nThis test discovers whether always one and only one conclusion is true. "
                    : "An 'exclusive to one' test will be performed for selected conclusion. "
                      "\nThis test discovers whether always one and only one conclusion is true.");
    } else if (kind == 2) {
        ui.note("Attention!",
                "An 'exclusive to one' test will be performed for selected conclusion."
                "\nThis test discovers whether always one and only one conclusion is true.");
    } else {
        ui.note("Attention!", "A 'non-exclusive' test will be performed for selected conclusion. "
                              "\nThis test discovers whether more than one of the  conclusion may "
                              "be true.");
    }
}

// The rule picked at each position of the list, as its first token names it.
struct Picked {
    std::vector<const Rule*> rules;
};

// The rules the user picks, in list order.
Picked pick_rules(const AppState& state, Dialogs& ui) {
    const std::set<int> excluded(state.findings.reguly_sprzeczne_dla_analizy.begin(),
                                 state.findings.reguly_sprzeczne_dla_analizy.end());
    std::vector<const Rule*> listed;
    Names lines;
    for (const Rule& rule : state.kb.rule.rules) {
        if (excluded.count(rule.number) == 0) {
            listed.push_back(&rule);
            lines.push_back(std::to_string(rule.number) + "  " + rule.conclusion);
        }
    }
    const auto picked = ui.pick_facts({"Pick conclusions tested for exclusivity!",
                                       "Pick conclusions tested for exclusivity", lines});
    Picked result;
    for (const int position : picked) {
        if (position < 0 || static_cast<std::size_t>(position) >= listed.size()) {
            continue;
        }
        // The line's first token names the rule; the first rule of that number
        // is taken, as a repeated number would be looked up.
        const int number = listed[static_cast<std::size_t>(position)]->number;
        result.rules.push_back(
            &*std::find_if(state.kb.rule.rules.begin(), state.kb.rule.rules.end(),
                           [number](const Rule& r) { return r.number == number; }));
    }
    return result;
}

// The picked rules, each with its first flattened version; a rule without any
// version takes no part.
std::vector<Tested> flatten_picked(const AppState& state, const Picked& picked,
                                   TestProgress& progress) {
    const FlatteningIndex index(state.kb.rule, state.askables);
    std::vector<Tested> tested;
    const auto total = static_cast<long long>(picked.rules.size());
    for (std::size_t i = 0; i < picked.rules.size(); ++i) {
        progress.reach(static_cast<long long>(i), total);
        const Rule& rule = *picked.rules[i];
        splaszcz(index, rule.conditions, [&](const Flattened& first) {
            tested.push_back({rule.number, rule.conclusion, first.conditions});
            return false;
        });
    }
    return tested;
}

bool listed_in(const std::vector<Names>& lists, const std::string& condition) {
    return std::any_of(lists.begin(), lists.end(), [&](const Names& list) {
        return std::find(list.begin(), list.end(), condition) != list.end();
    });
}

// `wyznacz_ograniczenia_dla_prawdy`: whether some exclusion list holds a true
// condition of the situation; nothing when a condition is in no list and there
// is no constraint at all, which leaves the situation unjudged.
std::optional<bool> exclusions_exist(const KnowledgeBaseSet& kb, const Names& situation) {
    std::vector<Names> constraint_lists;
    for (const Constraint& constraint : kb.constraint.constraints) {
        constraint_lists.push_back(constraint.conditions);
    }
    bool found = false;
    for (const auto& condition : situation) {
        if (listed_in(kb.model.exclusive_models, condition) ||
            listed_in(constraint_lists, condition)) {
            found = true;
        } else if (constraint_lists.empty()) {
            return std::nullopt;
        }
    }
    return found;
}

// `czy_jest_prawda_w`: a rule holds when each of its conditions is true, or
// when no exclusion list applies at all.
std::size_t rules_holding(const std::vector<Tested>& tested, const Names& situation,
                          bool exclusions) {
    const std::set<std::string> true_now(situation.begin(), situation.end());
    return static_cast<std::size_t>(
        std::count_if(tested.begin(), tested.end(), [&](const Tested& rule) {
            return std::all_of(rule.conditions.begin(), rule.conditions.end(), [&](const auto& c) {
                return true_now.count(c) != 0 || !exclusions;
            });
        }));
}

bool have_common_conditions(const std::vector<Tested>& tested) {
    if (tested.empty()) {
        return false;
    }
    const Names& first = tested.front().conditions;
    return std::any_of(first.begin(), first.end(), [&](const std::string& c) {
        return std::all_of(tested.begin(), tested.end(), [&](const Tested& t) {
            return std::find(t.conditions.begin(), t.conditions.end(), c) != t.conditions.end();
        });
    });
}

bool have_different_lengths(const std::vector<Tested>& tested) {
    return std::any_of(tested.begin(), tested.end(), [&](const Tested& t) {
        return t.conditions.size() != tested.front().conditions.size();
    });
}

std::vector<Row> result_rows(int kind, bool failure, bool common, bool lengths) {
    const char* const no_to_one = "The following rules have no conclusions exclusive to one:";
    const char* const no_exclusive = "The following rules have no exclusive conclusions:";
    std::vector<Row> rows;
    const auto add = [&rows](bool holds, Row row) {
        if (holds) {
            rows.push_back(row);
        }
    };
    if (kind == 1) {
        add(!failure && !common && !lengths,
            {"\nThe following rules have conclusions exclusive to one:",
             "The following rules have conclusions exclusive to one:", true});
        add(!failure && common,
            {"\nThe following rules have no conclusions exclusive to one:", no_to_one});
        add(!failure && lengths,
            {"\nThe following rules have no conclusions exclusive to one:", no_to_one});
        add(failure, {"\nThe following rules have no conclusions exclusive to one:", no_to_one});
    } else if (kind == 2) {
        add(!failure && common, {"\nThe following rules have conclusions exclusive to none:",
                                 "The following rules have conclusions exclusive to none:"});
        add(!failure && lengths, {"\nThe following rules have  conclusions exclusive to none:",
                                  "The following rules have conclusions exclusive to none:"});
        add(!common && !lengths,
            {"\nThe following rules have no exclusive conclusions:", no_exclusive});
    } else {
        add(failure, {"\nThe following rules have no exclusive conclusions: ", no_exclusive});
        add(!failure && common, {"\nThe following rules have exclusive conclusions: ",
                                 "The following rules have exclusive conclusions:"});
        add(!failure && lengths,
            {"\nThe following rules have no exclusive conclusions: ", no_exclusive});
        add(!failure && !common && !lengths, {"\nThe following rules have exclusive conclusions: ",
                                              "The following rules have  exclusive conclusions:"});
    }
    return rows;
}

// `pisz_wnioski`
void write_results(Dialogs& ui, const std::vector<Tested>& tested, const std::vector<Row>& rows) {
    for (const Row& row : rows) {
        ui.msg_append(std::string(row.heading) + "\n\n");
        for (const Tested& rule : tested) {
            const std::string number = std::to_string(rule.number);
            if (row.first_layout) {
                ui.msg_append("Rule number: " + number + "    Conclusion:   " + rule.conclusion +
                              "\n");
                ui.note(row.title,
                        "Rule number:  " + number + "    Conclusion:   " + rule.conclusion);
            } else {
                ui.msg_append("Rule number:  " + number + "    Conclusion:  " + rule.conclusion +
                              "\n");
                ui.note(row.title,
                        "Rule number:  " + number + "    Conclusion: " + rule.conclusion);
            }
        }
    }
}

// `czesc_wspolna`: false when a situation could not be judged.
bool czesc_wspolna(AppState& state, Dialogs& ui, int kind) {
    const Picked picked = pick_rules(state, ui);
    std::vector<Tested> tested;
    std::optional<bool> failure;
    const auto analyse = [&](TestProgress& progress) {
        tested = flatten_picked(state, picked, progress);
        const auto total = static_cast<long long>(picked.rules.size());
        progress.reach(total, total);
        failure = exclusivity_failure(state.kb, tested, kind, progress);
    };
    if (!run_cancellable(ui, "Testing conclusions for exclusivity", analyse) || !failure) {
        return false;
    }
    write_results(ui, tested,
                  result_rows(kind, *failure, have_common_conditions(tested),
                              have_different_lengths(tested)));
    return true;
}

} // namespace

std::optional<bool> exclusivity_failure(const KnowledgeBaseSet& kb,
                                        const std::vector<ExclusivityRule>& rules, int kind,
                                        TestProgress& progress) {
    bool failure = false;
    for (const ExclusivityRule& situation : rules) {
        progress.tick();
        const auto exclusions = exclusions_exist(kb, situation.conditions);
        if (!exclusions) {
            return std::nullopt;
        }
        const std::size_t count = rules_holding(rules, situation.conditions, *exclusions);
        // Each situation makes its own rule hold, so the count is at least one
        // and "to none" (at most one) fails exactly where "to one" does.
        failure = failure || (kind == kNonExclusive ? count > 1 : count != 1);
    }
    return failure;
}

bool analiza_bazy_wiedzy(AppState& state, Dialogs& ui, int test_kind) {
    const bool rules = state.kb.rule.name.has_value();
    const bool constraints = rules && state.kb.constraint.name.has_value();
    const bool models = rules && state.kb.model.name.has_value();
    if (!constraints && !models) {
        ui.note("Attention!",
                "To run an 'exclusive to one' test, the constraint base and/or model base"
                "\ncorresponding to the loaded rule base  has to be loaded. "
                "\nLoad the necessary constraint and/or model base");
        return true;
    }
    announce(ui, test_kind, constraints);
    return czesc_wspolna(state, ui, test_kind);
}

} // namespace orve
