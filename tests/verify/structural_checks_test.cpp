#include "verify/single_condition_rules.hpp"
#include "verify/structural_checks.hpp"

#include "support/scripted_dialogs.hpp"
#include "verify_fixture.hpp"

#include <gtest/gtest.h>

namespace orve {
namespace {

using test::boiler_state;
using test::Note;
using test::rule;
using test::ScriptedDialogs;

TEST(KnowledgeBaseName, IsTheFirstNameAfterTheKindPrefix) {
    EXPECT_EQ(knowledge_base_name_of("RUboiler.EEB"), "boiler");
    EXPECT_EQ(knowledge_base_name_of("/bases/demo/MOboiler.EEB"), "boiler");
    EXPECT_EQ(knowledge_base_name_of("RUboiler_2.eeb"), "boiler_2");
    EXPECT_EQ(knowledge_base_name_of("Coboiler v2.EEB"), "boiler");
    EXPECT_EQ(knowledge_base_name_of("RU.EEB"), "");
    EXPECT_EQ(knowledge_base_name_of("R"), "");
}

TEST(Correspondence, AcceptsOnlyTheExactKnowledgeBaseName) {
    struct Case {
        const char* file;
        bool accepted;
    };
    const Case cases[] = {
        {"MOboiler.EEB", true},
        {"Coboiler.EEB", true},
        {"MOBoiler.EEB", false}, // letter case differs
        {"MOpump.EEB", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        AppState state = boiler_state();
        ScriptedDialogs ui;
        EXPECT_EQ(korespondencja(state, ui, c.file), c.accepted);
        if (c.accepted) {
            EXPECT_EQ(ui.window, "");
            EXPECT_TRUE(ui.notes.empty());
            continue;
        }
        const std::string file = c.file;
        EXPECT_EQ(ui.window,
                  " The chosen base \n\n"
                  "      " +
                      file +
                      "\n\n"
                      " is not compatible with the already loaded elementary exact rule base\n"
                      "   \n\n"
                      "      RUboiler.EEB\n\n"
                      " and therefore can not be loaded.\n\n");
        EXPECT_EQ(ui.notes, (std::vector<Note>{
                                {"Attention error!", "The chosen base\n   " + file +
                                                         "\nis not compatible with the already "
                                                         "loaded \nelementary exact rule base\n"
                                                         "    RUboiler.EEB\n"
                                                         "and therefore can not be loaded."}}));
    }
}

TEST(Correspondence, ForgottenKnowledgeBaseNameRefusesEveryBase) {
    for (const char* file : {"MOboiler.EEB", "MO.EEB"}) {
        SCOPED_TRACE(file);
        AppState state = boiler_state();
        state.wyroznik.clear();
        ScriptedDialogs ui;
        EXPECT_FALSE(korespondencja(state, ui, file));
        EXPECT_EQ(ui.notes.size(), 1U);
    }
}

AppState constraint_state(std::vector<Constraint> constraints) {
    AppState state = boiler_state();
    state.kb.constraint.constraints = std::move(constraints);
    state.kb.constraint.name = BaseName{"Coboiler.EEB", "/bases/Coboiler.EEB"};
    state.askables.lista_warunkow_dopytywalnych = {"cold", "hot", "warm"};
    return state;
}

TEST(ConstraintChecks, ConstraintWithOneConditionIsRefusedEvenWhenAskable) {
    AppState state = constraint_state({{1, {"hot", "cold"}}, {2, {"hot"}}, {3, {"warm"}}});
    ScriptedDialogs ui;
    EXPECT_FALSE(wykrywanie_ograniczen_pojedynczych(state, ui));
    EXPECT_EQ(ui.window, "The Constraint Base Coboiler.EEB\n"
                         "contains the constraint 2 with a list:\n"
                         "    [\"hot\"]\n"
                         "with less than 2 askable conditions.\n"
                         "This contradicts the essence of constraint bases.\n"
                         "Enter 'Constraint Base'\n"
                         "choose the option 'Constraint Base Editing',\n"
                         "load the faulty base and either remove the faulty constraint\n"
                         "or add other askable conditions, mutually exclusive with the \n"
                         "condition in question.\n");
    EXPECT_EQ(ui.notes,
              (std::vector<Note>{
                  {"Attention error!",
                   "Elementary Exact Constraint Base\n   Coboiler.EEB\n"
                   "contains the constraint 2\nwith less than 2 askable conditions:\n\n"
                   "[\"hot\"]\n\n"
                   "Enter 'Exact Constraint Base', choose the option 'Constraint Base Editing',\n"
                   "load the faulty base and either remove the faulty constraint or \n"
                   "or add other askable conditions, mutually exclusive with the \n"
                   "condition in question."}}));
    EXPECT_TRUE(state.kb.constraint.constraints.empty());
    EXPECT_FALSE(state.kb.constraint.name.has_value());
}

TEST(ConstraintChecks, NonAskableConditionIsRefused) {
    AppState state = constraint_state({{1, {"hot", "cold"}}, {2, {"warm", "boiling", "steam"}}});
    ScriptedDialogs ui;
    EXPECT_TRUE(wykrywanie_ograniczen_pojedynczych(state, ui));
    EXPECT_FALSE(kontrola_dopytywalnosci_ograniczen(state, ui));
    EXPECT_EQ(ui.window,
              "\n"
              "A Constraint Base may contain only lists of askable \n"
              "mutually exclusive conditions.\n\n"
              "Condition 'boiling' in constraint 2\n"
              "of the Constraint Base Coboiler.EEB\n"
              "is not an askable condition.\n\n"
              "You may:\n"
              "1. Enter 'Constraint Base', \n"
              "   choose the option 'Constraint Base Editing',\n"
              "   load the faulty constraint base and remove the non-askable condition,\n"
              "        or: \n"
              "2. Enter 'Rule Base Activities'\n"
              "   choose the option 'Rule Base Editing'\n"
              "   load the rule base and introduce there the non-askable condition as \n"
              "   askable condition.\n");
    EXPECT_EQ(ui.notes,
              (std::vector<Note>{
                  {"Attention error!",
                   "An Exact Constraint Base may contain only \n"
                   "lists of askable mutually exclusive conditions.\n\n"
                   "Condition \n        boiling\n"
                   "in constraint 2 of the Elementary Exact Constraint Base\n   Coboiler.EEB\n"
                   "is not an askable condition.\n\n"
                   "You may:\n"
                   "1. Enter 'Exact Constraint Base', choose the option 'Constraint Base "
                   "Editing',\n"
                   "load the faulty Constraint Base and remove the non-askable condition,\n"
                   "or\n"
                   "2. Enter 'Exact Rule Base', choose the option 'Rule Base Editing'\n"
                   "load the Rule Base and introduce there the non-askable condition as "
                   "askable condition."}}));
    EXPECT_TRUE(state.kb.constraint.constraints.empty());
    EXPECT_FALSE(state.kb.constraint.name.has_value());
}

TEST(ConstraintChecks, ModelBaseArgumentsAreAdmissibleWhileItIsLoaded) {
    AppState state = constraint_state({{1, {"hot", "cold"}}, {2, {"boiling", "steam"}}});
    state.askables.lista_warunkow_i_argumentow_dopytywalnych =
        Names{"boiling", "cold", "hot", "steam"};
    ScriptedDialogs ui;
    EXPECT_TRUE(kontrola_dopytywalnosci_ograniczen(state, ui));
    EXPECT_EQ(ui.window, "");
    EXPECT_EQ(state.kb.constraint.constraints.size(), 2U);
}

const std::string kSingleIntro = "The Rule Base RUboiler.EEB\n"
                                 "contains at least one rule with a single condition.\n"
                                 "For exact rule bases such a rule may often be a tautology\n"
                                 "that simply exchanges one name (for the single condition)\n"
                                 "by another name (for the conclusion), while contributing\n"
                                 "nothing of logical substance and making the rule base less\n"
                                 "transparent and readable.\n";

const std::string kSingleBox =
    "yes_no: Choose: | The Elementary Exact Rule Base \n   RUboiler.EEB\n"
    "contains at least one rule with a single condition.\n\n"
    "For exact rule bases such a rule may often be a  \n"
    "tautology, that simply exchanges one name (for the \n"
    "single condition) by another name (for the conclusion),\n"
    "while contributing nothing of logical substance and \n"
    "making the rule base less transparent and readable.\n\n"
    "Do you wish to see rules with single conditions?";

const std::string kRuleOne = "Rule 1 with conclusion 'hot'\nand with single condition 'fire'.\n";
const std::string kRuleFour = "Rule 4 with conclusion 'steam'\nand with single condition 'boil'.\n";

std::string rule_box(const std::string& number, const std::string& conclusion,
                     const std::string& condition) {
    return "yes_no: Rule with single condition | The Elementary Exact Rule Base\n"
           "   RUboiler.EEB\ncontains rule " +
           number + " with conclusion\n   " + conclusion + "\nand with single condition\n   " +
           condition + ".\n\nDo you wish to see the next rule with single condition?";
}

// Rules 1 and 4 have one condition; rule 3 has none and is not one of them.
AppState single_condition_state() {
    return boiler_state({rule(1, "hot", {"fire"}), rule(2, "boil", {"hot", "water"}),
                         rule(3, "nothing", {}), rule(4, "steam", {"boil"})});
}

TEST(SingleConditionRules, DeclinedListingOnlyRecords) {
    AppState state = single_condition_state();
    ScriptedDialogs ui;
    ui.answer({"n"});
    wykrywanie_warunkow_pojedynczych(state, ui);
    const auto& found = state.findings.pojedynczy_warunek;
    ASSERT_EQ(found.size(), 2U);
    EXPECT_EQ(found[0].number, 1);
    EXPECT_EQ(found[1].number, 4);
    EXPECT_EQ(found[1].index, 3U);
    EXPECT_EQ(ui.window, kSingleIntro);
    EXPECT_EQ(ui.log, std::vector<std::string>{kSingleBox});
}

TEST(SingleConditionRules, ListingThroughAllRulesEndsWithAdvice) {
    AppState state = single_condition_state();
    ScriptedDialogs ui;
    ui.answer({"y", "y", "y"});
    wykrywanie_warunkow_pojedynczych(state, ui);
    EXPECT_EQ(ui.window, kSingleIntro + "The Rule Base RUboiler.EEB contains:\n\n" + kRuleOne +
                             kRuleFour +
                             "If you wish to delete or correct a tautological rule,\n"
                             "enter 'Rule Base', choose option\n"
                             "'Rule Base Editing' and load the faulty rule base.\n"
                             "If not, proceed with loading the remaining bases.\n");
    const std::vector<std::string> log = {
        kSingleBox, rule_box("1", "hot", "fire"), rule_box("4", "steam", "boil"),
        "note: Advice | If you wish to delete or correct a tautological rule, enter 'Exact Rule "
        "Base', choose option,\n'Rule Base Editing' and load the faulty rule base.\n"
        " If not, proceed with loading the remaining bases."};
    EXPECT_EQ(ui.log, log);
}

TEST(SingleConditionRules, ListingStopsWhenTheUserSaysNo) {
    AppState state = single_condition_state();
    ScriptedDialogs ui;
    ui.answer({"y", "n"});
    wykrywanie_warunkow_pojedynczych(state, ui);
    EXPECT_EQ(ui.window, kSingleIntro + "The Rule Base RUboiler.EEB contains:\n\n" + kRuleOne);
    EXPECT_TRUE(ui.notes.empty());
}

TEST(SingleConditionRules, BaseWithoutThemAsksNothing) {
    AppState state = boiler_state({rule(1, "boil", {"hot", "water"}), rule(2, "nothing", {})});
    ScriptedDialogs ui; // an unexpected question would end the program
    wykrywanie_warunkow_pojedynczych(state, ui);
    EXPECT_EQ(ui.window, "");
    EXPECT_TRUE(state.findings.pojedynczy_warunek.empty());
}

} // namespace
} // namespace orve
