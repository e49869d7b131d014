// Whole backward chaining runs: the hypothesis choice, asking with WHY?, the
// verdicts, the cycle guard and a very long chain of rules.
#include "chaining/backward_chaining.hpp"
#include "forward_fixture.hpp"

namespace orve::test {
namespace {

const std::string narrow = "1";
const std::string wide = "2";
const std::string why = "3";
const std::string yes = "1";
const std::string no = "2";

class BackwardChaining : public ForwardRun {
  protected:
    bool run_backward(std::initializer_list<std::string> answers) {
        ui.answer(answers);
        return backward_chaining(state, ui);
    }
};

std::string backward_bases_lines() {
    return "Backward chaining for Rule Base RUboiler.EEB" +
           bases_lines().substr(std::string("Forward chaining for Rule Base RUboiler.EEB").size());
}

// A question answered without WHY?.
std::string answered(const std::string& condition, bool yes_answer) {
    return condition + "?" + std::string(17, ' ') + (yes_answer ? "    YES\n\n" : "    NO\n\n");
}

const std::string facts_heading = "\nFollowing facts have been determined:\n";
const std::string values_heading = "Following values of arguments have been determined:\n\n";

TEST_F(BackwardChaining, WhyExplainsTheFirstRuleEnteredAndTheNarrowHypothesisIsVerified) {
    rule_base({rule(1, "pump on", {"pressure low"}), rule(2, "alarm", {"pump on", "valve open"})});
    EXPECT_TRUE(run_backward({low, decline, narrow, "1", why, "y", yes, decline, decline}));

    const std::string start =
        backward_bases_lines() + "The narrow-sense hypothesis:   \n  alarm\nis tested\n\n";
    const std::string why_answer =
        "pressure low?    WHY?" + explanation(2, "alarm", {"pump on", "valve open"}) +
        facts_heading + "\n" +
        "From rule 2 may be deduced: alarm.\nFrom rule 1 may be deduced: pump on.\n\n" +
        "    pressure low?" + std::string(17, ' ') + "    YES\n\n";
    const std::string chain = why_answer + "The auxiliary hypothesis pump on is tested.\n" +
                              explanation(1, "pump on", {"pressure low"}) +
                              answered("valve open", true) +
                              "The main hypothesis alarm is verified.\n" +
                              explanation(2, "alarm", {"pump on", "valve open"});
    const std::string verdict =
        "The narrow-sense hypothesis:\n  alarm\nis true for the knowledge base BOILER,\n"
        "declared facts and argument values.\n\n" +
        facts_heading + "pressure low\npump on\nvalve open\nalarm\n\n" + values_heading + "\n" +
        "This is all that has been derived from the Knowledge Base BOILER\n"
        "from declared facts and argument values\n"
        "while successfully backward chaining for hypothesis:\nalarm";
    EXPECT_EQ(ui.window, start + "prawda = No condition\n" + chain + verdict + report_offer);
    EXPECT_EQ(state.report.text, start + chain + verdict);

    const std::vector<std::string> expected_log{
        "radio: Level of detail | Choose level of message/report detail",
        "ask: Generating labels | Save summary labels?",
        "note: Elementary exact backward chaining | Elementary Exact Backward Chaining for "
        "\n\nElementary Exact Rule Base\n   RUboiler.EEB\n\nElementary Exact Model Base\n   "
        "\n\nElementary Exact Constraint Base\n   \n\nElementary Exact Advice Base\n   "
        "\n\nElementary Exact Graphics Base\n   \n\nElementary Exact Sound Base\n   ",
        "radio: Type of hypothesis | Pick type of tested hypothesis",
        "pick_fact: Narrow-sense hypotheses | Choose a narrow-sense hypothesis!",
        "note: Attention! | The narrow-sense hypothesis:  \n     alarm\nis verified.",
        "ask: Is the condition true? | pressure low?",
        "message_list: Rule explanation",
        "message_list: Following facts have been determined:",
        "message_list: From rule/rules may be deduced:",
        "yes_no: Choose: | pressure low?",
        "note: Auxiliary hypothesis | The auxiliary hypothesis \n     pump on\nis verified.",
        "message_list: Rule explanation",
        "ask: Is the condition true? | valve open?",
        "note: Main hypothesis | The main hypothesis \n    alarm\nis tested.",
        "message_list: Rule explanation",
        "message_list: Result of backward chaining",
        "note: Attention! | A summary of backward chaining follows",
        "message_list: Following facts have been determined:",
        "message_list: Following values of arguments have been determined:",
        "note: End of backward chaining | This is all that has been derived from the "
        "Knowledge Base  \n     BOILER\nfrom declared facts and argument values\nwhile "
        "successfully backward chaining for hypothesis\n    alarm",
        "ask: Chaining summary | Save the chaining summary?",
        "ask: Report of chaining/diagnosing | Do you wish to save the report?"};
    EXPECT_EQ(ui.log, expected_log);
    EXPECT_EQ(ui.messages[2], (MessageList{"From rule/rules may be deduced:",
                                           {"From rule 2 may be deduced: alarm. ",
                                            "From rule 1 may be deduced: pump on. "}}));
    EXPECT_EQ(ui.messages[5],
              (MessageList{"Result of backward chaining",
                           {"The narrow-sense hypothesis:  ", "   alarm",
                            "is true for the knowledge base: ", "   BOILER",
                            "declared facts and argument values", "on the strength of rule 2."}}));
}

TEST_F(BackwardChaining, AnUnestablishedWideHypothesisIsNotInstantiatedUnderTheOpenWorld) {
    // The second rule is tried only after the first one's condition failed;
    // a condition answered no is never asked again.
    rule_base({rule(1, "pump on", {"pressure low"}), rule(2, "pump on", {"pressure low", "x"}),
               rule(3, "pump on", {"valve open"}), rule(4, "alarm", {"pump on"})});
    EXPECT_FALSE(run_backward({low, decline, wide, "2", no, no, decline}));

    const std::string body =
        backward_bases_lines() + "The wide-sense hypothesis:   \n  pump on\nis tested\n\n" +
        answered("pressure low", false) + answered("valve open", false) +
        "The hypothesis: pump on\nis not instantiated for the knowledge base  BOILER declared "
        "facts and declared argument values.\n" +
        facts_heading + "Not true:    pressure low\nNot true:    valve open\n\n" + values_heading +
        "\n" +
        "Thats all that has been inferred from Knowledge Base BOILER\n"
        "from declared facts and argument values while unsuccessfully backward chaining for "
        "hypothesis\n   pump on.";
    EXPECT_EQ(state.report.text, body);
    EXPECT_EQ(ui.messages.front(),
              (MessageList{"Result of backward chaining",
                           {"The hypothesis: ", "    pump on",
                            "is not instantiated in view of the knowledge base ", "    BOILER",
                            "declared facts and argument values",
                            "because of the 'open world' assumption."}}));
    EXPECT_EQ(ui.notes.back(),
              (Note{"End of backward chaining",
                    "Thats all that has been inferred from Knowledge Base\n     BOILER\nfrom "
                    "declared facts and argument values\nwhile unsuccessfully backward chaining "
                    "for hypothesis\n     pump on"}));
    EXPECT_TRUE(ui.answers.empty());
}

// Records the lines offered by "Pick a fact".
class PickRecorder : public ScriptedDialogs {
  public:
    std::vector<Names> offered;
    int pick_fact(const PickList& dialog) override {
        offered.push_back(dialog.lines);
        return ScriptedDialogs::pick_fact(dialog);
    }
};

TEST_F(BackwardChaining, TheWideListOffersEveryConclusionAndTheNarrowOnlyFinalOnes) {
    rule_base({rule(1, "pump on", {"pressure low"}), rule(2, "alarm", {"pump on"}),
               rule(3, "end", {"stop"})});
    // A relational model adds its conclusion; an arithmetical one does not.
    state.kb.model.basic = {{1, "No condition", "overheated", "t", ">", "100", 0},
                            {2, "No condition", "t", "a", "+", "b", 0}};
    state.kb.model.name = BaseName{"MOboiler.EEB", tree.path("BASES/MOboiler.EEB").string()};
    PickRecorder picks;
    for (const auto& type : {wide, narrow}) {
        picks.answer({low, decline, type});
        EXPECT_THROW(backward_chaining(state, picks), ProgramClosed);
    }
    EXPECT_EQ(picks.offered,
              (std::vector<Names>{{"alarm", "overheated", "pump on"}, {"alarm", "overheated"}}));
}

TEST_F(BackwardChaining, AConditionInAConstraintIsAskedByChoosingTheTrueOne) {
    rule_base({rule(1, "alarm", {"pressure high"})});
    constraint_base({{1, {"pressure low", "pressure high"}}});
    EXPECT_FALSE(run_backward({low, decline, narrow, "1", "1", decline}));

    const std::string choice =
        "prawda = No condition\nOnly one condition in constraint for the list \n   pressure low\n"
        "   pressure high\n  may be true!\npressure low\nThe hypothesis: alarm\n";
    EXPECT_NE(ui.window.find(choice), std::string::npos);
    EXPECT_NE(state.report.text.find(
                  "Only one condition in constraint for the list pressure lowpressure high"
                  "  may be true!\npressure lowThe hypothesis: alarm\n"),
              std::string::npos);
    EXPECT_EQ(state.memory.prawda.items(), (Names{"No condition", "pressure low"}));
    EXPECT_EQ(state.memory.nieprawda.items(), (Names{"pressure high"}));
    EXPECT_NE(std::find(ui.log.begin(), ui.log.end(),
                        "pick_fact: Pick the true condition! |  Only one condition in constraint "
                        "1 may be true!"),
              ui.log.end());
}

TEST_F(BackwardChaining, ANameBeingVerifiedIsNotEstablishedByItsOwnPath) {
    // "a" needs "b", whose first rule needs "a" again: that rule fails and the
    // second rule of "b" establishes it.
    rule_base({rule(1, "a", {"b"}), rule(2, "b", {"a"}), rule(3, "b", {"c"})});
    EXPECT_TRUE(run_backward({low, decline, wide, "1", yes, decline, decline}));
    EXPECT_EQ(state.memory.prawda.items(), (Names{"No condition", "c", "b", "a"}));
    EXPECT_NE(ui.window.find(answered("c", true) + "The auxiliary hypothesis b is tested.\n" +
                             explanation(3, "b", {"c"}) + "The main hypothesis a is verified.\n" +
                             explanation(1, "a", {"b"})),
              std::string::npos);
}

TEST_F(BackwardChaining, AnEndRuleSettledInThePreambleStopsTheRunWithoutVerdict) {
    // WHY? with no rule entered has nothing to explain: the question is put again.
    rule_base({rule(1, "end", {"stop"}), rule(2, "alarm", {"pump on"})});
    EXPECT_FALSE(run_backward({low, decline, narrow, "1", why, yes}));

    const std::string stop = "Rule with 'end' conclusion ends the chaining process.";
    EXPECT_EQ(ui.window, backward_bases_lines() +
                             "The narrow-sense hypothesis:   \n  alarm\nis tested\n\n"
                             "prawda = No condition\nstop?    WHY?\n" +
                             answered("stop", true) + stop);
    EXPECT_EQ(ui.notes.back(), (Note{"Attention - end!", stop}));
    EXPECT_TRUE(ui.answers.empty());
}

TEST_F(BackwardChaining, AChainOfAHundredThousandRulesIsVerified) {
    constexpr int length = 100000;
    std::vector<Rule> rules;
    for (int i = 1; i <= length; ++i) {
        rules.push_back(rule(i, "c" + std::to_string(i - 1), {"c" + std::to_string(i)}));
    }
    rule_base(std::move(rules));
    EXPECT_TRUE(run_backward({low, decline, narrow, "1", yes, decline, decline}));
    EXPECT_TRUE(state.memory.prawda.contains("c0"));
    EXPECT_EQ(state.memory.prawda.items().size(), std::size_t{length + 2});
}

} // namespace
} // namespace orve::test
