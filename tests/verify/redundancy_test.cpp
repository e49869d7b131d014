#include "verify/redundancy.hpp"

#include "report/report_file.hpp"
#include "support/scripted_dialogs.hpp"
#include "support/temp_tree.hpp"
#include "verify/verification_commands.hpp"
#include "verify_fixture.hpp"

#include <gtest/gtest.h>

namespace orve {
namespace {

using test::checked_state;
using test::Note;
using test::rule;
using test::ScriptedDialogs;

std::string pairs_of(const Findings& findings) {
    std::string text;
    for (const auto& [a, b] : findings.reguly_nadmiarowe_n1) {
        text += "(" + std::to_string(a) + "," + std::to_string(b) + ")";
    }
    return text;
}

struct Case {
    const char* label;
    std::vector<Rule> rules;
    std::string pairs;
};

TEST(RedundancyDetection, RecordsEveryIncludedCombinationOnce) {
    const Case cases[] = {
        {"conditions among the other's", {rule(1, "k", {"a", "b"}), rule(2, "k", {"a"})}, "(1,2)"},
        {"same conditions in another order",
         {rule(1, "k", {"a", "b"}), rule(2, "k", {"b", "a"})},
         "(1,2)"},
        {"a rule without conditions",
         {rule(1, "k", {}), rule(2, "k", {"a"}), rule(3, "k", {"b"})},
         "(1,2)(1,3)"},
        {"different conclusions", {rule(1, "k", {"a"}), rule(2, "m", {"a"})}, ""},
        {"rules of one number", {rule(1, "k", {"a"}), rule(1, "k", {"a", "b"})}, ""},
        {"every matching combination of versions",
         {rule(1, "k", {"c"}), rule(2, "c", {"a"}), rule(3, "c", {"b"}), rule(4, "k", {"a"}),
          rule(5, "k", {"a", "b"})},
         "(1,4)(1,5)(1,5)(4,5)"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        AppState state = checked_state(c.rules);
        EXPECT_EQ(wyznacz_nadmiar(state.kb.rule, state.askables, state.findings), c.pairs.empty());
        EXPECT_EQ(pairs_of(state.findings), c.pairs);
        EXPECT_EQ(state.findings.jest_nadmiar, !c.pairs.empty());
        EXPECT_EQ(state.findings.para_splaszczona_n1.size(),
                  state.findings.reguly_nadmiarowe_n1.size());
    }
}

const char* const kOffer = "The loaded rule base RUboiler.EEB may be tested for redundancies.\n"
                           "This test may take a lot of time for large and heavily nested rule "
                           "bases. \n\n"
                           "This test should be used while developing or modifying rule bases.\n"
                           "For routine uses of the rule base the test should be bypassed.\n\n";

TEST(RedundancyOffer, AcceptedTestInformsAndEnablesTheDiagnosis) {
    AppState state = checked_state({rule(1, "k", {"a", "b"}), rule(2, "k", {"a"})});
    ScriptedDialogs ui;
    ui.answer({"y"});

    testuj_nadmiar_1(state, ui);

    EXPECT_EQ(ui.log.front(),
              "yes_no: Choose | Elementary Exact Rule Base\n   RUboiler.EEB\nmay be tested for "
              "redundancies.\n\nThis test may take a lot of time for \nlarge and heavily nested "
              "rule bases. \nThis test should be performed while \ndeveloping or modifying rule "
              "bases.\nFor routine uses of the rule base \nthe test should be bypassed.\n\nDo you "
              "wish to test the rule base \nfor redundancies?");
    EXPECT_EQ(ui.window,
              std::string(kOffer) +
                  " The  Rule Base  RUboiler.EEB contains  redundant rules of type REE1.\n\n"
                  " You may use the loaded rule base for chaining, because redundant\n"
                  " rules do not cause chaining to break down. However, it may increase\n"
                  " the time necessary for performing the chaining and - what's perhaps\n"
                  " more important - make conditions depend upon an unnecessarily large\n"
                  " number of conditions.\n"
                  " Therefore it is advised to remove redundancies.\n\n"
                  " For this  proceed to the Main Menu\n"
                  " option:\n\n"
                  " 'Exact Rule Base /Diagnosing Redundancies'\n\n"
                  " where a detailed message highlighting the nature of rule redundancies\n"
                  " is to be found.\n\n");
    ASSERT_EQ(ui.notes.size(), 1U);
    EXPECT_EQ(ui.notes[0].title, "Attention:");
    EXPECT_EQ(ui.notes[0].text.rfind("Elementary Exact Rule Base\n   RUboiler.EEB\ncontains "
                                     "redundant rules of type REE1.\n\n",
                                     0),
              0U);
    for (const int id : {10072, 10065, 10066, 10067, 10074, 10090, 10100, 10112}) {
        EXPECT_TRUE(state.commands.enabled(id)) << id;
    }
    state.commands.set(10097, true);
    state.commands.set(10098, true);
    ASSERT_TRUE(informuj_nadmiar(state, ui)) << "pairs recorded earlier are reported again";
    EXPECT_FALSE(state.commands.enabled(10097));
    EXPECT_FALSE(state.commands.enabled(10098));
}

TEST(RedundancyOffer, DeclinedNoneFoundOrInconsistent) {
    AppState state = checked_state({rule(1, "k", {"a", "b"}), rule(2, "k", {"c"})});
    ScriptedDialogs declined;
    declined.answer({"n"});
    testuj_nadmiar_1(state, declined);
    EXPECT_EQ(declined.window, kOffer);
    EXPECT_FALSE(state.findings.jest_nadmiar);

    state.commands.set(10072, true);
    ScriptedDialogs accepted;
    accepted.answer({"y"});
    testuj_nadmiar_1(state, accepted);
    EXPECT_EQ(accepted.window,
              std::string(kOffer) + "The rule base RUboiler.EEB has no redundant rules!\n");
    EXPECT_EQ(accepted.notes,
              (std::vector<Note>{{"Result of rule redundancy test",
                                  "Elementary Exact Rule Base\n   RUboiler.EEB\nhas no redundant "
                                  "rules!"}}));
    EXPECT_FALSE(state.commands.enabled(10072));

    state.findings.sprzecznosc_1z = true;
    ScriptedDialogs silent;
    EXPECT_FALSE(informuj_nadmiar(state, silent));
    EXPECT_TRUE(silent.log.empty() && silent.window.empty());
}

const char* const kTitle = "Diagnosing rule redundancies";

TEST(RedundancyReport, WritesEachPairOnceAndReadsBackIdentical) {
    // Rule 1 flattens through rule 2; rule 4 has no conditions at all.
    AppState state = checked_state(
        {rule(1, "k", {"c", "b"}), rule(2, "c", {"a"}), rule(3, "k", {"a"}), rule(4, "k", {})});
    test::TempTree tree;
    const std::string path = tree.path("REE1.RPT").string();
    ScriptedDialogs ui;
    ui.answer({"1", path});

    ASSERT_TRUE(diagnose_redundancies(state, ui));

    const std::string report =
        " Diagnostic report on rule redundancies for rule base:\n RUboiler.EEB\n\n"
        " Redundancies of type REE1 are detected by flattening rules and comparing their list of "
        "conditions.\n"
        " The result of flattening rule 1  is: \n   rule_flattened(1, k, [b,a])\n"
        " Flattening has been done using rules:2\n"
        " The result of flattening rule 3  is: \n   rule_flattened(3, k, [a])\n"
        " Flattening has been done using rules:  \n\n"
        " Rules 1 and 3 are REE1  redundant.\n"
        " The result of flattening rule 1  is: \n   rule_flattened(1, k, [b,a])\n"
        " Flattening has been done using rules:2\n"
        " The result of flattening rule 4  is: \n   rule_flattened(4, k, [\n)\n"
        " Flattening has been done using rules:  \n\n"
        " Rules 1 and 4 are REE1  redundant.\n"
        " The result of flattening rule 3  is: \n   rule_flattened(3, k, [a])\n"
        " Flattening has been done using rules:\n\n"
        " The result of flattening rule 4  is: \n   rule_flattened(4, k, [\n)\n"
        " Flattening has been done using rules:  \n\n"
        " Rules 3 and 4 are REE1  redundant.\n"
        "\n End of diagnostic report on rule redundancies of rule base: \n RUboiler.EEB.";
    EXPECT_EQ(state.report.text, report);
    EXPECT_EQ(parse_report_file(test::read_file(path)), report);
    ASSERT_EQ(ui.notes.size(), 6U);
    EXPECT_EQ(ui.notes[0],
              (Note{"Diagnostic report on rule redundancies for rule base RUboiler.EEB",
                    "Redundancies of type REE1\nare detected by flattening rules and \ncomparing "
                    "their list of conditions."}));
    EXPECT_EQ(ui.notes[1],
              (Note{kTitle, "The result of flattening rule 1 is:\n\nrule_flattened(1, k, "
                            "[\"b\",\"a\"])\n\nFlattening has been done using rules: 2, \n\n\n"
                            "The result of flattening rule 3 is:\n\nrule_flattened(3, k, "
                            "[\"a\"])\n\nFlattening has been done using rules\n   \n\nRules 1 and "
                            "3 are  REE1 redundant."}));
    EXPECT_EQ(ui.notes[4], (Note{kTitle, "End of diagnostic report on rule redundancies of "
                                         "\nElementary Exact Rule Base\nRUboiler.EEB."}));
    EXPECT_TRUE(state.findings.reguly_nadmiarowe_n1.empty()) << "the report consumes the pairs";

    // A second report detects again: the versions are stored twice, each
    // pair is still written once.
    ScriptedDialogs again;
    again.answer({"2"});
    ASSERT_TRUE(diagnose_redundancies(state, again));
    EXPECT_EQ(state.report.text, report);
    EXPECT_EQ(state.findings.para_splaszczona_n1.size(), 6U);
}

TEST(RedundancyReport, NothingRedundantOnlyTellsSo) {
    AppState state = checked_state({rule(1, "k", {"a"}), rule(2, "k", {"b"})});
    state.report.text = "kept";
    ScriptedDialogs ui;
    ASSERT_TRUE(diagnose_redundancies(state, ui));
    EXPECT_EQ(ui.notes, (std::vector<Note>{
                            {kTitle, "The rule base\n   RUboiler.EEB\nhas no redundant rules!"}}));
    EXPECT_EQ(state.report.text, "kept");
    EXPECT_EQ(ui.window, "");
}

} // namespace
} // namespace orve
