// Why not? over the record of a run: the first unmet condition of every rule,
// followed through unestablished conclusions, and the answers that would
// have established the name.
#include "askables/askable_lists.hpp"
#include "support/scripted_dialogs.hpp"
#include "tools/why_not.hpp"

#include <gtest/gtest.h>

namespace orve::test {
namespace {

// A Rule Base with its askable conditions, and what a run ended with.
struct RunState {
    AppState state;

    RunState(std::vector<Rule> rules, std::vector<Constraint> constraints = {}) {
        state.kb.rule.rules = std::move(rules);
        state.kb.constraint.constraints = std::move(constraints);
        determine_askable_conditions(state.kb.rule, state.askables);
        state.memory.last_run.direction = RunDirection::Forward;
        state.memory.last_run.true_at_end = Names{};
    }
    void answered(const std::string& name, bool yes) {
        state.memory.last_run.answer(name, yes ? "yes" : "no");
        (yes ? *state.memory.last_run.true_at_end : state.memory.last_run.false_at_end)
            .push_back(name);
    }
    void made_false(const std::string& name) { state.memory.last_run.false_at_end.push_back(name); }
};

Rule rule(int number, std::string conclusion, Names conditions) {
    return {number, std::move(conclusion), std::move(conditions), 0};
}

TEST(WhyNot, FollowsUnestablishedConditionsToTheAnswerThatFailed) {
    RunState run(
        {rule(1, "goal", {"a", "middle"}), rule(2, "middle", {"b"}), rule(3, "goal", {"c"})});
    run.answered("a", true);
    run.answered("b", false);
    const WhyNot result = why_not(run.state, "goal");
    ASSERT_EQ(result.status, WhyNotStatus::Explained);
    ASSERT_EQ(result.explanations.size(), 2U);
    const auto& goal = result.explanations[0].rules;
    ASSERT_EQ(goal.size(), 2U);
    EXPECT_EQ(goal[0].condition, "middle");
    EXPECT_EQ(goal[0].why, Unmet::NotEstablished);
    EXPECT_EQ(goal[1].condition, "c");
    EXPECT_EQ(goal[1].why, Unmet::NotAsked);
    EXPECT_EQ(result.explanations[1].name, "middle");
    EXPECT_EQ(result.explanations[1].rules[0].why, Unmet::AnsweredNo);
    // Either one answer does it: the first rule's is found first.
    EXPECT_EQ(result.answers, Names{"b"});
}

TEST(WhyNot, ConstraintExcludesAndItsConditionsAreNotProposedTogether) {
    // p was picked in constraint 1, so q is false; rule 1 needs both, which
    // no answers can give, and rule 2 needs two answers changed.
    RunState run({rule(1, "goal", {"p", "q"}), rule(2, "goal", {"r", "s"})}, {{1, {"p", "q"}}});
    run.answered("p", true);
    run.made_false("q");
    run.answered("r", false);
    run.answered("s", false);
    const WhyNot result = why_not(run.state, "goal");
    const UnmetRule& first = result.explanations.at(0).rules.at(0);
    EXPECT_EQ(first.why, Unmet::Excluded);
    EXPECT_EQ(first.number, 1);
    EXPECT_EQ(first.true_one, "p");
    EXPECT_EQ(result.answers, (Names{"r", "s"}));
}

TEST(WhyNot, NamesWithoutAnAnswerThatHelps) {
    RunState run({rule(1, "goal", {"typo"}), rule(2, "typo", {"typo"})});
    EXPECT_EQ(why_not(run.state, "goal").answers, std::nullopt);
    EXPECT_EQ(why_not(run.state, "nothing").status, WhyNotStatus::NotConcluded);
    run.answered("goal", true);
    EXPECT_EQ(why_not(run.state, "goal").status, WhyNotStatus::Established);
}

TEST(WhyNot, LongChainsAreFollowedWithoutDeepCalls) {
    // Each link needs the one before: a recursive search would need a stack
    // as deep as the chain.
    constexpr int links = 100000;
    std::vector<Rule> rules;
    for (int i = 1; i <= links; ++i) {
        rules.push_back(rule(i, "c" + std::to_string(i), {"c" + std::to_string(i - 1)}));
    }
    RunState run(std::move(rules));
    run.answered("c0", false);
    const WhyNot result = why_not(run.state, "c" + std::to_string(links));
    EXPECT_EQ(result.explanations.size(), static_cast<std::size_t>(links));
    EXPECT_EQ(result.explanations.back().rules.at(0).why, Unmet::AnsweredNo);
    EXPECT_EQ(result.answers, Names{"c0"});
}

} // namespace
} // namespace orve::test
