#include "model_verify/joint_model_rule.hpp"
#include "model_verify/joint_model_rule_report.hpp"

#include "model_fixture.hpp"
#include "model_verify/joint_model_rule_search.hpp"
#include "support/scripted_dialogs.hpp"

#include <gtest/gtest.h>

#include <ostream>

namespace orve {

// Readable records in failure messages.
void PrintTo(const JointModelRuleInconsistency& r, std::ostream* os) {
    *os << "(" << r.model << ", " << r.rule << ", [";
    for (const int n : r.rules_used) {
        *os << n << " ";
    }
    *os << "], [";
    for (const int n : r.model_chain) {
        *os << n << " ";
    }
    *os << "])";
}

namespace {

using test::basic;
using test::extended;
using test::Note;
using test::ScriptedDialogs;

const std::string kTitle = "Diagnostic Report on joint model-rule inconsistencies";

// Model 4 concludes "pressure high" from p > 10 when the pump is on.
ModelB pump_model() {
    return basic(4, "pump on", "pressure high", "p", ">", "10");
}

// MOpump.EEB with `models` and RUpump.EEB with `rules`; "pressure high" is
// askable, as a condition no rule concludes.
AppState pump_state(std::vector<ModelB> models, std::vector<Rule> rules) {
    AppState state = test::model_state("MOpump.EEB", std::move(models));
    state.kb.rule.rules = std::move(rules);
    state.kb.rule.name = BaseName{"RUpump.EEB", "/bases/RUpump.EEB"};
    state.askables.dopytywalny = {"pressure high", "cold"};
    return state;
}

// Outcomes as "[conditions][numbers]" joined, for readable comparisons.
std::string render(const std::vector<ModelChain>& outcomes) {
    std::string text;
    for (const auto& outcome : outcomes) {
        text += "[";
        for (const auto& condition : outcome.conditions) {
            text += condition + ";";
        }
        text += "][";
        for (const int number : outcome.numbers) {
            text += std::to_string(number) + ";";
        }
        text += "]";
    }
    return text;
}

std::string expansions(const ModelBase& base, const Names& conditions) {
    std::vector<ModelChain> outcomes;
    splaszcz_modele(base, conditions, [&](const ModelChain& o) { outcomes.push_back(o); });
    return render(outcomes);
}

TEST(JointModelRuleSearch, ExpandsConditionsThroughModels) {
    ModelBase base;
    base.basic = {basic(1, "sensor ok", "p", "q", "+", "1"), pump_model(),
                  basic(7, "door shut", "valve shut", "t", "<", "3")};
    base.extended = {extended(9, "power", "pressure high", "<,<", {"0", "p", "9"})};
    struct Case {
        const char* what;
        Names conditions;
        std::string expected;
    };
    const std::vector<Case> cases = {
        {"own go-ahead, the interval model's, then the one of the model feeding p",
         {"pressure high"},
         "[pump on;][4;][power;][9;][sensor ok;][1;4;]"},
        {"a condition no model concludes adds nothing", {"cold", "valve shut"}, "[door shut;][7;]"},
        {"nothing to expand: one empty outcome", {"cold"}, "[][]"},
        {"a later condition's group stands first",
         {"valve shut", "pressure high"},
         "[pump on;door shut;][4;7;][power;door shut;][9;7;][sensor ok;door shut;][1;4;7;]"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(expansions(base, c.conditions), c.expected) << c.what;
    }
}

TEST(JointModelRuleSearch, ModelChainsLeadingBackEnd) {
    ModelBase base;
    base.basic = {pump_model(), basic(9, "pressure high", "pump on", "r", "<", "1"),
                  basic(8, "x", "x", "p", ">", "10")};
    EXPECT_EQ(expansions(base, {"pressure high"}), "[pressure high;pump on;][9;4;]");
    EXPECT_EQ(expansions(base, {"x"}), "[x;][8;]");
}

TEST(JointModelRuleSearch, LongChainsAndLongListsNeedNoDeepStack) {
    constexpr int length = 20000;
    const auto name = [](const char* stem, int i) { return stem + std::to_string(i); };
    ModelBase base;
    // c1 ... c20000, each needing the previous one; d1 ... d20000 side by side.
    for (int i = 1; i <= length; ++i) {
        base.basic.push_back(
            basic(i, i == 1 ? "start" : name("c", i - 1), name("c", i), "p", ">", "0"));
        base.basic.push_back(basic(length + i, "g", name("d", i), "p", ">", "0"));
    }
    std::vector<ModelChain> outcomes;
    const auto collect = [&](const ModelChain& o) { outcomes.push_back(o); };

    splaszcz_modele(base, {name("c", length)}, collect);
    ASSERT_EQ(outcomes.size(), 1U);
    ASSERT_EQ(outcomes[0].conditions.size(), std::size_t{length});
    EXPECT_EQ(outcomes[0].conditions.front(), "start");
    EXPECT_EQ(outcomes[0].conditions.back(), name("c", length - 1));
    EXPECT_EQ(outcomes[0].numbers.front(), 1);
    EXPECT_EQ(outcomes[0].numbers.back(), length);

    Names conditions;
    for (int i = 1; i <= length; ++i) {
        conditions.push_back(name("d", i));
    }
    outcomes.clear();
    splaszcz_modele(base, conditions, collect);
    ASSERT_EQ(outcomes.size(), 1U);
    ASSERT_EQ(outcomes[0].numbers.size(), std::size_t{length});
    // The last condition's group stands first.
    EXPECT_EQ(outcomes[0].numbers.front(), 2 * length);
    EXPECT_EQ(outcomes[0].numbers.back(), length + 1);
}

TEST(JointModelRuleTest, RecordsEveryFlattenedVersionAndExpansion) {
    const AppState state = pump_state(
        {pump_model(), basic(1, "pump on", "p", "q", "+", "1")},
        {test::rule_of(2, "pump on", {"demand"}), test::rule_of(5, "demand", {"need"}),
         test::rule_of(6, "need", {"pressure high"}), test::rule_of(3, "pump on", {"cold"})});

    EXPECT_EQ(
        badaj_sprzecznosc_mr(state.kb, state.askables),
        (std::vector<JointModelRuleInconsistency>{{4, 2, {6, 5}, {4}}, {4, 2, {6, 5}, {1, 4}}}));
}

const std::string kHeading = " Diagnostic report on joint model-rule inconsistencies between: \n"
                             " Model Base:    MOpump.EEB\n and rule base: RUpump.EEB\n";
const std::string kEnding =
    "\n End of diagnostic report of joint model-rule inconsistencies between: \n"
    " Model Base  MOpump.EEB\n Rule base RUpump.EEB.\n";
const Note kHeadingNote = {kTitle, " Diagnostic report on joint model-rule inconsistencies "
                                   "between:\nElementary Exact Model Base\n   MOpump.EEB\n"
                                   "and Elementary Exact Rule Base\n   RUpump.EEB"};
const Note kEndingNote = {"Diagnostic Report on joint model-rule  inconsistencies",
                          "End of diagnostic report of joint rmodel-rule inconsistencies "
                          "between:\nElementary Exact Model Base\n    MOpump.EEB\n"
                          "and Elementary Exact Rule Base\n    RUpump.EEB."};

TEST(JointModelRuleNotice, PumpAndPressureAreJointlyInconsistent) {
    AppState state = pump_state({pump_model()}, {test::rule_of(2, "pump on", {"pressure high"})});
    ScriptedDialogs ui;

    EXPECT_FALSE(informuj_sprzecznosc_mr(state, ui));

    EXPECT_EQ(state.model_findings.modele_i_reguly_sprzeczne,
              (std::vector<JointModelRuleInconsistency>{{4, 2, {0}, {4}}}));
    EXPECT_TRUE(state.findings.sprzecznosc_mr);
    EXPECT_EQ(ui.window,
              "Model base    MOpump.EEB\nand rule base RUpump.EEB\nare  jointly inconsistent.\n\n"
              "The loaded bases may be only edited, but not used for chaining.\n"
              " You may also run a diagnostic check revealing the nature of \n"
              " inconsistency\n For this enter the  option:\n"
              " 'Model Base/Diagnosing Joint Model- and Rule Base Inconsistencies'\n\n"
              " where a detailed message highlighting the nature of inconsistencies\n"
              " is to be found.\n\n");
    EXPECT_EQ(ui.notes,
              (std::vector<Note>{
                  {kTitle, "Elementary Exact Model Base\n   MOpump.EEBand Elementary Exact Rule "
                           "Base\n   RUpump.EEB\nare  jointly inconsistent.\n"
                           "The loaded bases may be only edited, \nbut not used for chaining.\n"
                           "You may  run a diagnostic check revealing \nthe nature of "
                           "inconsistency.\nFor this enter the  option:\n   'Exact Model Base\n"
                           "    Diagnosing Joint Model-  and\n    Rule Base Inconsistencies',\n"
                           "where a detailed message highlighting the \nnature of "
                           "inconsistencies\nis to be found."}}));
    EXPECT_EQ(ui.command_changes, (std::map<int, bool>{{10088, true}}));

    ScriptedDialogs report_ui;
    report_ui.answer({"2"});
    EXPECT_TRUE(pisz_sprzecznosc_mr(state, report_ui));

    const std::string line = "\n Relational model  4 is jointly inconsistent with rule 2\n";
    EXPECT_EQ(state.report.text, kHeading + line + kEnding);
    EXPECT_EQ(report_ui.window, kHeading + line + kEnding + " Do you wish to save the report?  ");
    EXPECT_EQ(
        report_ui.notes,
        (std::vector<Note>{kHeadingNote,
                           {kTitle, " Relational model 4 is jointly inconsistent with rule 2"},
                           kEndingNote}));
}

TEST(JointModelRuleReport, ShowsRuleAndModelChainsInOrderOfApplication) {
    AppState state = pump_state({}, {});
    state.model_findings.modele_i_reguly_sprzeczne = {
        {4, 2, {0, 6, 5}, {4}}, {4, 2, {0, 6, 2, 5}, {1, 4}}, {4, 2, {0}, {3, 1, 4}}};
    state.report.text = "left from an earlier command";
    ScriptedDialogs ui;
    ui.answer({"2"});

    EXPECT_TRUE(pisz_sprzecznosc_mr(state, ui));

    const std::string lead = "\n Relational model  4 is jointly inconsistent with rule 2\n";
    const std::string records = lead + " via a chain of nested rules with numbers  5,6\n" + lead +
                                " via a chain of nested rules with numbers 5,6\n"
                                " and via a chain of nested rules with numbers 1\n" +
                                lead + " via a chain of nested rules with numbers  1,3\n";
    EXPECT_EQ(state.report.text, kHeading + records + kEnding);
    const std::string t = " Relational model 4 is jointly inconsistent with rule 2";
    EXPECT_EQ(ui.notes, (std::vector<Note>{
                            kHeadingNote,
                            {kTitle, t + "\n via a chain of nested rules with numbers  [5,6]"},
                            {kTitle, t + "\n via a chain of nested rules with numbers [5,6]"
                                         "\n and via a chain of nested rules with numbers [1]"},
                            {kTitle, t + "\n via a chain of nested rules with numbers  [1,3]"},
                            kEndingNote}));
    EXPECT_EQ(state.model_findings.modele_i_reguly_sprzeczne.size(), 3U);
}

TEST(JointModelRuleNotice, NoRelationalModelOrNoRuleMeansNotInconsistent) {
    const std::vector<AppState> states = {
        pump_state({basic(1, "pump on", "p", "q", "+", "1")},
                   {test::rule_of(2, "pump on", {"pressure high"})}),
        pump_state({pump_model()}, {test::rule_of(2, "heater on", {"pressure high"})})};
    for (AppState state : states) {
        state.report.text = "kept";
        ScriptedDialogs ui;
        EXPECT_TRUE(informuj_sprzecznosc_mr(state, ui));
        EXPECT_FALSE(state.findings.sprzecznosc_mr);
        EXPECT_TRUE(ui.log.empty());

        EXPECT_TRUE(pisz_sprzecznosc_mr(state, ui));
        EXPECT_EQ(ui.window, " Model Base:    MOpump.EEB\n and Rule Base: RUpump.EEB\n"
                             " are not jointly inconsistent.\n");
        EXPECT_EQ(ui.notes, (std::vector<Note>{{kTitle, "Elementary Exact Model Base\n   "
                                                        "MOpump.EEBand Elementary Exact Rule "
                                                        "Base\n   RUpump.EEB\nare not jointly "
                                                        "inconsistent."}}));
        EXPECT_EQ(state.report.text, "kept");
    }
}

} // namespace
} // namespace orve
