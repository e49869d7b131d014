#include "verify/joint_inconsistency.hpp"

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

// Records as "(rule,constraint,[rules used])".
std::string records_of(const Findings& findings) {
    std::string text;
    for (const auto& record : findings.sprzecznosc_2_wszystko) {
        text += "(" + std::to_string(record.version.number) + "," +
                std::to_string(record.constraint) + "," +
                bracket_numbers(record.version.rules_used) + ")";
    }
    return text;
}

struct Case {
    const char* label;
    std::vector<Rule> rules;
    std::vector<Constraint> constraints;
    std::string records;
};

TEST(JointInconsistencyDetection, RecordsEveryConflictingPair) {
    const Case cases[] = {
        {"askable conditions of one constraint",
         {rule(5, "k", {"a", "b"})},
         {{1, {"a", "b"}}},
         "(5,1,[])"},
        {"conflict brought in by another rule",
         {rule(6, "k", {"c"}), rule(7, "c", {"a", "b"})},
         {{1, {"a", "b"}}},
         "(6,1,[7])(7,1,[])"},
        {"one condition of each constraint",
         {rule(1, "k", {"a", "c"})},
         {{1, {"a", "b"}}, {2, {"c", "d"}}},
         ""},
        {"a constraint listing the earlier condition twice",
         {rule(5, "k", {"a", "b"})},
         {{1, {"a", "b", "b"}}},
         "(5,1,[])(5,1,[])"},
        {"three conditions of one constraint",
         {rule(5, "k", {"a", "b", "c"})},
         {{1, {"c", "b", "a"}}},
         "(5,1,[])(5,1,[])(5,1,[])"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        AppState state = checked_state(c.rules);
        load_constraints(state, c.constraints);
        EXPECT_EQ(wyznacz_sprzecznosc_2(state.kb, state.askables, state.findings),
                  c.records.empty());
        EXPECT_EQ(records_of(state.findings), c.records);
        EXPECT_EQ(state.findings.joint_inconsistency_found, !c.records.empty());
    }
}

const char* const kOffer = "The Rule Base and Constraint Base may be tested for\n"
                           "joint inconsistencies.\n"
                           "This test may take a lot of time for large and heavily nested \n"
                           "rule bases. \n\n"
                           "This test should be used while developing or modifying rule bases.\n"
                           "For routine uses of the rule- and constraint bases the test should\n"
                           "be bypassed.\n\n"
                           "Keep in mind that joint rule- and constraint base inconsistencies\n"
                           "do not lead to infinite loops; however, rules jointly inconsistent\n"
                           "are just bypassed in the chaining process and this is perhaps not\n"
                           "what the rule base designer intended to achieve.\n\n";
const char* const kTested = "  Rule Base:           RUboiler.EEB\n"
                            "  and Constraint Base: COboiler.EEB\n"
                            "  are tested for joint inconsistencies\n\n";
const char* const kTitle = "Diagnostic Report on joint rule-constraint inconsistencies";

AppState conflicting_state() {
    AppState state = checked_state({rule(6, "k", {"c"}), rule(7, "c", {"a", "b"})});
    load_constraints(state, {{1, {"a", "b"}}, {2, {"b", "a"}}});
    return state;
}

TEST(JointInconsistencyOffer, FoundConflictFailsAndEnablesTheDiagnosis) {
    AppState state = conflicting_state();
    ScriptedDialogs ui;
    ui.answer({"y"});

    EXPECT_FALSE(testuj_sprzecznosc_2(state, ui));

    EXPECT_EQ(ui.log.front(),
              "yes_no: Choose |  Elementary Exact Rule Base\n    RUboiler.EEB\nand Elementary "
              "Exact Constraint Base\n    COboiler.EEB\nmay be tested for joint "
              "inconsistencies.\n\nThis test may take a lot of time for large and \nheavily "
              "nested rule bases.\nFor routine uses of the rule- and constraint bases \nthe test "
              "should be bypassed.\nKeep in mind that joint rule- and constraint base "
              "\ninconsistencies do not lead to infinite loops;\nrules jointly inconsistent are "
              "just bypassed in the \nchaining process and this is perhaps not what the \nrule "
              "base designer intended to achieve.\n\nDo you wish to test for joint "
              "inconsistencies?");
    EXPECT_EQ(ui.window, std::string(kOffer) + kTested +
                             "\n Rule Base:           RUboiler.EEB\n"
                             " and Constraint Base: COboiler.EEB\n"
                             " are IEE2-inconsistent.\n\n"
                             " You may run a diagnostic check revealing the nature of \n"
                             " inconsistency.\n"
                             " For this enter the option: \n"
                             " 'Constraint Base/Diagnosing Joint Inconsistencies'\n\n"
                             " where a detailed message highlighting the nature \n"
                             " of inconsistencies is to be found.\n\n");
    EXPECT_EQ(ui.notes,
              (std::vector<Note>{
                  {kTitle, "Elementary Exact Rule Base\n    RUboiler.EEB\nand Elementary Exact "
                           "Constraint Base\n    COboiler.EEB\nare jointly IEE2-inconsistent.\n"
                           "\nYou may run a diagnostic check revealing\nthe nature of "
                           "inconsistency. For this enter the option:\n   'Exact Constraint "
                           "Base\n     Diagnosing Joint Inconsistencies'\nwhere a detailed "
                           "message highlighting the nature \nof inconsistencies is to be "
                           "found."}}));
    EXPECT_TRUE(state.commands.enabled(10097));
    EXPECT_TRUE(state.findings.joint_inconsistency_found);
}

TEST(JointInconsistencyOffer, DeclinedOrConsistentSucceeds) {
    AppState state = conflicting_state();
    ScriptedDialogs declined;
    declined.answer({"n"});
    EXPECT_TRUE(testuj_sprzecznosc_2(state, declined));
    EXPECT_EQ(declined.window, kOffer);
    EXPECT_TRUE(state.findings.sprzecznosc_2_wszystko.empty());

    state.kb.constraint.constraints = {{1, {"a", "x"}}};
    ScriptedDialogs ui;
    ui.answer({"y"});
    EXPECT_TRUE(testuj_sprzecznosc_2(state, ui));
    EXPECT_EQ(ui.window, std::string(kOffer) + kTested +
                             "  Rule Base:           RUboiler.EEB\n"
                             "  and Constraint Base: COboiler.EEB\n"
                             "  are not jointly inconsistent.\n");
    EXPECT_EQ(ui.notes, (std::vector<Note>{{kTitle, "Elementary Exact Rule Base\n   "
                                                    "RUboiler.EEB\nand Elementary Exact "
                                                    "Constraint Base\n   COboiler.EEB\nare not "
                                                    "jointly inconsistent!"}}));
    EXPECT_FALSE(state.commands.enabled(10097));

    state.findings.sprzecznosc_1z = true;
    ScriptedDialogs silent;
    EXPECT_FALSE(informuj_sprzecznosc_2(state, silent));
    EXPECT_TRUE(silent.window.empty() && silent.log.empty());
}

TEST(JointInconsistencyReport, DirectEntriesEachIndirectVersionOnce) {
    AppState state = conflicting_state();
    test::TempTree tree;
    const std::string path = tree.path("IEE2.RPT").string();
    ScriptedDialogs ui;
    ui.answer({"1", path});

    ASSERT_TRUE(diagnose_joint_inconsistencies(state, ui));

    const std::string report =
        "\n\n  Diagnostic Report on joint rule-constraint inconsistencies between: \n"
        " Rule Base:        RUboiler.EEB i \n"
        " and Constraint Base:COboiler.EEB\n\n"
        " Detection of joint inconsistencies of type IEE2 is done by by flattening rules:\n\n"
        " Rule 7 is directly IEE2-inconsistent with constraint 1:\n"
        "   constraint(1, [a,b])\n\n"
        " Rule 7 is directly IEE2-inconsistent with constraint 2:\n"
        "   constraint(2, [b,a])\n\n"
        " The result of flattening rule 6 is: \n"
        "   rule_flattened(6, k, [a,b])\n"
        " Flattening has been done using rules: 7\n"
        " Rule 6 is indirectly IEE2-inconsistent with constraint 1:\n"
        "   constraint(1, [a,b])\n\n"
        "\n"
        " End of diagnostic report of joint rule-constraint inconsistencies between\n"
        " Rule Base:          RUboiler.EEB\n"
        " and Constraint Base:   COboiler.EEB\n";
    EXPECT_EQ(state.report.text, report);
    EXPECT_EQ(parse_report_file(test::read_file(path)), report);
    const std::vector<Note> notes = {
        {kTitle, "Diagnostic Report on joint rule-constraint inconsistencies between: \n"
                 "Elementary Exact Rule Base\n   RUboiler.EEB\nand Elementary Exact Constraint "
                 "Base\n   COboiler.EEB."},
        {kTitle, "Detection of joint inconsistencies of type IEE2\nis done by by flattening "
                 "rules:"},
        {kTitle, "\n\nRule 7 is directly IEE2-inconsistent with constraint 1:\n\nconstraint(1, "
                 "[\"a\",\"b\"])\n"},
        {kTitle, "\n\nRule 7 is directly IEE2-inconsistent with constraint 2:\n\nconstraint(2, "
                 "[\"b\",\"a\"])\n"},
        {kTitle, "The result of flattening rule 6 is:\n\nrule_flattened(6, k, [\"a\",\"b\"])\n\n"
                 "Flattening has been done using rules: 7, \n\nRule 6 is indirectly "
                 "IEE2-inconsistent with constraint 1:\n\nconstraint(1, [\"a\",\"b\"])\n"},
        {kTitle, "End of diagnostic report of joint rule-constraint inconsistencies between\n"
                 "Elementary Exact Rule Base\n    RUboiler.EEB\n and Elementary Exact "
                 "Constraint Base\n    COboiler.EEB."},
        {"Attention!", "Report IEE2.RPT  has been saved."},
    };
    EXPECT_EQ(ui.notes, notes);
    EXPECT_TRUE(state.findings.sprzecznosc_2_wszystko.empty());

    // The next report detects afresh and writes the same.
    ScriptedDialogs again;
    again.answer({"2"});
    ASSERT_TRUE(diagnose_joint_inconsistencies(state, again));
    EXPECT_EQ(state.report.text, report);
}

TEST(JointInconsistencyReport, NothingDetectedOrNoConstraintBase) {
    AppState state = checked_state({rule(1, "k", {"a", "c"})});
    load_constraints(state, {{1, {"a", "b"}}});
    state.report.text = "kept";
    ScriptedDialogs ui;
    ASSERT_TRUE(diagnose_joint_inconsistencies(state, ui));
    EXPECT_EQ(ui.window, "\n\n\n No inconsistencies of type IEE2 have been detected in \n"
                         " Rule Base:           RUboiler.EEB\n"
                         " and Constraint Bbase: COboiler.EEB\n\n");
    EXPECT_EQ(state.report.text, "kept\n\n");
    EXPECT_EQ(ui.notes, (std::vector<Note>{{kTitle, "No inconsistencies of type IEE2\nhave been "
                                                    "detected in \nElementary Exact Rule Base\n   "
                                                    "RUboiler.EEB\nand Elementary Exact "
                                                    "Constraint Base\n   COboiler.EEB"}}));

    state.kb.constraint.name.reset();
    ScriptedDialogs absent;
    ASSERT_TRUE(diagnose_joint_inconsistencies(state, absent));
    EXPECT_TRUE(absent.log.empty() && absent.window.empty());
}

} // namespace
} // namespace orve
