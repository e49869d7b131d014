// The order in which the chaining loop fires rules, long chains, and the
// ending of a run without conclusion.
#include "chaining/chaining_loop.hpp"
#include "chaining/condition_tests.hpp"
#include "chaining/forward_endings.hpp"
#include "chaining/model_alternatives.hpp"
#include "forward_fixture.hpp"

#include <algorithm>
#include <deque>
#include <random>

namespace orve::test {
namespace {

// The loop as first described: every pass tests the rules from the first one
// and fires the first that applies, and otherwise applies the first model.
void restart_scan(AppState& state, Dialogs& ui) {
    using Alternative = bool (*)(AppState&, Dialogs&);
    const std::vector<Alternative> models{
        apply_basic_arithmetic_model, apply_extended_arithmetic_model,
        apply_linear_model,           apply_polynomial_model,
        apply_basic_relational_model, apply_extended_relational_model};
    while (!state.memory.prawda.contains("end")) {
        const auto& rules = state.kb.rule.rules;
        const auto applicable = std::find_if(rules.begin(), rules.end(), [&](const Rule& r) {
            return !state.memory.prawda.contains(r.conclusion) &&
                   testuj_warunki(state, ui, r.conditions);
        });
        if (applicable != rules.end()) {
            fire_rule(state, ui, *applicable);
        } else if (std::none_of(models.begin(), models.end(),
                                [&](Alternative apply) { return apply(state, ui); })) {
            return;
        }
    }
}

// A random small knowledge base with a random start of the working memory.
class RandomBase {
  public:
    // `rules`: the most rules; `names`: how many condition names there are.
    explicit RandomBase(unsigned seed, int rules = 9, int names = 6)
        : random_(seed), rules_(rules), names_(names) {}

    AppState state() {
        AppState s;
        for (int number = 1, count = pick(1, rules_); number <= count; ++number) {
            Names conditions;
            for (int i = pick(0, 3); i > 0; --i) {
                conditions.push_back(pick(0, 12) == 0 ? "No condition" : name());
            }
            s.kb.rule.rules.push_back(
                {number, pick(0, 10) == 0 ? "end" : name(), std::move(conditions), 0});
        }
        s.kb.rule.name = BaseName{"RUrandom.EEB", "RUrandom.EEB"};
        // Models whose go-ahead conditions and conclusions are the rules' names:
        // they make conditions true, and ask, outside rule firings.
        for (int number = 101, count = 100 + pick(0, 4); number <= count; ++number) {
            const bool relational = pick(0, 1) == 0;
            const std::string go_ahead = pick(0, 2) == 0 ? "No condition" : name();
            const std::string result = !relational        ? "x" + std::to_string(number)
                                       : pick(0, 10) == 0 ? "end"
                                                          : name();
            s.kb.model.basic.push_back({number, go_ahead, result, "1",
                                        relational ? (pick(0, 1) == 0 ? "<" : ">") : "+", "2",
                                        pick(0, 1)});
        }
        for (int number = 1, count = pick(0, 3); number <= count; ++number) {
            s.kb.constraint.constraints.push_back({number, {name(), name(), name()}});
        }
        ScriptedDialogs quiet;
        record_askable_conditions(s.kb.rule, "RUrandom.EEB", s.askables, quiet);
        s.memory.prawda.add("No condition");
        for (int i = pick(0, 4); i > 0; --i) {
            (pick(0, 1) == 0 ? s.memory.prawda : s.memory.nieprawda).add(name());
        }
        return s;
    }

    // Yes or No for questions, the first or second line for choices.
    std::deque<std::string> answers() {
        std::deque<std::string> lines;
        for (int i = 0; i < 100; ++i) {
            lines.push_back(pick(0, 1) == 0 ? "" : "2");
        }
        return lines;
    }

