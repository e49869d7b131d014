#include "models/model_lists.hpp"
#include "models/name_clashes.hpp"
#include "support/scripted_dialogs.hpp"

#include <gtest/gtest.h>

namespace orve {
namespace {

AppState loaded(std::vector<ModelB> models) {
    AppState state;
    state.kb.rule.rules = {{1, "hot", {"fire", "wood"}, 0}};
    state.kb.rule.name = BaseName{"RUheat.EEB", "/kb/RUheat.EEB"};
    state.kb.model.basic = std::move(models);
    state.kb.model.name = BaseName{"MOheat.EEB", "/kb/MOheat.EEB"};
    rebuild_model_lists(state.kb.model, state.askables);
    test::ScriptedDialogs setup;
    set_command(state, setup, 10154, true);
    set_command(state, setup, 10155, true);
    return state;
}

TEST(NameClashes, DistinctNamesPass) {
    AppState state =
        loaded({{1, "hot", "fast", "v", ">", "3", 1}, {2, "fire", "v", "a", "+", "1", 1}});
    test::ScriptedDialogs ui;
    EXPECT_TRUE(wnioski_modeli_a_wnioski_regul(state, ui));
    EXPECT_EQ(state.askables.lista_wszystkich_zmiennych_logicznych,
              (Names{"fast", "wood", "hot", "fire"}));
    EXPECT_TRUE(ui.notes.empty());
}

TEST(NameClashes, ARelationalModelConcludingARuleConclusionUnloadsBoth) {
    AppState state = loaded({{1, "No condition", "hot", "v", ">", "3", 1}});
    test::ScriptedDialogs ui;
    EXPECT_FALSE(wnioski_modeli_a_wnioski_regul(state, ui));
    EXPECT_EQ(ui.window, "Faulty rule base     RUheat.EEB\nFaulty model base MOheat.EEB\n"
                         "Rules and relational models have identically named conclusions:\n"
                         "[\"hot\"]\n Proceed to the options:\n"
                         " 'Exact Rule Base' or 'Exact Model Base'\n"
                         " enter the options 'Rule Base Editing' or 'Model Base Editing'\n"
                         " load the faulty bases and remove the faults\n");
    ASSERT_EQ(ui.notes.size(), 1U);
    EXPECT_EQ(ui.notes[0].title, "Error: same conclusions in rule- and model base");
    EXPECT_EQ(ui.notes[0].text,
              "Faulty rule base\n   RUheat.EEB\nand model base\n   MOheat.EEB'.\nRules and "
              "relational models have identically named conclusions.\nThey are in the list:\n   "
              "[\"hot\"]\nChaining has been suppresssed. \n Proceed to the options: 'Exact Rule "
              "Base' or 'Exact Model Base',\nenter the options 'Rule Base Editing' or 'Model Base "
              "Editing' \nload the faulty bases and remove the faults.");
    EXPECT_FALSE(state.kb.rule.name);
    EXPECT_FALSE(state.kb.model.name);
    EXPECT_TRUE(state.kb.rule.rules.empty());
    EXPECT_TRUE(state.kb.model.basic.empty());
    EXPECT_FALSE(state.askables.lista_wnioskow_modeli);
    EXPECT_EQ(ui.command_changes, (std::map<int, bool>{{10154, false}, {10155, false}}));
    EXPECT_FALSE(state.commands.enabled(10154));
}

TEST(NameClashes, AGoAheadConditionUsedAsAnArgumentUnloadsBoth) {
    AppState state = loaded({{1, "fire", "v", "fire", "+", "1", 1}});
    test::ScriptedDialogs ui;
    EXPECT_FALSE(wnioski_modeli_a_wnioski_regul(state, ui));
    EXPECT_EQ(ui.window, "Faulty rule base     RUheat.EEB\nand/or model base MOheat.EEB\n"
                         "Rules and relational models have conditions/conclusions\n"
                         "named like arguments/results.\nThey are the following:\n"
                         "[\"fire\"]\n Proceed to the 'Main Menu' options:\n"
                         " 'Exact Rule Base' or 'Exact Model Base'\n"
                         " enter the options 'Rule Base Editing' or 'Model Base Editing'\n"
                         " load the faulty bases and remove the faults\n");
    ASSERT_EQ(ui.notes.size(), 1U);
    EXPECT_EQ(ui.notes[0].title, "Error: same name for different string variables");
    EXPECT_EQ(ui.notes[0].text,
              "Faulty rule base\n   RUheat.EEB\nand/or model base\n   MOheat.EEB'.\nRules and/or "
              "models have conditions/conclusions\nnamed like arguments/results. They are in the "
              "list:\n   [\"fire\"]\nChaining has been suppresssed. \nProceed to the options "
              "'Exact Rule Base' or 'Exact Model Base',\nenter the options 'Rule Base Editing' or "
              "'Model Base Editing' \nload the faulty bases and remove the faults.");
    EXPECT_FALSE(state.kb.model.name);
}

} // namespace
} // namespace orve
