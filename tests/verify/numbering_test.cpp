#include "verify/numbering.hpp"

#include "support/scripted_dialogs.hpp"
#include "verify_fixture.hpp"

#include <gtest/gtest.h>

#include <functional>
#include <limits>
#include <numeric>
#include <vector>

namespace orve {
namespace {

using test::Note;
using test::ScriptedDialogs;

TEST(Numbering, FirstRepeatedIsTheFirstNumberThatOccursAgainLater) {
    EXPECT_EQ(first_repeated({}), std::nullopt);
    EXPECT_EQ(first_repeated({1, 2, 3}), std::nullopt);
    EXPECT_EQ(first_repeated({1, 2, 1, 2}), 1);
    EXPECT_EQ(first_repeated({2, 1, 1, 2}), 2);
    EXPECT_EQ(first_repeated({5, -3, -3}), -3);
    // Numbers far apart, at the ends of the range, and a repeat seen three times.
    constexpr int min = std::numeric_limits<int>::min();
    constexpr int max = std::numeric_limits<int>::max();
    EXPECT_EQ(first_repeated({max, min, 7, min, max}), max);
    EXPECT_EQ(first_repeated({min, max, 0}), std::nullopt);
    EXPECT_EQ(first_repeated({1000000, 4, 4, 4, 1000000}), 1000000);
    // A long dense list whose only repeat sits at its end.
    std::vector<int> dense(5000);
    std::iota(dense.begin(), dense.end(), -100);
    EXPECT_EQ(first_repeated(dense), std::nullopt);
    dense.push_back(4000);
    EXPECT_EQ(first_repeated(dense), 4000);
}

using Check = bool (*)(AppState&, Dialogs&);

struct FaultyCase {
    const char* label;
    Check check;
    BaseKind kind;
    std::function<void(AppState&)> fill;
    std::string window;
    Note note;
};

TEST(Numbering, RepeatedNumberIsReportedPerBaseKind) {
    const FaultyCase cases[] = {
        {"rules 1, 2, 1, 2 name 1 only",
         testuj_numery_regul,
         BaseKind::Rule,
         [](AppState& s) {
             for (const int n : {1, 2, 1, 2}) {
                 s.kb.rule.rules.push_back(test::rule(n, "c", {"a"}));
             }
             s.kb.rule.name = BaseName{"RUboiler.EEB", ""};
         },
         "Rule Base RUboiler.EEB has \n"
         "at least two rules having number 1.\n"
         "This may disturb the chaining process.\n"
         "Therefore no chaining is allowed with rules \n"
         "having non-unique numbers.\n\n"
         "Proceed to option 'Rule Base Activities/Rule Base Editing'\n"
         "and correct the rule numbering.\n\n",
         {"Faulty Rule Base", "Elementary Exact Rule Base\n   RUboiler.EEB\n"
                              "has at least two rules having number 1.\n"
                              "This may disturb the chaining process.\n"
                              "Therefore no chaining is allowed with rules \n"
                              "having non-unique numbers.\n"
                              "Proceed to option\n   'Exact Rule Base\n   Rule Base Editing'\n"
                              "and correct the rule numbering."}},
        {"basic and linear models share 5",
         testuj_numery_modeli,
         BaseKind::Model,
         [](AppState& s) {
             s.kb.model.basic = {{1, "", "x", "y", "+", "1", 0}, {5, "", "z", "y", "+", "1", 0}};
             s.kb.model.linear = {{5, "", "w", {"1"}, {"y"}, 0}};
             s.kb.model.name = BaseName{"MOboiler.EEB", ""};
         },
         "Model base MOboiler.EEB has \n"
         "at least two models having number  5.\n"
         "This may disturb the chaining process.\n"
         "Therefore no chaining is allowed with models\n"
         "having non-unique numbers.\n\n"
         "Proceed to option 'Model Base Activities/Model Base Editing'\n"
         "and correct the model numbering.\n\n",
         {"Faulty Model Base", "Elementary Exact Model Base\n   MOboiler.EEB\n"
                               " has at least two models having number 5.\n"
                               "This may disturb the chaining process.\n"
                               "Therefore no chaining is allowed with models \n"
                               "having non-unique numbers.\n"
                               "Proceed to option\n   Exact Model Base\n   Model Base Editing'\n"
                               "and correct the model numbering."}},
        {"constraints 3, 4, 3",
         testuj_numery_ograniczen,
         BaseKind::Constraint,
         [](AppState& s) {
             s.kb.constraint.constraints = {{3, {"a", "b"}}, {4, {"c", "d"}}, {3, {"e", "f"}}};
             s.kb.constraint.name = BaseName{"Coboiler.EEB", ""};
         },
         "Constraint base Coboiler.EEB has \n"
         "at least two constraints having number  3.\n"
         "This may disturb the chaining process.\n"
         "Therefore no chaining is allowed with constraints\n"
         "having non-unique numbers.\n\n"
         "Proceed to option 'Constraintl Base Activities/Constraintl Base Editing'\n"
         "and correct the constraint numbering.\n\n",
         {"Faulty Constraint Base",
          "Elementary Exact Constraint Base\n   Coboiler.EEB\n"
          "has at least two constraints having number 3.\n"
          "This may disturb the chaining process.\n"
          "Therefore no chaining is allowed with constraints \n"
          "having non-unique numbers.\n"
          "Proceed to option\n   'Exact Constraint Base\n   Constraint Base Editing'\n"
          "and correct the constraint numbering."}},
        {"advices 7, 7",
         testuj_numery_rad,
         BaseKind::Advice,
         [](AppState& s) {
             s.kb.advice.clauses = {{7, "a7"}, {7, "b7"}};
             s.kb.advice.name = BaseName{"ADboiler.EEB", ""};
         },
         "Advice base ADboiler.EEB has \n"
         "at least two advices having number  7.\n"
         "This may disturb the explaining process.\n"
         "Therefore no chaining is allowed with advices\n"
         "having non-unique numbers.\n\n"
         "Proceed to option 'Advice Base Activities/Advice Base Editing'\n"
         "and correct the advice numbering.\n\n",
         {"Faulty Advice Base",
          "Elementary Ecavt Advice Base\n   ADboiler.EEB\n"
          "has at least two constraints having number 7.\n"
          "This may disturb the explaining process.\n"
          "Therefore no chaining is allowed with advices \n"
          "having non-unique numbers.\n"
          "Proceed to option\n   'Exact Advice Base\n   Advice Base Editing'\n"
          "and correct the advice numbering."}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        AppState state;
        c.fill(state);
        ScriptedDialogs ui;
        EXPECT_FALSE(c.check(state, ui));
        EXPECT_EQ(ui.window, c.window);
        EXPECT_EQ(ui.notes, std::vector<Note>{c.note});
        EXPECT_EQ(state.findings.rozne_numery, std::set<BaseKind>{c.kind});
    }
}

TEST(Numbering, ModelKindsAreGatheredInTheirFixedOrder) {
    // Gathered as basic 4, extended 7, linear 7, polynomial 4: 4 comes first.
    AppState state;
    state.kb.model.polynomial = {{4, "", "r", "x", {"1"}, {1}, 0}};
    state.kb.model.linear = {{7, "", "w", {"1"}, {"y"}, 0}};
    state.kb.model.extended = {{7, "", "v", "sum", {"a", "b"}, 0}};
    state.kb.model.basic = {{4, "", "z", "y", "+", "1", 0}};
    ScriptedDialogs ui;
    EXPECT_FALSE(testuj_numery_modeli(state, ui));
    EXPECT_NE(ui.window.find("having number  4."), std::string::npos) << ui.window;
}

TEST(Numbering, EmptyOrUniqueBasesPass) {
    for (const Check check :
         {testuj_numery_regul, testuj_numery_modeli, testuj_numery_ograniczen, testuj_numery_rad}) {
        AppState state;
        ScriptedDialogs ui;
        EXPECT_TRUE(check(state, ui));
        EXPECT_EQ(ui.window, "");
        EXPECT_FALSE(state.findings.numbers_not_unique());
    }
    AppState state;
    state.kb.model.basic = {{1, "", "z", "y", "+", "1", 0}};
    state.kb.model.extended = {{2, "", "v", "sum", {"a", "b"}, 0}};
    state.kb.model.linear = {{3, "", "w", {"1"}, {"y"}, 0}};
    state.kb.model.polynomial = {{4, "", "r", "x", {"1"}, {1}, 0}};
    ScriptedDialogs ui;
    EXPECT_TRUE(testuj_numery_modeli(state, ui));
    EXPECT_TRUE(ui.notes.empty());
}

} // namespace
} // namespace orve
