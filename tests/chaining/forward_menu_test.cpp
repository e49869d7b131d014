// Fact declaration by menu before the run.
#include "forward_fixture.hpp"

namespace orve::test {
namespace {

using FactMenu = ForwardRun;

std::vector<std::string> dialogues_of(const std::vector<std::string>& log) {
    std::vector<std::string> picked;
    for (const auto& line : log) {
        if (line.rfind("pick_", 0) == 0 || line.rfind("yes_no", 0) == 0 ||
            line.rfind("note: Attention!", 0) == 0) {
            picked.push_back(line);
        }
    }
    return picked;
}

TEST_F(FactMenu, ConstraintsAndAskableConditionsArePickedBeforeTheRun) {
    rule_base({rule(1, "pump on", {"pressure normal", "valve open"}), rule(2, "alarm", {"noise"}),
               rule(3, "stop", {"smoke"}), rule(4, "vent", {"pressure high"})},
              {"valve open"});
    constraint_base({{1, {"pressure low", "pressure normal", "pressure high"}},
                     {2, {"valve open", "valve closed"}}});
    EXPECT_TRUE(run({low, decline, menu, "2", "1", decline, decline}));

    EXPECT_EQ(dialogues_of(ui.log),
              (std::vector<std::string>{
                  "pick_fact: Mutually exclusive conditions for the constraint 1 | Choose a fact "
                  "from the list of conditions for the constraint 1",
                  "pick_facts: Choose facts from askable conditions! | Choose facts from askable "
                  "conditions!"}));
    EXPECT_EQ(ui.window, bases_lines("", "COboiler.EEB") +
                             "\nThe rule base contains following facts:\n    valve open\n" +
                             explanation(1, "pump on", {"pressure normal", "valve open"}) +
                             explanation(2, "alarm", {"noise"}) +
                             normal_ending("pressure normal\nnoise\nvalve open\npump on\nalarm\n"
                                           "Not true:    pressure low\nNot true:    pressure high\n"
                                           "Not true:    smoke\nNot true:    valve closed\n") +
                             report_offer);
    EXPECT_EQ(
        state.memory.lista_warunkow_uwzglednionych_ograniczen,
        (Names{"pressure low", "pressure normal", "pressure high", "valve open", "valve closed"}));
}

TEST_F(FactMenu, WithOnlyDeclaredFactsLeftTheRunQueriesAfterANote) {
    rule_base({rule(1, "pump on", {"pressure normal"}), rule(2, "alarm", {"noise"}),
               rule(3, "vent", {"smoke", "pressure low"})},
              {"noise"});
    constraint_base({{1, {"pressure low", "pressure normal", "pressure high"}},
                     {2, {"smoke", "pressure high"}}});
    EXPECT_TRUE(run({low, decline, menu, "1", "1", decline, decline}));

    const std::string note = "Logical values for askable conditions have been declared "
                             "\nin the rule base using clauses 'fact(_)'. Only values for"
                             "\naskable arguments remain to be declared, similarly as for"
                             "the option 'Query Mode' from the 'FACT DECLARATION MODE MENU'.";
    // Constraint 2 had no declared fact, so it was offered too: its choice
    // "smoke" is true and lets rule 3 fire.
    EXPECT_EQ(dialogues_of(ui.log),
              (std::vector<std::string>{
                  "pick_fact: Mutually exclusive conditions for the constraint 1 | Choose a fact "
                  "from the list of conditions for the constraint 1",
                  "pick_fact: Mutually exclusive conditions for the constraint 2 | Choose a fact "
                  "from the list of conditions for the constraint 2",
                  "note: Attention! | " + note}));
    EXPECT_EQ(ui.window, bases_lines("", "COboiler.EEB") +
                             "Logical values for askable conditions have been declared \n"
                             "in the rule base using clauses 'fact(_)'. Only values for\n"
                             "askable arguments remain to be declared, similarly as for\n"
                             "the option 'Query Mode' from the 'FACT DECLARATION MODE MENU'.\n"
                             "\nThe rule base contains following facts:\n    noise\n" +
                             explanation(2, "alarm", {"noise"}) +
                             explanation(3, "vent", {"smoke", "pressure low"}) +
                             normal_ending("pressure low\nsmoke\nnoise\nalarm\nvent\n"
                                           "Not true:    pressure normal\n"
                                           "Not true:    pressure high\n") +
                             report_offer);
}

TEST_F(FactMenu, ABaseWithoutAskableConditionsIsQueriedAfterANote) {
    rule_base({rule(1, "heating", {"No condition"})});
    EXPECT_TRUE(run({low, decline, menu, decline, decline}));

    EXPECT_EQ(ui.notes[1], (Note{"Attention!", "The Rule Base has no askable conditions!This is "
                                               "acceptable. To declare values for\naskable "
                                               "arguments, choose the option'Query Mode' from "
                                               "the'FACT DECLARATION MODE MENU'"}));
    EXPECT_EQ(ui.window, bases_lines() +
                             "The Rule Base has no askable conditions!\n"
                             "This is acceptable. To declare values for\n"
                             "askable arguments, choose the option\n'Query Mode' from the\n"
                             "'FACT DECLARATION MODE MENU'\n" +
                             explanation(1, "heating", {"No condition"}) +
                             normal_ending("heating\n") + report_offer);
}

TEST_F(FactMenu, PickingNothingMakesEveryCandidateFalse) {
    rule_base({rule(1, "pump on", {"noise"}), rule(2, "alarm", {"smoke"})});
    EXPECT_TRUE(run({low, decline, menu, "", decline, decline}));
    EXPECT_EQ(state.memory.nieprawda.items(), (Names{"noise", "smoke"}));
    EXPECT_EQ(ui.window, bases_lines() + normal_ending("Not true:    noise\nNot true:    smoke\n") +
                             report_offer);
}

} // namespace
} // namespace orve::test
