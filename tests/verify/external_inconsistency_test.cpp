#include "verify/external_inconsistency.hpp"

#include "verify/inconsistency_search.hpp"

#include "support/scripted_dialogs.hpp"
#include "verify_fixture.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <set>

namespace orve {
namespace {

using test::boiler_state;
using test::render;
using test::ring_of_pairs;
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

std::set<int> all_numbers(const std::vector<Rule>& rules) {
    std::set<int> numbers;
    for (const auto& r : rules) {
        numbers.insert(r.number);
    }
    return numbers;
}

// The search as a plain walk over every path, recursive: for small bases only.
class PlainSearch {
  public:
    explicit PlainSearch(const std::vector<Rule>& rules) : rules_(rules) {}

    std::vector<InconsistencyRecord> run() {
        for (const auto& tested : rules_) {
            target_ = tested.conclusion;
            search(tested.conditions, {tested.number}, {tested.conclusion});
        }
        return records_;
    }

  private:
    void search(const Names& list, const std::vector<int>& chain, const Names& visited) {
        for (const auto& condition : list) {
            if (condition == target_) {
                records_.push_back({chain.back(), chain.front(), chain});
            }
            if (std::find(visited.begin(), visited.end(), condition) != visited.end()) {
                continue;
            }
            for (const auto& r : rules_) {
                if (r.conclusion != condition) {
                    continue;
                }
                std::vector<int> longer{r.number};
                longer.insert(longer.end(), chain.begin(), chain.end());
                Names seen{condition};
                seen.insert(seen.end(), visited.begin(), visited.end());
                search(r.conditions, longer, seen);
            }
        }
    }

    const std::vector<Rule>& rules_;
    std::string target_;
    std::vector<InconsistencyRecord> records_;
};

// Small bases of random rules over few names, so that cycles cross, share
// rules and leave dead ends.
std::vector<Rule> random_base(std::uint32_t seed) {
    std::uint32_t state = seed * 2654435761U + 1U;
    const auto next = [&state](std::uint32_t bound) {
        state = state * 1664525U + 1013904223U;
        return (state >> 16U) % bound;
    };
    std::vector<Rule> rules;
    const int count = 2 + static_cast<int>(next(7));
    for (int number = 1; number <= count; ++number) {
        Names conditions;
        const std::uint32_t size = 1 + next(3);
        for (std::uint32_t i = 0; i < size; ++i) {
            conditions.push_back(std::string(1, static_cast<char>('a' + next(6))));
        }
        rules.push_back(rule(number, std::string(1, static_cast<char>('a' + next(5))), conditions));
    }
    return rules;
}

TEST(ExternalInconsistencyDetection, BlockedSearchRecordsWhatEveryPathRecords) {
    for (std::uint32_t seed = 0; seed < 3000; ++seed) {
        SCOPED_TRACE(seed);
        RuleBase base;
        base.rules = random_base(seed);
        Findings findings;
        badaj_sprzecznosc_1z(base, findings);
        const auto expected = PlainSearch(base.rules).run();
        ASSERT_EQ(render(findings.reguly_sprzeczne), render(expected));
        EXPECT_FALSE(findings.unlisted_inconsistencies.any());
    }
}

TEST(ExternalInconsistencyDetection, ManyCyclePathsKeepAPrefixAndCountTheRest) {
    RuleBase base;
    base.rules = ring_of_pairs(6); // 12 rules on 32 cycle paths each
    Findings all;
    badaj_sprzecznosc_1z(base, all);
    ASSERT_EQ(all.reguly_sprzeczne.size(), 384U);

    struct LimitCase {
        const char* label;
        InconsistencyLimits limits;
        std::size_t kept;
        UnlistedInconsistencies unlisted;
    };
    const LimitCase cases[] = {
        {"bounded number of records", {10, 1000, 1000000}, 10, {374, true}},
        {"bounded numbers in the chains", {1000, 25, 1000000}, 4, {380, true}},
        {"a first record longer than the bound is kept", {1000, 3, 1000000}, 1, {383, true}},
        {"counting given up", {10, 1000, 50}, 10, {0, false}},
        {"nothing left out", {384, 1000000, 0}, 384, {0, true}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        Findings findings;
        search_inconsistencies(base.rules, findings, c.limits);
        const std::vector<InconsistencyRecord> prefix(all.reguly_sprzeczne.begin(),
                                                      all.reguly_sprzeczne.begin() +
                                                          static_cast<std::ptrdiff_t>(c.kept));
        EXPECT_EQ(render(findings.reguly_sprzeczne), render(prefix));
        EXPECT_EQ(findings.unlisted_inconsistencies.exact, c.unlisted.exact);
        if (c.unlisted.exact) {
            EXPECT_EQ(findings.unlisted_inconsistencies.count, c.unlisted.count);
        } else {
            EXPECT_GT(findings.unlisted_inconsistencies.count, 0U);
        }
        // Every inconsistent rule stays known, whatever was left out.
        const std::set<int> marked(findings.reguly_sprzeczne_dla_analizy.begin(),
                                   findings.reguly_sprzeczne_dla_analizy.end());
        EXPECT_EQ(marked, all_numbers(base.rules));
    }
}

TEST(ExternalInconsistencyDetection, RingsWithTwoRulesPerStepGiveABoundedVerdict) {
    // 40 rules exhausted memory when every cycle path was recorded; 200 rules
    // have about 2^100 paths per rule.
    for (const int steps : {20, 100}) {
        SCOPED_TRACE(steps);
        RuleBase base;
        base.rules = ring_of_pairs(steps);
        Findings findings;
        badaj_sprzecznosc_1z(base, findings);
        EXPECT_EQ(findings.sprzecznosc_1z, std::optional<bool>(true));
        ASSERT_EQ(findings.reguly_sprzeczne.size(), kMaxListedInconsistencies);
        const InconsistencyRecord& first = findings.reguly_sprzeczne.front();
        EXPECT_EQ(first.a, 1);
        EXPECT_EQ(first.b, 2 * steps - 1);
        EXPECT_EQ(first.chain.size(), static_cast<std::size_t>(steps));
        EXPECT_TRUE(findings.unlisted_inconsistencies.any());
        EXPECT_FALSE(findings.unlisted_inconsistencies.exact);
        const std::set<int> marked(findings.reguly_sprzeczne_dla_analizy.begin(),
                                   findings.reguly_sprzeczne_dla_analizy.end());
        EXPECT_EQ(marked, all_numbers(base.rules));
        EXPECT_LT(findings.reguly_sprzeczne_dla_analizy.size(), kMaxListedInconsistencies + 200);
    }
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
