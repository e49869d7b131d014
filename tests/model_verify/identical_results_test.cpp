#include "model_verify/identical_results_constrained.hpp"
#include "model_verify/identical_results_free.hpp"
#include "support/scripted_dialogs.hpp"

#include <gtest/gtest.h>

namespace orve {
namespace {

using test::Note;
using test::ScriptedDialogs;

ModelB basic(int number, std::string go_ahead, std::string result, std::string operation = "+") {
    return {number, std::move(go_ahead), std::move(result), "a", std::move(operation), "1", 1};
}

ModelLin linear(int number, std::string go_ahead, std::string result) {
    return {number, std::move(go_ahead), std::move(result), {"2"}, {"a"}, 1};
}

AppState with_models(std::vector<ModelB> basic_models, std::vector<ModelLin> linear_models = {}) {
    AppState state;
    state.kb.model.basic = std::move(basic_models);
    state.kb.model.linear = std::move(linear_models);
    state.kb.model.name = BaseName{"MOheat.EEB", "/kb/MOheat.EEB"};
    return state;
}

// Rules concluding go-ahead conditions; every condition of a rule is askable.
void add_rules(AppState& state, std::vector<Rule> rules) {
    for (const Rule& rule : rules) {
        state.askables.dopytywalny.insert(rule.conditions.begin(), rule.conditions.end());
    }
    state.kb.rule.rules = std::move(rules);
    state.kb.rule.facts = {"sunny"};
    state.kb.rule.name = BaseName{"RUheat.EEB", "/kb/RUheat.EEB"};
}

void add_constraints(AppState& state, std::vector<Constraint> constraints) {
    state.kb.constraint.constraints = std::move(constraints);
    state.kb.constraint.name = BaseName{"COheat.EEB", "/kb/COheat.EEB"};
}

std::string shared_result_note(const std::string& head, const std::string& result) {
    return head + "\nhaving the same results:\n               " + result +
           "\nThe go-ahead conditions of those models are not mutually exclusive, "
           "\nbecause there is no constraint base  nor relational models to accomplish this."
           "\nEnter the  option 'Constraint Base/ Constraint Base Creating'"
           "\nand design a proper constraint base, "
           "\nor enter the  option 'Model Base/ Model Base Editing'"
           "\nand correct the model base.";
}

struct FreeCase {
    const char* label;
    AppState state;
    std::vector<Note> notes; // empty when the test passes
};

TEST(IdenticalResultsWithoutConstraints, ReportsSharedResults) {
    const std::string basic_head = "The model base contains basic models ";
    AppState declared = with_models({basic(1, "c1", "y"), basic(2, "c2", "y")});
    declared.kb.model.exclusive_models = {{"c1", "c2"}};
    AppState pair_declared = with_models({basic(1, "c1", "y")}, {linear(2, "c2", "y")});
    pair_declared.kb.model.exclusive_models = {{"c1", "c2"}};
    AppState pair_unrelated_list = pair_declared;
    pair_unrelated_list.kb.model.exclusive_models.push_back({"d1", "d2"});
    AppState with_constraint_base = with_models({basic(1, "c1", "y"), basic(2, "c2", "y")});
    add_constraints(with_constraint_base, {});
    FreeCase cases[] = {
        {"two basic models computing y",
         with_models({basic(1, "c1", "y"), basic(2, "c2", "y")}),
         {{"Attention!", shared_result_note(basic_head, "y")}}},
        {"every shared result is reported once",
         with_models({basic(1, "c1", "y"), basic(2, "c2", "z"), basic(3, "c3", "y"),
                      basic(4, "c4", "z"), basic(5, "c5", "y")}),
         {{"Attention!", shared_result_note(basic_head, "y")},
          {"Attention!", shared_result_note(basic_head, "z")}}},
        {"exclusive_models lift it", std::move(declared), {}},
        {"results of one-argument functions are not taken up",
         with_models({basic(1, "c1", "y", "sqrt"), basic(2, "c2", "y", "sqrt")}),
         {}},
        {"a basic and a linear model",
         with_models({basic(1, "c1", "y", "sqrt")}, {linear(2, "c2", "y")}),
         {{"Attention!",
           shared_result_note("The model base contains basic and linear models ", "y")}}},
        {"a pair covered by exclusive_models", std::move(pair_declared), {}},
        {"a pair beside a list naming neither condition",
         std::move(pair_unrelated_list),
         {{"Attention!",
           shared_result_note("The model base contains basic and linear models ", "y")}}},
        {"two linear models",
         with_models({}, {linear(1, "c1", "y"), linear(2, "c1", "y")}),
         {{"Attention!", shared_result_note("The model base contains linear models", "y")}}},
        {"a Constraint Base is loaded", std::move(with_constraint_base), {}},
        {"no Model Base", AppState{}, {}},
    };
    for (FreeCase& c : cases) {
        SCOPED_TRACE(c.label);
        ScriptedDialogs ui;
        EXPECT_EQ(testuj_wyniki_wszystkich_modeli_bez_ograniczen(c.state, ui), c.notes.empty());
        EXPECT_EQ(ui.notes, c.notes);
        EXPECT_EQ(ui.window, "");
    }
}

TEST(IdenticalResultsWithoutConstraints, PairsRunBeforeSingleKinds) {
    AppState state =
        with_models({basic(1, "c1", "y"), basic(2, "c2", "y")}, {linear(3, "c3", "y")});
    ScriptedDialogs ui;
    EXPECT_FALSE(testuj_wyniki_wszystkich_modeli_bez_ograniczen(state, ui));
    EXPECT_EQ(ui.notes,
              (std::vector<Note>{
                  {"Attention!", shared_result_note("The model base contains basic and linear "
                                                    "models ",
                                                    "y")}}));
}

// A Model Base with a Constraint Base; the Rule Base only when a test adds it.
AppState constrained(std::vector<ModelB> basic_models, std::vector<Constraint> constraints,
                     std::vector<ModelLin> linear_models = {}) {
    AppState state = with_models(std::move(basic_models), std::move(linear_models));
    add_constraints(state, std::move(constraints));
    return state;
}

void expect_bases_unusable(const AppState& state) {
    EXPECT_TRUE(state.kb.rule.rules.empty());
    EXPECT_TRUE(state.kb.rule.facts.empty());
    EXPECT_FALSE(state.kb.model.name.has_value());
    EXPECT_FALSE(state.kb.constraint.name.has_value());
    EXPECT_TRUE(state.kb.constraint.constraints.empty());
}

TEST(IdenticalResultsWithConstraints, AConstraintHoldingAllGoAheadConditionsSuffices) {
    // No rules at all: looking at rules would report the conditions.
    AppState state =
        constrained({basic(1, "c1", "y"), basic(2, "c2", "y")}, {{1, {"c3", "c2", "c1"}}});
    ScriptedDialogs ui;
    EXPECT_TRUE(testuj_wyniki_wszystkich_modeli_z_og(state, ui));
    EXPECT_TRUE(ui.log.empty());
    EXPECT_TRUE(state.kb.model.name.has_value());
}

TEST(IdenticalResultsWithConstraints, GoAheadConditionsWithoutRules) {
    // c1 has a rule, c2 a relational model; c3 and what follows are reported.
    AppState state = constrained({basic(1, "c1", "y", "sqrt"), basic(2, "c2", "y", "sqrt"),
                                  basic(3, "c3", "y", "sqrt"), basic(4, "c4", "y", "sqrt"),
                                  basic(5, "c0", "c2", ">")},
                                 {{1, {"d1", "d2"}}});
    add_rules(state, {{1, "c1", {"a"}, 0}});
    ScriptedDialogs ui;
    EXPECT_FALSE(testuj_wyniki_wszystkich_modeli_z_og(state, ui));
    EXPECT_EQ(ui.window, "No rules for the following go-ahead conditions \n"
                         "of models with the same results:\n\n"
                         "c3\nc4\n\n"
                         "\nThe model and constraint bases may not be used for chaining. \n"
                         "Enter the proper base editing option and correct one or all bases.\n");
    EXPECT_EQ(ui.notes, (std::vector<Note>{{"Attention!",
                                            "No rules for the following go-ahead conditions  of "
                                            "models with the same results:\n[\"c3\",\"c4\"]"
                                            "\nThe model and constraint bases may not be used for "
                                            "chaining.\nEnter the proper base editing option and "
                                            "correct one or all bases."}}));
    expect_bases_unusable(state);
}

TEST(IdenticalResultsWithConstraints, NonExclusiveRuleConclusions) {
    // a and b lie in no constraint, so the situation of each rule makes both hold.
    AppState state = constrained({basic(1, "c1", "y"), basic(2, "c2", "y")}, {{1, {"d1", "d2"}}});
    add_rules(state, {{4, "c1", {"a"}, 0}, {7, "c2", {"b"}, 0}});
    ScriptedDialogs ui;
    EXPECT_FALSE(testuj_wyniki_wszystkich_modeli_z_og(state, ui));
    EXPECT_EQ(ui.window,
              "\nConclusions of the following rules, which serve as go-ahead conditions\n"
              "for models with the same result, are not mutually exclusive: \n\n"
              "Numer reguły:  4    Wniosek:  c1\n"
              "Numer reguły:  7    Wniosek:  c2\n"
              "\nThe loaded rule, model and constraint bases may not be used \n"
              "for chaining. \n"
              "Enter the proper base editing option and correct one or all of them.\n");
    const std::string title = "Conclusions of the following rules are not mutually exclusive:";
    EXPECT_EQ(ui.notes,
              (std::vector<Note>{
                  {"Attention!", "\nConclusions of the following rules, which serve as go-ahead "
                                 "conditions for models with the same result, are not mutually "
                                 "exclusive: "},
                  {title, "Numer reguły:  4    Wniosek:  c1"},
                  {title, "Numer reguły:  7    Wniosek:  c2"},
                  {"Attention!", "The loaded rule, model and constraint bases may not be used "
                                 "for chaining.\nEnter the proper base editing option and "
                                 "correct one or all of them."}}));
    expect_bases_unusable(state);
}

TEST(IdenticalResultsWithConstraints, ExclusiveRuleConclusionsPass) {
    // The rules' flattened conditions form a constraint; results of
    // one-argument functions take part in this test.
    AppState state =
        constrained({basic(1, "c1", "y", "sqrt"), basic(2, "c2", "y", "sqrt")}, {{1, {"a", "b"}}});
    add_rules(state, {{4, "c1", {"a"}, 0}, {7, "c2", {"b"}, 0}});
    ScriptedDialogs ui;
    EXPECT_TRUE(testuj_wyniki_wszystkich_modeli_z_og(state, ui));
    EXPECT_TRUE(ui.log.empty());
    EXPECT_EQ(state.kb.rule.rules.size(), 2U);
}

TEST(IdenticalResultsWithConstraints, AKindExaminedInAPairIsNotTestedAlone) {
    // Basic models also share z under c4 and c5, which no rule concludes; the
    // pair with the linear model covers the basic kind.
    const std::vector<ModelB> models = {basic(1, "c1", "y"), basic(2, "c4", "z"),
                                        basic(3, "c5", "z")};
    AppState paired = constrained(models, {{1, {"c1", "c3"}}}, {linear(4, "c3", "y")});
    ScriptedDialogs ui;
    EXPECT_TRUE(testuj_wyniki_wszystkich_modeli_z_og(paired, ui));
    EXPECT_TRUE(ui.log.empty());

    AppState alone = constrained(models, {{1, {"c1", "c3"}}}, {linear(4, "c3", "x")});
    ScriptedDialogs alone_ui;
    EXPECT_FALSE(testuj_wyniki_wszystkich_modeli_z_og(alone, alone_ui));
    ASSERT_EQ(alone_ui.notes.size(), 1U);
    EXPECT_NE(alone_ui.notes[0].text.find("[\"c4\",\"c5\"]"), std::string::npos);
}

TEST(IdenticalResultsWithConstraints, NeedsBothBases) {
    AppState state = with_models({basic(1, "c1", "y"), basic(2, "c2", "y")});
    ScriptedDialogs ui;
    EXPECT_TRUE(testuj_wyniki_wszystkich_modeli_z_og(state, ui));
    EXPECT_TRUE(ui.log.empty());
}

} // namespace
} // namespace orve
