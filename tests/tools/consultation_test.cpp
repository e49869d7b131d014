// Consultations without dialogue and the tools that look back at a run:
// answers from a table, what if? replays, the record of an interactive run.
#include "app/shell.hpp"
#include "support/scripted_dialogs.hpp"
#include "support/temp_tree.hpp"
#include "tools/batch_run.hpp"
#include "tools/rule_graph.hpp"
#include "tools/what_if.hpp"

#include <gtest/gtest.h>

namespace orve::test {
namespace {

class Consultation : public ::testing::Test {
  protected:
    TempTree tree; // gives back the current folder that loading changes
    AppState state;
    std::string output;

    // goal needs a and b; c and d exclude each other, other needs d and
    // third c.
    void load() {
        tree.write("BASES/RUcase.EEB", "rule(1,\"goal\",[\"a\",\"b\"],0)\n"
                                       "rule(2,\"other\",[\"d\"],0)\n"
                                       "rule(3,\"third\",[\"c\"],0)\n");
        tree.write("BASES/COcase.EEB", "constraint(1,[\"c\",\"d\"])\n");
        const BatchOutcome loaded = load_bases(
            state, {tree.path("BASES/RUcase.EEB").string(), tree.path("BASES/COcase.EEB").string()},
            false, [this](const std::string& text) { output += text; });
        ASSERT_EQ(loaded.status, BatchStatus::Completed) << loaded.problem;
    }

    BatchOutcome run(const std::string& answers, const std::string& hypothesis = "") {
        const AnswerFileResult read = read_answers(answers);
        EXPECT_TRUE(read.table) << read.fault;
        return run_with_answers(state, read.table.value_or(AnswerTable{}), hypothesis,
                                [this](const std::string& text) { output += text; });
    }

    Names conclusions() const {
        Names names;
        for (const auto& derivation : state.memory.last_run.derivations) {
            names.push_back(derivation.conclusion);
        }
        return names;
    }
};

TEST_F(Consultation, AnswersComeFromTheTableAndAMissingOneStopsTheRun) {
    struct Case {
        std::string answers;
        BatchStatus status;
        std::string problem_part;
        Names conclusions;
    };
    const std::vector<Case> cases{
        {"a = yes\nb = YES\nd = no\nc = yes\n", BatchStatus::Completed, "", {"goal", "third"}},
        {"a = yes\nb = no\nd = yes\n", BatchStatus::Completed, "", {"other"}},
        {"a = yes\n", BatchStatus::Stopped, "condition 'b'", {}},
        {"a = yes\nb = maybe\n", BatchStatus::Stopped, "must be yes or no, not 'maybe'", {}},
        {"a = no\nc = no\n", BatchStatus::Stopped, "'c', 'd' answered yes", {}},
    };
    load();
    for (const auto& c : cases) {
        const BatchOutcome outcome = run(c.answers);
        EXPECT_EQ(outcome.status, c.status) << c.answers;
        EXPECT_NE(outcome.problem.find(c.problem_part), std::string::npos) << outcome.problem;
        if (c.status == BatchStatus::Completed) {
            EXPECT_EQ(conclusions(), c.conclusions) << c.answers;
        }
    }
    EXPECT_EQ(run("a = yes\nb = yes\n", "no such conclusion").status, BatchStatus::BadInput);
    const BatchOutcome backward = run("a = yes\nb = yes\n", "goal");
    EXPECT_EQ(backward.status, BatchStatus::Completed);
    EXPECT_NE(conclusions_text(state).find("Hypothesis 'goal': verified by rule 1"),
              std::string::npos);
}

TEST_F(Consultation, WhatIfListsGainsAndLossesAndKeepsTheLastRun) {
    load();
    ASSERT_EQ(run("a = yes\nb = yes\nc = yes\n").status, BatchStatus::Completed);
    const auto derivations = state.memory.last_run.derivations.size();
    const std::string report = state.report.text;

    // Choosing d takes the yes away from c, its constraint's other condition.
    const WhatIf changed = what_if(state, "d", "yes");
    ASSERT_TRUE(changed.completed) << changed.problem;
    EXPECT_EQ(changed.gained, Names{"other"});
    EXPECT_EQ(changed.lost, Names{"third"});
    EXPECT_EQ(state.memory.last_run.derivations.size(), derivations);
    EXPECT_EQ(state.report.text, report);

    EXPECT_EQ(what_if(state, "a", "no").lost, Names{"goal"});
    const WhatIf needs_more = what_if(state, "c", "no");
    EXPECT_FALSE(needs_more.completed);
    EXPECT_NE(needs_more.problem.find("answered yes"), std::string::npos);
}

TEST(RecordedRun, TheAnswersOfAnInteractiveRunReplayUnchanged) {
    TempTree tree;
    tree.write("BASES/RUcase.EEB",
               "rule(1,\"goal\",[\"a\",\"d\"],0)\nrule(2,\"other\",[\"c\"],0)\n");
    tree.write("BASES/COcase.EEB", "constraint(1,[\"c\",\"d\"])\n");
    ScriptedDialogs ui;
    Shell shell(ui);
    shell.start();
    ui.answer({tree.path("BASES/RUcase.EEB").string(), "n", "n", "n"});
    ASSERT_EQ(shell.run_command(10062), CommandResult::Completed);
    ui.answer({tree.path("BASES/COcase.EEB").string(), "n", "n"});
    ASSERT_EQ(shell.run_command(10090), CommandResult::Completed);
    EXPECT_FALSE(shell.state().commands.enabled(10202));

    // Low detail, no labels, query mode; a yes, then d picked in constraint
    // 1; no summary, no report.
    ui.answer({"1", "2", "2", "y", "2", "2", "2"});
    ASSERT_EQ(shell.run_command(10154), CommandResult::Completed);
    const auto& answers = shell.state().memory.last_run.answers();
    ASSERT_EQ(answers.size(), 2U);
    EXPECT_EQ(answers[0].name, "a");
    EXPECT_EQ(answers[1].name, "d");
    for (const int id : {10202, 10203, 10205}) {
        EXPECT_TRUE(shell.state().commands.enabled(id)) << id;
    }
    const WhatIf same = what_if(shell.state(), "a", "yes");
    ASSERT_TRUE(same.completed) << same.problem;
    EXPECT_TRUE(same.gained.empty() && same.lost.empty());

    ui.answer({tree.path("BASES/COcase.EEB").string(), "n", "n"});
    shell.run_command(10090);
    EXPECT_FALSE(shell.state().commands.enabled(10202));
}

TEST(RuleGraph, EscapesQuotesAndBackslashesOfNames) {
    AppState state;
    state.kb.rule.rules = {{1, "say \"hi\"", {"back\\slash"}, 0}};
    const std::string dot = rule_graph_dot(state);
    EXPECT_NE(dot.find("[label=\"say \\\"hi\\\"\""), std::string::npos) << dot;
    EXPECT_NE(dot.find("[label=\"back\\\\slash\""), std::string::npos) << dot;
}

} // namespace
} // namespace orve::test
