#include "verify/joint_redundancy.hpp"
#include "verify/joint_redundancy_detection.hpp"

#include "report/report_file.hpp"
#include "support/scripted_dialogs.hpp"
#include "support/temp_tree.hpp"
#include "verify/verification_commands.hpp"
#include "verify/verify_text.hpp"
#include "verify_fixture.hpp"

#include <gtest/gtest.h>

namespace orve {
namespace {

using test::checked_state;
using test::load_constraints;
using test::Note;
using test::rule;
using test::ScriptedDialogs;

// Groups as "([rules],constraint)".
std::string groups_of(const Findings& findings) {
    std::string text;
    for (const auto& group : findings.reguly_nadmiarowe_n2) {
        text += "(" + bracket_numbers(group.rules) + "," + std::to_string(group.constraint) + ")";
    }
    return text;
}

struct Case {
    const char* label;
    std::vector<Rule> rules;
    Names constraint;
    std::string groups;
};

TEST(JointRedundancyDetection, FindsRulesDifferingOnlyThroughTheConstraint) {
    const Case cases[] = {
        {"one condition each, together the constraint",
         {rule(1, "k", {"a", "c"}), rule(2, "k", {"b", "c"})},
         {"a", "b"},
         "([1,2],1)"},
        {"a condition of the constraint not covered",
         {rule(1, "k", {"a", "c"}), rule(2, "k", {"b", "c"})},
         {"a", "b", "d"},
         ""},
        {"repeated remainders count once; grouped rules take no further part",
         {rule(1, "k", {"a", "c"}), rule(2, "k", {"b", "c"}), rule(3, "k", {"a", "c"})},
         {"a", "b"},
         "([1,2,3],1)([2,3],1)"},
        {"rules differing in two conditions",
         {rule(1, "k", {"a", "c"}), rule(2, "k", {"b", "d"})},
         {"a", "b"},
         ""},
        {"rules of different conclusions",
         {rule(1, "k", {"a", "c"}), rule(2, "m", {"b", "c"})},
         {"a", "b"},
         ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        AppState state = checked_state(c.rules);
        load_constraints(state, {{1, c.constraint}});
        EXPECT_EQ(wyznacz_nadmiar_2(state.kb, state.askables, state.findings), c.groups.empty());
        EXPECT_EQ(groups_of(state.findings), c.groups);
        EXPECT_EQ(state.findings.joint_redundancy_found, !c.groups.empty());
    }
}

TEST(JointRedundancyDetection, RecordsMembersAndMarks) {
    AppState state = checked_state({rule(1, "k", {"a", "c"}), rule(2, "k", {"b", "c"})});
    load_constraints(state, {{1, {"a", "b"}}});
    wyznacz_nadmiar_2(state.kb, state.askables, state.findings);
    const Findings& f = state.findings;
    ASSERT_EQ(f.reguly_nadmiarowe_n2.size(), 1U);
    EXPECT_EQ(f.reguly_nadmiarowe_n2[0].conditions, (std::vector<Names>{{"c", "a"}, {"c", "b"}}));
    EXPECT_EQ(f.regula_splaszczona_n2,
              (std::vector<FlattenedRule>{{1, "k", {"c", "a"}, {}}, {2, "k", {"c", "b"}, {}}}));
    EXPECT_EQ(f.zbadany_wniosek, (std::vector<std::pair<std::string, int>>{{"k", 1}}));
}

const char* const kTitle = "Diagnosing joint redundancies";

TEST(JointRedundancyOffer, FoundRedundancyFailsAndEnablesTheDiagnosis) {
    AppState state = checked_state({rule(1, "k", {"a", "c"}), rule(2, "k", {"b", "c"})});
    load_constraints(state, {{1, {"a", "b"}}});
    ScriptedDialogs ui;
    ui.answer({"y"});

    EXPECT_FALSE(testuj_nadmiar_2(state, ui));

    EXPECT_EQ(ui.log.front(),
              "yes_no: Choose | Elementary Exact Rule Base\n     RUboiler.EEB\nand Elementary "
              "Exact Constraint Base\n     COboiler.EEB\nmay be tested for joint redundancies. "
              "\n\nThis test may take a lot of time for large and \nheavily nested rule "
              "bases.\nTherefore it should be applied while developing or \nmodifying rule "
              "bases.\nFor routine uses of the rule- and constraint bases \nthe test should be "
              "bypassed.\n\nDo you wish to diagnose the rule and constraint \nbase for joint "
              "redundancies?");
    EXPECT_EQ(ui.window,
              "The Rule Base and Constraint Base may be tested for joint  redundancies.\n"
              "This test may take a lot of time for large and heavily nested \n"
              "rule bases. \n\n"
              "This test should be used while developing or modifying rule bases.\n"
              "For routine uses of the rule- and constraint bases the test should\n"
              "be bypassed.\n\n"
              "  Rule base:           RUboiler.EEB\n  and Constraint Base: COboiler.EEB\n"
              "  are tested for  joint redundancies.\n\n"
              "\n Rule Base:           RUboiler.EEB\n and Constraint Base: COboiler.EEB\n"
              " contain redundancy of type REE2.\n\n"
              " You may use the loaded bases for chaining, because redundant\n"
              " rules do not cause chaining to break down. However, it may increase\n"
              " the time necessary for performing the chaining and - what's perhaps\n"
              " more important - make conclusions depend upon an unnecessarily large\n"
              " number of conditions.\n"
              " Therefore it is advised to remove redundancies.\n\n"
              " For this  proceed to the option:\n"
              " 'Constraint Base/Diagnosing Joint Redundancies'\n\n"
              " where a detailed message highlighting the nature of redundancies\n"
              " is to be found.\n\n");
    ASSERT_EQ(ui.notes.size(), 1U);
    EXPECT_EQ(ui.notes[0].title, "Joint redundancies found");
    EXPECT_TRUE(state.commands.enabled(10098));

    ScriptedDialogs again;
    EXPECT_FALSE(informuj_nadmiar_2(state, again)) << "recorded groups are reported again";
    EXPECT_EQ(again.window.find("are tested for"), std::string::npos);
}

TEST(JointRedundancyOffer, DeclinedOrNoneFound) {
    AppState state = checked_state({rule(1, "k", {"a", "c"}), rule(2, "k", {"b", "d"})});
    load_constraints(state, {{1, {"a", "b"}}});
    ScriptedDialogs declined;
    declined.answer({"n"});
    EXPECT_TRUE(testuj_nadmiar_2(state, declined));
    EXPECT_TRUE(declined.notes.empty());

    ScriptedDialogs ui;
    EXPECT_TRUE(informuj_nadmiar_2(state, ui));
    EXPECT_EQ(ui.window,
              "  Rule base:           RUboiler.EEB\n  and Constraint Base: COboiler.EEB\n"
              "  are tested for  joint redundancies.\n\n"
              "  Rule Base:           RUboiler.EEB\n  and Constraint Base: "
              "COboiler.EEB\n  have no joint redundancies of type REE2.");
    EXPECT_EQ(ui.notes, (std::vector<Note>{{"Result of testing joint redundancies",
                                            "Elementary Exact Rule Base\n     RUboiler.EEB\nand "
                                            "Elementary Exact Constraint Base\n     "
                                            "COboiler.EEB\nhave no joint redundancies of type "
                                            "REE2."}}));
}

TEST(JointRedundancyReport, WritesEachGroupWithItsConstraint) {
    // Rule 2 reaches its condition "b" through rule 3.
    AppState state =
        checked_state({rule(1, "k", {"a", "c"}), rule(2, "k", {"d", "c"}), rule(3, "d", {"b"})});
    load_constraints(state, {{1, {"a", "b"}}});
    test::TempTree tree;
    const std::string path = tree.path("REE2.RPT").string();
    ScriptedDialogs ui;
    ui.answer({"1", path});

    ASSERT_TRUE(diagnose_joint_redundancies(state, ui));

    const std::string report =
        " Diagnostic report on joint rule-constraint redundancies between:\n"
        "Rule Base:            RUboiler.EEB\n"
        " and Constraint Base:  COboiler.EEB\n\n"
        " Joint redundancies of type  REE2 are detected by flattening rules and comparing their "
        "list of conditions\n"
        " with those in the constraint base: \n"
        " The result of flattening rule 1 is: \n"
        "   rule_flattened(1, k, [c,a])\n"
        " The flattening has been done using rules:  \n"
        " The result of flattening rule 2 is: \n"
        "   rule_flattened(2, k, [c,b])\n"
        " The flattening has been done using rules:  3\n"
        " The quoted rules and the constraint 1 o postaci\n"
        "   constraint(1, [a,b])\n"
        " contain redundancy of type REE2.\n"
        "\n"
        " End of diagnostic report of joint rule-constraint redundancies between\n"
        " Rule Base:       RUboiler.EEB\n"
        "and Constraint Base: COboiler.EEB\n";
    EXPECT_EQ(state.report.text, report);
    EXPECT_EQ(parse_report_file(test::read_file(path)), report);
    ASSERT_EQ(ui.notes.size(), 7U);
    EXPECT_EQ(ui.notes[3], (Note{kTitle, "The result of flattening rule  2 is:\n\n"
                                         "rule_flattened(2, k, [\"c\",\"b\"])\n\nThe flattening "
                                         "has been done using rules: 3, "}));
    EXPECT_EQ(ui.notes[4], (Note{kTitle, "The quoted rules and the constrainte 1\nconstraint(1, "
                                         "[\"a\",\"b\"])\ncontain redundancy of type  REE2."}));
    EXPECT_TRUE(state.findings.reguly_nadmiarowe_n2.empty());
    EXPECT_TRUE(state.findings.zbadany_wniosek.empty());

    ScriptedDialogs again;
    again.answer({"2"});
    ASSERT_TRUE(diagnose_joint_redundancies(state, again));
    EXPECT_EQ(state.report.text, report) << "a second report detects the same groups";
}

TEST(JointRedundancyReport, NothingFound) {
    AppState state = checked_state({rule(1, "k", {"a", "c"})});
    load_constraints(state, {{1, {"a", "b"}}});
    state.report.text = "old";
    ScriptedDialogs ui;
    ASSERT_TRUE(diagnose_joint_redundancies(state, ui));
    const std::string written = " Rule Base:           RUboiler.EEB\n"
                                "  and Constraint Base: COboiler.EEB\n"
                                "  have no joint redundancies of type REE2.";
    EXPECT_EQ(state.report.text, written);
    EXPECT_EQ(ui.window, "\n" + written);
    EXPECT_EQ(ui.notes, (std::vector<Note>{{kTitle, "Elementary Exact Rule Base\n    "
                                                    "RUboiler.EEB\nand Elementary Exact "
                                                    "Constraint Base\n    COboiler.EEB\nhave no "
                                                    "joint redundancies of type REE2."}}));
}

} // namespace
} // namespace orve