  private:
    int pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }
    std::string name() { return "n" + std::to_string(pick(0, names_ - 1)); }
    std::mt19937 random_;
    int rules_;
    int names_;
};

// Runs the loop and the restart scan on copies of the state with the same
// answers; both must ask, write and record the same.
void expect_same_as_restart_scan(const AppState& state, const std::deque<std::string>& answers) {
    AppState expected_state = state;
    AppState actual_state = state;
    ScriptedDialogs expected;
    ScriptedDialogs actual;
    expected.answers = actual.answers = answers;
    restart_scan(expected_state, expected);
    chaining_passes(actual_state, actual);
    ASSERT_EQ(actual.log, expected.log);
    ASSERT_EQ(actual.window, expected.window);
    ASSERT_EQ(actual_state.memory.prawda.items(), expected_state.memory.prawda.items());
    ASSERT_EQ(actual_state.memory.nieprawda.items(), expected_state.memory.nieprawda.items());
}

TEST(ChainingLoop, AChoiceWakesRulesBelowInThisPassAndAboveInTheNext) {
    // Rule 2 asks "d"; choosing "c" instead, which no rule established, lets
    // rule 3 fire in the same pass and rule 1 in the next.
    AppState state;
    state.kb.rule.rules = {{1, "w", {"c"}, 0},
                           {2, "x", {"y", "d"}, 0},
                           {3, "z", {"c"}, 0},
                           {4, "y", {}, 0},
                           {5, "c", {"q"}, 0}};
    state.kb.rule.name = BaseName{"RUwake.EEB", "RUwake.EEB"};
    state.kb.constraint.constraints = {{1, {"d", "c"}}};
    ScriptedDialogs quiet;
    record_askable_conditions(state.kb.rule, "RUwake.EEB", state.askables, quiet);
    state.memory.prawda.add("No condition");
    expect_same_as_restart_scan(state, {"2"});

    ScriptedDialogs ui;
    ui.answer({"2"});
    chaining_passes(state, ui);
    EXPECT_EQ(state.memory.prawda.items(), (Names{"No condition", "y", "c", "z", "w"}));
}

TEST(ChainingLoop, FiresAndAsksAsTheRestartScanDoes) {
    for (unsigned seed = 1; seed <= 400; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        RandomBase base(seed);
        const AppState state = base.state();
        expect_same_as_restart_scan(state, base.answers());
    }
    // Tables of a few hundred rules: the agenda's rules to test span several
    // words of its bit set.
    for (unsigned seed = 1; seed <= 30; ++seed) {
        SCOPED_TRACE("large base, seed " + std::to_string(seed));
        RandomBase base(seed, 300, 40);
        const AppState state = base.state();
        expect_same_as_restart_scan(state, base.answers());
    }
}

TEST_F(ForwardRun, ALongChainRunsInALoop) {
    // Rule i concludes the condition of rule i + 1; the first condition is a
    // declared fact, so nothing is asked.
    const int length = 100000;
    std::vector<Rule> rules;
    std::string fired;
    std::string facts = "c0\n";
    for (int i = 1; i <= length; ++i) {
        const std::string conclusion = "c" + std::to_string(i);
        rules.push_back(rule(i, conclusion, {"c" + std::to_string(i - 1)}));
        fired += explanation(i, conclusion, rules.back().conditions);
        facts += conclusion + "\n";
    }
    rule_base(std::move(rules), {"c0"});
    EXPECT_TRUE(run({low, decline, query, decline, decline}));
    EXPECT_TRUE(ui.window == bases_lines() + "\nThe rule base contains following facts:\n    c0\n" +
                                 fired + normal_ending(facts) + report_offer);
}

TEST_F(ForwardRun, TheNoConclusionEndingGivesTheAdviceAndOffersTheReport) {
    tree.write("ADVICES/nic.hlp", "Ask an expert.");
    rule_base({});
    struct Case {
        std::vector<std::string> answers;
        bool completed;
        std::string window_tail;
    };
    // Declining the report, and cancelling its file dialogue.
    const std::vector<Case> cases{{{decline}, true, ""},
                                  {{"1", ""}, false, " Declare name of report (*.RPT): "}};
    for (const auto& c : cases) {
        ui = ScriptedDialogs{};
        ui.answers.assign(c.answers.begin(), c.answers.end());
        state.report.text = "so far";
        EXPECT_EQ(no_conclusion_ending(state, ui), c.completed);
        EXPECT_EQ(ui.window,
                  "\n Result of chaining:  no conclusion.\n" + report_offer + c.window_tail);
        EXPECT_EQ(state.report.text, "so far\n Result of chaining:  no conclusion.\n");
        EXPECT_EQ(ui.notes,
                  (std::vector<Note>{{"Attention!", "Result of chaining:  no conclusion."},
                                     {"Expert Advice", "Ask an expert."}}));
    }
}

} // namespace
} // namespace orve::test
