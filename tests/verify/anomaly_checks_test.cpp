#include "verify/anomaly_checks.hpp"

#include "verify_fixture.hpp"

#include <algorithm>

#include <gtest/gtest.h>

namespace orve::test {
namespace {

using Kind = AnomalyKind;

// The anomalies of `rules` (with askable conditions as loading marks them)
// and `constraints`.
std::vector<Anomaly> anomalies(std::vector<Rule> rules, std::vector<Constraint> constraints = {}) {
    AppState state = checked_state(std::move(rules));
    state.kb.constraint.constraints = std::move(constraints);
    return find_anomalies(state.kb, state.askables);
}

TEST(AnomalyChecks, EachAnomalyIsFlaggedWithItsRulesAndNames) {
    struct Case {
        const char* what;
        std::vector<Rule> rules;
        std::vector<Constraint> constraints;
        Anomaly expected;
    };
    const std::vector<Case> cases = {
        {"a typo of a conclusion used as a condition",
         {rule(1, "battery charged", {"key turned"}), rule(2, "car starts", {"battery chargd"})},
         {},
         {Kind::DeadEndCondition, {2}, {}, {"battery chargd", "battery charged"}}},
        {"conclusions that only a cycle of rules could establish",
         {rule(1, "a", {"b", "x"}), rule(2, "b", {"a"})},
         {},
         {Kind::UnreachableConclusion, {1}, {}, {"a"}}},
        {"a constraint condition no rule reads",
         {rule(1, "a", {"x"})},
         {{4, {"x", "y"}}},
         {Kind::UnusedAskable, {}, {4}, {"y"}}},
        {"every version needs two exclusive conditions",
         {rule(1, "a", {"x"}), rule(2, "a", {"y", "z"}), rule(3, "b", {"a", "y"})},
         {{7, {"x", "y"}}, {8, {"y", "z"}}},
         {Kind::BlockedByConstraints, {3}, {7, 8}, {"b"}}},
        {"the same conditions in another order, one repeated",
         {rule(3, "a", {"x", "y"}), rule(5, "a", {"y", "x", "y"})},
         {},
         {Kind::DuplicateRules, {3, 5}, {}, {"a"}}},
        {"names apart only by case and blanks",
         {rule(1, "Pump runs", {"x"}), rule(2, "b", {"pump  runs"})},
         {},
         {Kind::SimilarNames, {}, {}, {"Pump runs", "pump  runs"}}},
    };
    for (const auto& c : cases) {
        const auto found = anomalies(c.rules, c.constraints);
        EXPECT_NE(std::find(found.begin(), found.end(), c.expected), found.end()) << c.what;
    }
}

TEST(AnomalyChecks, NearMissesAreNotFlagged) {
    struct Case {
        const char* what;
        std::vector<Rule> rules;
        std::vector<Constraint> constraints;
        Kind kind;
    };
    const std::vector<Case> cases = {
        {"a slip away from a conclusion, but a constraint shows it askable",
         {rule(1, "valve open", {"x"}), rule(2, "b", {"valve opens"})},
         {{1, {"valve opens", "x"}}},
         Kind::DeadEndCondition},
        {"two slips away from any conclusion",
         {rule(1, "valve open", {"x"}), rule(2, "b", {"valves opens"})},
         {},
         Kind::DeadEndCondition},
        {"a cycle with a way out through an askable rule",
         {rule(1, "a", {"b", "x"}), rule(2, "b", {"a"}), rule(3, "b", {"y"})},
         {},
         Kind::UnreachableConclusion},
        {"every constraint condition read by a rule",
         {rule(1, "a", {"x"}), rule(2, "b", {"y"})},
         {{4, {"x", "y"}}},
         Kind::UnusedAskable},
        {"one version of the condition avoids the constraint",
         {rule(1, "a", {"x"}), rule(2, "a", {"z"}), rule(3, "b", {"a", "y"})},
         {{7, {"x", "y"}}},
         Kind::BlockedByConstraints},
        {"same conditions, other conclusion",
         {rule(3, "a", {"x", "y"}), rule(5, "b", {"y", "x"})},
         {},
         Kind::DuplicateRules},
        {"one extra letter is not a matter of case or blanks",
         {rule(1, "pump runs", {"x"}), rule(2, "b", {"pumps runs"})},
         {},
         Kind::SimilarNames},
    };
    for (const auto& c : cases) {
        for (const auto& a : anomalies(c.rules, c.constraints)) {
            EXPECT_NE(a.kind, c.kind) << c.what << ": " << anomaly_kind_token(a.kind);
        }
    }
}

TEST(AnomalyChecks, OneSlipCoversInsertReplaceAndSwapOfNonDigitsOnly) {
    EXPECT_TRUE(one_slip_apart("fuse", "fuses"));
    EXPECT_TRUE(one_slip_apart("fuse", "fuze"));
    EXPECT_TRUE(one_slip_apart("fuse", "fsue"));
    EXPECT_TRUE(one_slip_apart("fuse", "use"));
    EXPECT_FALSE(one_slip_apart("fuse", "fuse"));
    EXPECT_FALSE(one_slip_apart("fuse", "fzze"));
    EXPECT_FALSE(one_slip_apart("fuse", "esuf"));
    EXPECT_FALSE(one_slip_apart("pump 1 on", "pump 2 on"));
    EXPECT_FALSE(one_slip_apart("pump 1 on", "pump 12 on"));
}

// A ring whose every rule has 2^(steps-1) cycle paths, each version breaking a
// constraint: the test must give up on such rules instead of listing them all.
TEST(AnomalyChecks, ManyVersionsLeaveTheConstraintTestUndecided) {
    std::vector<Rule> rules;
    const int layers = 20; // 2^20 versions of the top rule
    for (int i = 0; i < layers; ++i) {
        const std::string next = "n" + std::to_string(i + 1);
        rules.push_back(rule(2 * i + 1, "n" + std::to_string(i), {next, "p"}));
        rules.push_back(rule(2 * i + 2, "n" + std::to_string(i), {next, "q"}));
    }
    rules.push_back(rule(100, "top", {"n0", "x"}));
    rules.push_back(rule(101, "n20", {"x", "y"}));
    const auto found = anomalies(rules, {{1, {"x", "y"}}});
    for (const auto& a : found) {
        if (a.kind == Kind::BlockedByConstraints) {
            EXPECT_NE(a.rules, Numbers{100}) << "decided despite 2^20 versions";
        }
    }
    EXPECT_NE(std::find(found.begin(), found.end(),
                        Anomaly{Kind::BlockedByConstraints, {101}, {1}, {"n20"}}),
              found.end());
}

TEST(AnomalyChecks, OnlyTheRulesNeedingExclusiveConditionsAreFlagged) {
    const auto found = anomalies({rule(2, "no electrical supply", {"display shows no lights"}),
                                  rule(3, "replace the fuse", {"no electrical supply", "fuse"})},
                                 {{1, {"fuse", "display shows no lights"}}});
    // Rule 3 needs both constraint conditions through rule 2.
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0], (Anomaly{Kind::BlockedByConstraints, {3}, {1}, {"replace the fuse"}}));
}

} // namespace
} // namespace orve::test
