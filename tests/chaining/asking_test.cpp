// Asking about conditions and keeping the constraints of the Constraint Base.
#include "chaining/asking.hpp"
#include "chaining/condition_tests.hpp"
#include "forward_fixture.hpp"

#include <algorithm>
#include <optional>
#include <tuple>

namespace orve::test {
namespace {

using Asking = ForwardRun;

const std::string pressures_prompt = " Only one condition in constraint 1 may be true!";

TEST_F(Asking, AConstrainedConditionIsAskedByChoiceAndTheChoiceDecidesTheRule) {
    rule_base({rule(1, "pump on", {"pressure normal"}), rule(2, "alarm", {"pressure low"})});
    constraint_base({{1, {"pressure low", "pressure normal", "pressure high"}}});
    EXPECT_TRUE(run({low, decline, query, "1", decline, decline}));

    const std::string choice = "Only one condition in constraint \n"
                               "pressure low,pressure normal,pressure high] may be true!\n"
                               "Pick the true condition!\npressure low\n";
    EXPECT_EQ(ui.window, bases_lines("", "COboiler.EEB") + choice +
                             explanation(2, "alarm", {"pressure low"}) +
                             normal_ending("pressure low\nalarm\nNot true:    pressure normal\n"
                                           "Not true:    pressure high\n") +
                             report_offer);
    EXPECT_NE(state.report.text.find(
                  "Only one condition in constraint pressure low,pressure normal,pressure high]"
                  " may be true!Pick the true condition!\npressure low" +
                  explanation(2, "alarm", {"pressure low"})),
              std::string::npos);
    EXPECT_EQ(std::count(ui.log.begin(), ui.log.end(),
                         "pick_fact: Pick the true condition! | " + pressures_prompt),
              1);
    EXPECT_EQ(std::count_if(ui.log.begin(), ui.log.end(),
                            [](const std::string& line) { return line.rfind("yes_no", 0) == 0; }),
              0);
}

TEST_F(Asking, OnlyTheFirstConstraintOfAConditionIsOfferedAndKept) {
    rule_base({rule(1, "pump on", {"b"})});
    constraint_base({{1, {"a", "b"}}, {2, {"b", "c"}}});
    ui.answer({"2"});
    EXPECT_TRUE(pytaj_o_warunek(state, ui, "b"));
    EXPECT_EQ(ui.log, std::vector<std::string>{"pick_fact: Pick the true condition! | " +
                                               pressures_prompt});
    EXPECT_EQ(state.memory.nieprawda.items(), Names{"a"});

    // Recording a condition true keeps only its first constraint as well.
    state.memory = WorkingMemory{};
    pamietaj(state, "b", true);
    EXPECT_EQ(state.memory.prawda.items(), Names{"b"});
    EXPECT_EQ(state.memory.nieprawda.items(), Names{"a"});
    // A condition already true is left alone, and so are its constraints.
    pamietaj(state, "c", false);
    pamietaj(state, "b", true);
    pamietaj(state, "c", false);
    EXPECT_EQ(state.memory.nieprawda.items(), (Names{"a", "c"}));
}

TEST_F(Asking, YesNoQuestionsRecordTheAnswerAndLineUpInTheWindow) {
    rule_base({});
    const std::string long_name(60, 'x');
    const std::vector<std::tuple<std::string, std::string, bool>> cases{
        {"pressure low", "y", true}, {"valve open", "n", false}, {long_name, "n", false}};
    for (const auto& [condition, answer, holds] : cases) {
        SCOPED_TRACE(condition);
        ui = ScriptedDialogs{};
        state.report.text.clear();
        ui.answer({answer});
        EXPECT_EQ(pytaj_o_warunek(state, ui, condition), holds);
        const std::string reply = holds ? "  YES\n" : "  NO\n";
        EXPECT_EQ(ui.window, question(condition) + reply);
        EXPECT_EQ(state.report.text, condition + "?" + reply);
        EXPECT_EQ(ui.log,
                  std::vector<std::string>{"yes_no: The condition is true? | " + condition + "?"});
        EXPECT_EQ(state.memory.prawda.contains(condition), holds);
        EXPECT_EQ(state.memory.nieprawda.contains(condition), !holds);
    }
    EXPECT_EQ(question("pressure low").size(), 55u);
    EXPECT_EQ(question(long_name).size(), 61u);
}

TEST_F(Asking, RecordingTrueAppliesTheConstraintOfTheCondition) {
    // "valve open" is in a constraint but a rule concludes it, so it is
    // never offered by choice; once true it still excludes the others.
    rule_base({rule(1, "valve open", {"No condition"}), rule(2, "flow", {"valve closed"})});
    constraint_base({{1, {"valve open", "valve closed"}}});
    pamietaj(state, "valve open", true);
    EXPECT_EQ(state.memory.nieprawda.items(), Names{"valve closed"});
    EXPECT_FALSE(testuj_warunki(state, ui, {"valve closed"}));
    EXPECT_TRUE(ui.log.empty());
}

TEST_F(Asking, ConditionTestsStopAtTheFirstUnmetCondition) {
    rule_base({rule(1, "pump on", {"pressure low", "noise"}), rule(2, "noise", {"smoke"})});
    state.memory.prawda.add("pressure low");
    state.memory.nieprawda.add("valve open");
    struct Case {
        Names conditions;
        std::optional<std::size_t> unmet;
    };
    const std::vector<Case> cases{
        {{}, std::nullopt},
        {{"pressure low"}, std::nullopt},
        {{"pressure low", "valve open", "smoke"}, 1}, // false
        {{"pressure low", "noise", "smoke"}, 1},      // unknown, not askable
    };
    for (const auto& c : cases) {
        EXPECT_EQ(first_unmet_condition(state, ui, c.conditions), c.unmet);
    }
    EXPECT_TRUE(ui.log.empty());
    // A condition both true and false counts as true.
    state.memory.prawda.add("valve open");
    EXPECT_TRUE(testuj_warunki(state, ui, {"valve open"}));
}

} // namespace
} // namespace orve::test
