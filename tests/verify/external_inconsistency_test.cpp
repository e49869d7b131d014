#include "verify/external_inconsistency.hpp"

#include "support/scripted_dialogs.hpp"
#include "verify_fixture.hpp"

#include <gtest/gtest.h>

namespace orve {
namespace {

using test::boiler_state;
using test::render;
using test::rule;
using test::ScriptedDialogs;

struct DetectionCase {
    const char* label;
    std::vector<Rule> rules;
    std::string records;
    std::vector<int> for_analysis;
};

TEST(ExternalInconsistencyDetection, RecordsEveryPathBackToTheTestedConclusion) {
    const DetectionCase cases[] = {
        {"rule concluding one of its own conditions", {rule(1, "a", {"a", "b"})}, "(1,1,[1])", {1}},
        {"two rules concluding each other's condition",
         {rule(1, "k", {"c"}), rule(2, "c", {"k"})},
         "(1,2,[2,1]) (2,1,[1,2])",
         {1, 2}},
        {"cycle of three rules",
         {rule(1, "a", {"b"}), rule(2, "b", {"c"}), rule(3, "c", {"a"})},
         "(1,3,[3,2,1]) (2,1,[1,3,2]) (3,2,[2,1,3])",
         {1, 2, 3}},
        {"rule leading into a cycle is not recorded",
         {rule(1, "x", {"a"}), rule(2, "a", {"b"}), rule(3, "b", {"c"}), rule(4, "c", {"a"})},
         "(2,4,[4,3,2]) (3,2,[2,4,3]) (4,3,[3,2,4])",
         {2, 3, 4}},
        {"a repeated condition records the same cycle twice",
         {rule(1, "k", {"c", "c"}), rule(2, "c", {"k"})},
         "(1,2,[2,1]) (1,2,[2,1]) (2,1,[1,2]) (2,1,[1,2])",
         {1, 1, 2, 2}},
        {"rules sharing a conclusion are followed in table order",
         {rule(1, "g", {"h"}), rule(2, "h", {"g", "x"}), rule(3, "h", {"g"})},
         "(1,2,[2,1]) (1,3,[3,1]) (2,1,[1,2]) (3,1,[1,3])",
         {1, 1, 2, 3}},
        {"a cycle that avoids the tested conclusion ends",
         {rule(1, "a", {"b"}), rule(2, "b", {"c"}), rule(3, "c", {"b"})},
         "(2,3,[3,2]) (3,2,[2,3])",
         {2, 3}},
        {"a conclusion already on the path is not expanded again",
         {rule(1, "a", {"b"}), rule(2, "b", {"a", "c"}), rule(3, "c", {"b"})},
         "(1,2,[2,1]) (2,1,[1,2]) (2,3,[3,2]) (3,2,[2,3])",
         {1, 2, 2, 3}},
        {"consistent base", {rule(1, "a", {"b", "c"}), rule(2, "b", {"d"})}, "", {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        RuleBase base;
        base.rules = c.rules;
        Findings findings;
        findings.reguly_sprzeczne.push_back({9, 9, {9}}); // left by an earlier test
        badaj_sprzecznosc_1z(base, findings);
        EXPECT_EQ(render(findings.reguly_sprzeczne), c.records);
        EXPECT_EQ(findings.reguly_sprzeczne_dla_analizy, c.for_analysis);
        EXPECT_EQ(findings.sprzecznosc_1z, std::optional<bool>(!c.for_analysis.empty()));
    }
}

TEST(ExternalInconsistencyDetection, LongChainOfRulesDoesNotExhaustTheStack) {
    // c1 <- c2 <- ... <- cN, and the last rule needs its own conclusion.
    constexpr int length = 100000;
    RuleBase base;
    for (int i = 1; i <= length; ++i) {
        base.rules.push_back(rule(i, "c" + std::to_string(i), {"c" + std::to_string(i + 1)}));
    }
    const std::string last = "c" + std::to_string(length + 1);
    base.rules.push_back(rule(length + 1, last, {last}));
    Findings findings;
    badaj_sprzecznosc_1z(base, findings);
    EXPECT_EQ(render(findings.reguly_sprzeczne), "(100001,100001,[100001])");
}

TEST(ExternalInconsistencyDetection, TypeNameExistsOnlyForTheExactExtension) {
    EXPECT_EQ(finding_type_name(".EEB", 'I', 1), "IEE1");
    EXPECT_EQ(finding_type_name(".eEb", 'R', 2), "REE2");
    EXPECT_EQ(finding_type_name(".TXT", 'I', 1), std::nullopt);
    EXPECT_EQ(finding_type_name("", 'I', 1), std::nullopt);
}

const std::string kOfferWindow =
    "The loaded rule base RUboiler.EEB may be tested for external inconsistencies.\n"
    "This test may take a lot of time for large and heavily nested rule bases. \n"
    "\n"
    "This test should be used while developing or modifying rule bases.\n"
    "For routine uses of the rule base the test should be bypassed.\n"
    "Remember that external inconsistencies may break down the chaining process.\n";

const std::string kOfferBox = "yes_no: Choose | Elementary Exact Rule Base\n"
                              "   RUboiler.EEB\n"
                              "may be tested for external inconsistencies.\n"
                              "\n"
                              "This test may take a lot of time for \n"
                              "large and heavily nested rule bases. \n"
                              "This test should be performed while \n"
                              "developing or modifying rule bases.\n"
                              "For routine uses of the rule base \n"
                              "the test should be bypassed.\n"
                              "Remember that external inconsistencies \n"
                              "may break down the chaining process.\n"
                              "\n"
                              "Do you wish to test the rule base \n"
                              "for external inconsistencies?";

const std::string kInconsistentWindowHead =
    " The loaded rule base RUboiler.EEB contains at least one external inconsistency \n";
const std::string kInconsistentWindowType = " of type IEE1.\n\n";
const std::string kInconsistentWindowTail =
    " The loaded rule base may be only edited, but not used for chaining.\n"
    " Neither is it possible to load the corresponding constraint base.\n"
    " You may however run a diagnostic check revealing the nature of \n"
    " inconsistency.\n"
    " For this  proceed with the loaded rule base and enter the Main Menu\n"
    " option: 'Rule Base /Diagnosing External Inconsistencies'\n"
    "\n"
    " where a detailed message highlighting the nature of inconsistencies\n"
    " is to be found.\n"
    "\n";

const test::Note kInconsistentNote{"Information on inconsistency",
                                   "Elementary Exact Rule Base\n"
                                   "   RUboiler.EEB\n"
                                   "contains at least one external inconsistency \n"
                                   "of type  IEE1.\n"
                                   "\n"
                                   "The loaded rule base may be only edited, \n"
                                   "but not used for chaining.\n"
                                   "Neither is it possible to load the corresponding \n"
                                   "constraint, model or advice base.\n"
                                   "You may however run a diagnostic check \n"
                                   "revealing the nature of  inconsistency.\n"
                                   "For this  enter the option \n"
                                   "   'Exact Rule Base\n"
                                   "     Diagnosing External Inconsistencies'\n"
                                   "where a detailed message highlighting the nature \n"
                                   "of inconsistencies is to be found."};

std::vector<Rule> direct_pair() {
    return {rule(1, "k", {"c"}), rule(2, "c", {"k"})};
}

TEST(ExternalInconsistencyOffer, DeclinedLeavesNoVerdict) {
    AppState state = boiler_state(direct_pair());
    ScriptedDialogs ui;
    ui.answer({"n"});
    EXPECT_TRUE(testuj_sprzecznosc_1z(state, ui));
    EXPECT_EQ(state.findings.sprzecznosc_1z, std::nullopt);
    EXPECT_TRUE(state.findings.reguly_sprzeczne.empty());
    EXPECT_EQ(ui.window, kOfferWindow);
    EXPECT_EQ(ui.log, std::vector<std::string>{kOfferBox});
    EXPECT_TRUE(ui.notes.empty());
}

TEST(ExternalInconsistencyOffer, AcceptedForConsistentBaseSucceeds) {
    AppState state = boiler_state({rule(1, "k", {"c"})});
    ScriptedDialogs ui;
    ui.answer({"y"});
    EXPECT_TRUE(testuj_sprzecznosc_1z(state, ui));
    EXPECT_EQ(state.findings.sprzecznosc_1z, std::optional<bool>(false));
    EXPECT_EQ(ui.window, kOfferWindow + " The loaded rule baseRUboiler.EEB\n"
                                        " is not externally IEE1 inconsistent. ");
    EXPECT_EQ(ui.notes, (std::vector<test::Note>{{"Information on inconsistency",
                                                  "Elementary Exact Rule Base\n"
                                                  "   RUboiler.EEB\n"
                                                  "is not externally IEE1 inconsistent."}}));
    EXPECT_EQ(ui.command_changes.count(10071), 0U);
}

TEST(ExternalInconsistencyOffer, AcceptedForInconsistentBaseFailsAndEnablesDiagnosis) {
    AppState state = boiler_state(direct_pair());
    ScriptedDialogs ui;
    ui.answer({"y"});
    EXPECT_FALSE(testuj_sprzecznosc_1z(state, ui));
    EXPECT_EQ(state.findings.sprzecznosc_1z, std::optional<bool>(true));
    EXPECT_EQ(ui.window, kOfferWindow + kInconsistentWindowHead + kInconsistentWindowType +
                             kInconsistentWindowTail);
    EXPECT_EQ(ui.notes, std::vector<test::Note>{kInconsistentNote});
    EXPECT_TRUE(state.commands.enabled(10071));
    EXPECT_TRUE(ui.command_changes.at(10071));
}

TEST(ExternalInconsistencyOffer, StandingVerdictIsRepeatedWithoutNewDetection) {
    AppState state = boiler_state({rule(1, "k", {"c"})});
    state.findings.sprzecznosc_1z = true;
    ScriptedDialogs ui;
    EXPECT_FALSE(informuj_sprzecznosc_1z(state, ui));
    EXPECT_EQ(state.findings.sprzecznosc_1z, std::optional<bool>(true));
    EXPECT_EQ(ui.window,
              kInconsistentWindowHead + kInconsistentWindowType + kInconsistentWindowTail);
}

TEST(ExternalInconsistencyOffer, OtherExtensionLeavesOutTheTypedMessagesOnly) {
    AppState state = boiler_state(direct_pair());
    state.rozszerzenie = ".TXT";
    ScriptedDialogs ui;
    EXPECT_FALSE(informuj_sprzecznosc_1z(state, ui));
    EXPECT_EQ(state.findings.sprzecznosc_1z, std::optional<bool>(true));
    EXPECT_EQ(ui.window, kInconsistentWindowHead + kInconsistentWindowTail);
    EXPECT_TRUE(ui.notes.empty());
    EXPECT_TRUE(state.commands.enabled(10071));

    AppState consistent = boiler_state({rule(1, "k", {"c"})});
    consistent.rozszerzenie = ".TXT";
    ScriptedDialogs quiet;
    EXPECT_TRUE(informuj_sprzecznosc_1z(consistent, quiet));
    EXPECT_EQ(quiet.window, " The loaded rule baseRUboiler.EEB\n");
    EXPECT_TRUE(quiet.notes.empty());
}

} // namespace
} // namespace orve
