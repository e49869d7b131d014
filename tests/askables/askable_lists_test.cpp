#include "askables/askable_lists.hpp"
#include "askables/list_helpers.hpp"
#include "support/scripted_dialogs.hpp"
#include "ui/askables_display.hpp"

#include <gtest/gtest.h>

#include <string>

namespace orve {
namespace {

// Conditions used twice, a condition concluded by another rule, "end" both as a
// condition and as a conclusion, a "No condition" rule and a byte above 127.
RuleBase fire_rules() {
    RuleBase base;
    base.rules = {
        {1, "hot", {"fire", "wood"}, 0},
        {2, "fire", {"spark", "wood"}, 0},
        {3, "end", {"end", "Zebra"}, 0},
        {4, "alarm", {"No condition"}, 0},
        {5,
         "hot",
         {"alarm",
          "\xB9"
          "cid",
          "spark"},
         0},
    };
    base.name = BaseName{"RUfire.EEB", "/kb/RUfire.EEB"};
    return base;
}

TEST(AskableConditions, DeterminationRecordsListsInLastUseOrder) {
    AskableLists lists;
    const Names askable = wyznacz_warunki_dopytywalne(fire_rules(), lists);
    EXPECT_EQ(lists.lista_warunkow, (Names{"fire", "wood", "end", "Zebra", "No condition", "alarm",
                                           "\xB9"
                                           "cid",
                                           "spark"}));
    EXPECT_EQ(lists.lista_wnioskow_regul, (Names{"fire", "alarm", "hot"}));
    EXPECT_EQ(askable, (Names{"wood", "end", "Zebra",
                              "\xB9"
                              "cid",
                              "spark"}));
}

TEST(AskableConditions, LoadStepSortsRecordsAndWrites) {
    AskableLists lists;
    lists.dopytywalny = {"stale"};
    test::ScriptedDialogs ui;
    record_askable_conditions(fire_rules(), "RUfire.EEB", lists, ui);

    const Names sorted{"Zebra", "end", "spark", "wood",
                       "\xB9"
                       "cid"};
    EXPECT_EQ(lists.lista_warunkow_dopytywalnych, sorted);
    EXPECT_EQ(lists.dopytywalny.names(), sorted);
    EXPECT_EQ(ui.window, "\n\nAskable conditions for rule base RUfire.EEB with no taking into "
                         "account the model base:\nZebra\nend\nspark\nwood\n\xB9"
                         "cid\n\n\n");
    EXPECT_TRUE(ui.notes.empty());
    EXPECT_EQ(&ogolna_lista_dopytywalnych(lists), &lists.lista_warunkow_dopytywalnych);

    lists.lista_warunkow_i_argumentow_dopytywalnych = Names{"joint"};
    EXPECT_EQ(ogolna_lista_dopytywalnych(lists), Names{"joint"});
}

// The load step finds the facts that are not askable without touching the
// base, and replaces the condition and conclusion lists of an earlier base.
TEST(AskableConditions, LoadStepReturnsTheFactsThatAreNotAskable) {
    RuleBase base = fire_rules();
    base.facts = {"wood", "hot", "spark", "No condition", "smoke"};
    AskableLists lists;
    lists.lista_warunkow = {"stale"};
    lists.lista_wnioskow_regul = {"stale"};
    test::ScriptedDialogs ui;
    EXPECT_EQ(record_askable_conditions(base, "RUfire.EEB", lists, ui),
              (Names{"hot", "No condition", "smoke"}));
    EXPECT_TRUE(lists.lista_warunkow.empty());
    EXPECT_TRUE(lists.lista_wnioskow_regul.empty());
    EXPECT_EQ(base.facts.size(), 5U);
    EXPECT_TRUE(base.name.has_value());

    EXPECT_FALSE(reject_faulty_facts({"hot"}, base, lists, ui));
    EXPECT_TRUE(base.rules.empty());
    EXPECT_TRUE(lists.dopytywalny.empty());
}

// Many rules whose names recur at irregular distances, so that the names are
// gathered and looked up over many batches: the lists and the faulty facts
// match those computed plainly from their definitions.
TEST(AskableConditions, LargeBaseMatchesThePlainDefinitions) {
    RuleBase base;
    Names all_conditions;
    Names all_conclusions;
    for (int r = 0; r < 700; ++r) {
        Rule rule{r + 1, r % 5 == 0 ? "end" : "w" + std::to_string(r % 230), {}, 0};
        for (int c = 0; c < 1 + r % 4; ++c) {
            // Some conditions are conclusions of other rules, some repeat.
            rule.conditions.push_back((r + c) % 9 == 0 ? "w" + std::to_string((r * 7 + c) % 230)
                                                       : "c" + std::to_string((r * 13 + c) % 400));
        }
        if (r % 97 == 0) {
            rule.conditions.push_back("No condition");
        }
        all_conditions.insert(all_conditions.end(), rule.conditions.begin(), rule.conditions.end());
        if (rule.conclusion != "end") {
            all_conclusions.push_back(rule.conclusion);
        }
        base.rules.push_back(rule);
    }
    const Names conditions = redukuj(all_conditions);
    const Names conclusions = redukuj(all_conclusions);
    Names askable;
    for (const auto& condition : conditions) {
        if (!contains(conclusions, condition) && condition != "No condition") {
            askable.push_back(condition);
        }
    }
    for (int f = 0; f < 300; ++f) {
        base.facts.push_back(f % 3 == 0 ? "w" + std::to_string(f) : "c" + std::to_string(f * 2));
    }
    Names faulty;
    for (const auto& fact : base.facts) {
        if (!contains(askable, fact)) {
            faulty.push_back(fact);
        }
    }
    ASSERT_FALSE(faulty.empty());
    ASSERT_LT(faulty.size(), base.facts.size());

    AskableLists lists;
    EXPECT_EQ(wyznacz_warunki_dopytywalne(base, lists), askable);
    EXPECT_EQ(lists.lista_warunkow, conditions);
    EXPECT_EQ(lists.lista_wnioskow_regul, conclusions);
    test::ScriptedDialogs ui;
    EXPECT_EQ(record_askable_conditions(base, "RUlarge.EEB", lists, ui), faulty);
    EXPECT_EQ(lists.lista_warunkow_dopytywalnych, sortuj(askable));
}

TEST(DeclaredFacts, AskableFactsPass) {
    RuleBase base = fire_rules();
    base.facts = {"wood", "end", "spark"};
    AskableLists lists;
    test::ScriptedDialogs ui;
    EXPECT_TRUE(testowanie_dopytywalnosci_faktow(base, lists, ui));
    EXPECT_EQ(ui.window, "");
    EXPECT_TRUE(ui.notes.empty());
    EXPECT_TRUE(base.name.has_value());
    EXPECT_EQ(base.rules.size(), 5U);
}

TEST(DeclaredFacts, FactsThatAreNotAskableDropTheRuleBase) {
    RuleBase base = fire_rules();
    base.facts = {"wood", "hot", "No condition"};
    AskableLists lists;
    test::ScriptedDialogs ui;
    EXPECT_FALSE(testowanie_dopytywalnosci_faktow(base, lists, ui));

    EXPECT_EQ(ui.window, "Faulty facts in rule base.\n"
                         "Following declared facts are not askable conditions: \n"
                         "   hot\n"
                         "   No condition\n"
                         " Proceed to the 'Main Menu' options:\n\n"
                         " 'Rule Base Activities', enter the option 'Rule Base Editing'\n"
                         " load the faulty base and remove facts that are not askable "
                         "conditions.");
    EXPECT_EQ(ui.notes,
              (std::vector<test::Note>{
                  {"Faulty facts in rule base",
                   "Faulty facts in rule base.\nFollowing declared facts are not askable "
                   "conditions\n   [\"hot\",\"No condition\"]\nProceed to the  option  'Exact "
                   "Rule Base', enter  'Rule Base Editing',\nload the faulty base and remove "
                   "facts that are not askable conditions. "}}));
    EXPECT_TRUE(base.facts.empty());
    EXPECT_TRUE(base.rules.empty());
    EXPECT_FALSE(base.name.has_value());
    EXPECT_TRUE(lists.dopytywalny.empty());
}

TEST(DeclaredFacts, EachFactIsAskableExactlyWhenItIsAnUnconcludedCondition) {
    const struct {
        const char* fact;
        bool askable;
    } cases[] = {
        {"wood", true}, // a condition only
        {"end", true},  // `end` as a conclusion never counts
        {"\xB9"
         "cid",
         true},                  // bytes above 127
        {"fire", false},         // a condition that another rule concludes
        {"hot", false},          // a conclusion only
        {"No condition", false}, // the placeholder is never askable
        {"smoke", false},        // in no rule at all
        {"Wood", false},         // names differ by case
    };
    for (const auto& c : cases) {
        RuleBase base = fire_rules();
        base.facts = {"spark", c.fact, "spark"};
        AskableLists lists;
        test::ScriptedDialogs ui;
        EXPECT_EQ(testowanie_dopytywalnosci_faktow(base, lists, ui), c.askable) << c.fact;
    }
}

TEST(RuleBaseAskablesCommand, TitleAndListDependOnTheModelBase) {
    AppState state;
    test::ScriptedDialogs ui;
    show_rule_base_askables(state, ui);
    EXPECT_TRUE(ui.log.empty());

    state.kb.rule = fire_rules();
    state.askables.lista_warunkow_dopytywalnych = {"a", "b"};
    show_rule_base_askables(state, ui);
    EXPECT_EQ(ui.window, "");
    EXPECT_EQ(ui.log, std::vector<std::string>{
                          "show_list: Askable conditions for rule base  RUfire.EEB while not "
                          "taking into account the  model base.  | a;b;"});

    ui.log.clear();
    state.kb.model.name = BaseName{"MOfire.EEB", "/kb/MOfire.EEB"};
    state.askables.lista_wszystkich_dopytywalnych_dla_wyswietlania = Names{"b"};
    show_rule_base_askables(state, ui);
    EXPECT_EQ(ui.window, "     Askable conditions for rule base   RUfire.EEB\n"
                         "      while taking into account the model base MOfire.EEB\n");
    EXPECT_EQ(ui.log, std::vector<std::string>{
                          "show_list: Askable conditions for rule base  RUfire.EEB while "
                          "taking into account the  model base MOfire.EEB | b;"});
}

} // namespace
} // namespace orve
