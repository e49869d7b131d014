#include "models/explanation_checks.hpp"
#include "models/model_lists.hpp"
#include "support/scripted_dialogs.hpp"

#include <gtest/gtest.h>

namespace orve {
namespace {

// Every model kind; "rate" is a result of one model and an argument of
// another, "hot" is a rule conclusion used as a go-ahead condition, 3.5 and 0
// are literals, and "No condition" occurs as a go-ahead condition.
KnowledgeBaseSet fixture() {
    KnowledgeBaseSet kb;
    kb.rule.rules = {{1, "hot", {"fire", "wood"}, 0}, {2, "safe", {"calm"}, 0}};
    kb.rule.name = BaseName{"RUheat.EEB", "/kb/RUheat.EEB"};
    kb.model.basic = {{1, "No condition", "rate", "speed", "*", "3.5", 1},
                      {2, "hot", "root", "rate", "sqrt", "0", 1},
                      {3, "dry", "fast", "rate", "<>", "limit", 1},
                      {4, "No condition", "n", "2", "number_of_rule_conditions", "0", 1}};
    kb.model.extended = {{5, "No condition", "total", "+", {"rate", "extra"}, 1},
                         {6, "windy", "inside", "<,<=", {"0", "t", "top"}, 1}};
    kb.model.linear = {{7, "No condition", "lin", {"a1", "2"}, {"x1", "x2"}, 1}};
    kb.model.polynomial = {{8, "No condition", "poly", "y", {"c0", "1"}, {0, 1}, 1}};
    kb.model.name = BaseName{"MOheat.EEB", "/kb/MOheat.EEB"};
    return kb;
}

TEST(ModelLists, DerivedNameLists) {
    const KnowledgeBaseSet kb = fixture();
    AskableLists lists;
    rebuild_model_lists(kb.model, lists);
    EXPECT_EQ(lists.lista_argumentow_modeli,
              (Names{"speed", "3.5", "rate", "extra", "a1", "2", "x1", "x2", "y", "c0", "1"}));
    EXPECT_EQ(lists.lista_wynikow_modeli, (Names{"rate", "root", "n", "total", "lin", "poly"}));
    EXPECT_EQ(lists.lista_warunkow_stosowania, (Names{"hot", "dry", "windy", "No condition"}));
    EXPECT_EQ(lists.lista_wnioskow_modeli, (Names{"fast", "inside"}));
}

TEST(ModelLists, AskableArgumentsLeaveOutLiteralsResultsAndRuleConclusions) {
    const KnowledgeBaseSet kb = fixture();
    EXPECT_EQ(askable_model_arguments(kb.model, kb.rule),
              (Names{"a1", "c0", "dry", "extra", "limit", "speed", "t", "top", "windy", "x1", "x2",
                     "y"}));
    // Without rules "hot" is askable.
    EXPECT_EQ(askable_model_arguments(kb.model, RuleBase{}).front(), "a1");
    const Names without_rules = askable_model_arguments(kb.model, RuleBase{});
    EXPECT_NE(std::find(without_rules.begin(), without_rules.end(), "hot"), without_rules.end());
}

TEST(ModelLists, LoadWritesTheJointAskableLists) {
    KnowledgeBaseSet kb = fixture();
    kb.model.basic.resize(2);
    kb.model.extended.clear();
    kb.model.linear.clear();
    kb.model.polynomial = {{8, "fire", "poly", "y", {"1"}, {0}, 1},
                           {9, "No condition", "shown", "1", {"1"}, {0}, 1}};
    AskableLists lists;
    lists.lista_warunkow_dopytywalnych = {"calm", "fire", "shown", "wood"};
    rebuild_model_lists(kb.model, lists);
    test::ScriptedDialogs ui;
    redukuj_warunki_dopytywalne(lists);
    wyznacz_dopytywalne_zmienne(kb, lists);
    wyznacz_warunki_i_argumenty_dopytywalne(kb, lists, ui);
    EXPECT_EQ(ui.window, "\n\nAskable conditions and arguments for model base MOheat.EEB:\n"
                         "fire\nspeed\ny\n"
                         "\n\nAskable conditions for rule base RUheat.EEB while taking into "
                         "account the model basei MOheat.EEB:\n"
                         "calm\nfire\nshown\nwood\n"
                         "\n\nAskable conditions for rule base RUheat.EEB and model base "
                         "MOheat.EEB:\n"
                         "calm\nfire\nshown\nspeed\nwood\ny\n\n");
    EXPECT_EQ(lists.lista_warunkow_i_argumentow_dopytywalnych,
              (Names{"calm", "fire", "shown", "speed", "wood", "y"}));
}

TEST(ModelLists, ModelConclusionsAreNoLongerAskableConditions) {
    AskableLists lists;
    lists.lista_warunkow_dopytywalnych = {"a", "fast", "b"};
    redukuj_warunki_dopytywalne(lists);
    EXPECT_EQ(lists.lista_wszystkich_dopytywalnych_dla_wyswietlania, (Names{"a", "fast", "b"}));
    lists.lista_wnioskow_modeli = Names{"fast"};
    redukuj_warunki_dopytywalne(lists);
    EXPECT_EQ(lists.lista_wszystkich_dopytywalnych_dla_wyswietlania, (Names{"a", "b"}));
}

TEST(ModelLists, RelationNamesAndRatings) {
    AskableLists lists;
    EXPECT_FALSE(testuj_relacje("t", lists));
    lists.lista_argumentow_dopytywalnych = Names{"t"};
    lists.lista_wnioskow_modeli = Names{"fast"};
    EXPECT_TRUE(testuj_relacje("t", lists));
    EXPECT_TRUE(testuj_relacje("fast", lists));
    EXPECT_FALSE(testuj_relacje("rate", lists));

    ReportBuffer report;
    test::ScriptedDialogs ui;
    ReportWriter out(report, ui);
    EXPECT_TRUE(testuj_ocena_wniosku(0.0, out));
    EXPECT_TRUE(testuj_ocena_wniosku(10.0, out));
    EXPECT_EQ(ui.window, "");
    EXPECT_FALSE(testuj_ocena_wniosku(10.5, out));
    EXPECT_EQ(ui.window, "B\xB3\xB9"
                         "d! Ocena musi by\xE6 zawarta w przedziale 0 - 10\n");
    EXPECT_EQ(report.text, ui.window);
}

} // namespace
} // namespace orve
