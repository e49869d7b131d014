// Whole forward chaining runs: the start, the loop's order and the endings.
#include "forward_fixture.hpp"

namespace orve::test {
namespace {

const std::string chaining_note =
    "Elementary Exact Forward Chaining for \n\nElementary Exact Rule Base\n   RUboiler.EEB"
    "\n\nElementary Exact Model Base\n   \n\nElementary Exact Constraint Base\n   "
    "\n\nElementary Exact Advice Base\n   \n\nElementary Exact Graphics Base\n   "
    "\n\nElementary Exact Sound Base\n   ";

TEST_F(ForwardRun, RulesWithoutConditionsFireInOrderAndTheRunEndsNormally) {
    rule_base({rule(1, "heating", {}), rule(2, "pump on", {"No condition"}),
               rule(3, "alarm", {"pump on", "heating"})});
    EXPECT_TRUE(run({low, decline, query, decline, decline}));

    const std::string body = bases_lines() + explanation(1, "heating", {}) +
                             explanation(2, "pump on", {"No condition"}) +
                             explanation(3, "alarm", {"pump on", "heating"}) +
                             normal_ending("heating\npump on\nalarm\n");
    EXPECT_EQ(ui.window, body + report_offer);
    EXPECT_EQ(state.report.text, body);
    EXPECT_EQ(ui.log,
              (std::vector<std::string>{
                  "radio: Level of detail | Choose level of message/report detail",
                  "ask: Generating labels | Save summary labels?",
                  "note: Elementary exact forward chaining | " + chaining_note,
                  "radio: Fact declaration mode | Choose fact declaration mode!",
                  "message_list: Rule explanation", "message_list: Rule explanation",
                  "message_list: Rule explanation",
                  "note: Summary | No possibilities of further chaining! Let's have a look at the "
                  "forward chaining summary!",
                  "message_list: Following facts have been determined:",
                  "message_list: Following values of arguments have been determined:",
                  "note: End of forward chaining | This is all that may be inferred \nfrom the "
                  "Knowledge Base\n   BOILER,\nfrom declared facts and declared argument "
                  "values.\n\nEnd of forward chaining.",
                  "ask: Chaining summary | Save the chaining summary?",
                  "ask: Report of chaining/diagnosing | Do you wish to save the report?"}));
    // After a normal ending only the true conditions are forgotten.
    EXPECT_TRUE(state.memory.prawda.items().empty());
    EXPECT_EQ(state.memory.tytul, "Chaining");
}

TEST_F(ForwardRun, OfTwoRulesWithOneConclusionOnlyTheFirstFires) {
    rule_base({rule(1, "pump on", {"pressure low"}), rule(2, "pump on", {"valve open"})},
              {"pressure low", "valve open"});
    EXPECT_TRUE(run({high, decline, query, decline, decline}));

    const std::string body = bases_lines() +
                             "\nThe rule base contains following facts:\n"
                             "    pressure low\n    valve open\n"
                             "\nFollowing facts have been determined:\npressure low\nvalve open\n" +
                             explanation(1, "pump on", {"pressure low"}) +
                             normal_ending("pressure low\nvalve open\npump on\n");
    EXPECT_EQ(ui.window, body + report_offer);
    EXPECT_EQ(state.report.text, body);
    ASSERT_GE(ui.messages.size(), 2u);
    EXPECT_EQ(ui.messages[0], (MessageList{"The rule base contains following facts:",
                                           {"    pressure low", "    valve open"}}));
    EXPECT_EQ(ui.messages[1], (MessageList{"Following facts have been determined:",
                                           {"pressure low", "valve open"}}));
}

TEST_F(ForwardRun, AnEndConclusionStopsTheRunWithoutSummaryOrReport) {
    rule_base({rule(1, "end", {"pressure low"}), rule(2, "alarm", {"No condition"})});
    EXPECT_TRUE(run({low, decline, query, "y"}));

    const std::string stop = "Rule with 'end' conclusion ends the chaining process.";
    const std::string fired = explanation(1, "end", {"pressure low"});
    EXPECT_EQ(ui.window, bases_lines() + question("pressure low") + "  YES\n" + fired + stop);
    EXPECT_EQ(state.report.text, bases_lines() + "pressure low?  YES\n" + fired);
    EXPECT_EQ(ui.notes.back(), (Note{"Attention - end!", stop}));
    EXPECT_EQ(ui.log.back(), "note: Attention - end! | " + stop);
    EXPECT_TRUE(ui.answers.empty());
}

TEST_F(ForwardRun, EachConditionIsAskedOncePerRun) {
    rule_base({rule(1, "pump on", {"pressure low", "valve open"}),
               rule(2, "alarm", {"pressure low", "noise"}), rule(3, "stop", {"valve open"})});
    const auto questions = [&] {
        std::vector<std::string> asked;
        for (const auto& line : ui.log) {
            if (line.rfind("yes_no: ", 0) == 0) {
                asked.push_back(line);
            }
        }
        return asked;
    };
    const std::vector<std::string> expected{"yes_no: The condition is true? | pressure low?",
                                            "yes_no: The condition is true? | valve open?",
                                            "yes_no: The condition is true? | noise?"};
    EXPECT_TRUE(run({low, decline, query, "y", "n", "y", decline, decline}));
    EXPECT_EQ(questions(), expected);
    EXPECT_EQ(
        ui.window.substr(bases_lines().size()),
        question("pressure low") + "  YES\n" + question("valve open") + "  NO\n" +
            question("noise") + "  YES\n" + explanation(2, "alarm", {"pressure low", "noise"}) +
            normal_ending("pressure low\nnoise\nalarm\nNot true:    valve open\n") + report_offer);

    // A new run forgets the answers of the last one.
    ui.log.clear();
    EXPECT_TRUE(run({low, decline, query, "y", "n", "y", decline, decline}));
    EXPECT_EQ(questions(), expected);
}

TEST_F(ForwardRun, RefusesSilentlyWhileChainingIsBarred) {
    const std::vector<std::pair<std::string, void (*)(AppState&)>> bars{
        {"numbers not unique",
         [](AppState& s) { s.findings.rozne_numery.insert(BaseKind::Constraint); }},
        {"numbers not unique, no Rule Base",
         [](AppState& s) {
             s.findings.rozne_numery.insert(BaseKind::Rule);
             s.kb.rule.name.reset();
         }},
        {"excluding facts, no Rule Base",
         [](AppState& s) {
             s.findings.blad_wykluczajacych = true;
             s.kb.rule.name.reset();
         }},
        {"external inconsistency", [](AppState& s) { s.findings.sprzecznosc_1z = true; }},
        {"joint model-rule inconsistency", [](AppState& s) { s.findings.sprzecznosc_mr = true; }},
    };
    for (const auto& [name, bar] : bars) {
        SCOPED_TRACE(name);
        ui = ScriptedDialogs{};
        rule_base({rule(1, "heating", {})});
        bar(state);
        state.report.text = "last report";
        EXPECT_FALSE(run({}));
        EXPECT_EQ(ui.log, std::vector<std::string>{});
        EXPECT_EQ(ui.window, "");
        EXPECT_EQ(state.report.text, "last report");
        state = AppState{};
    }
}

TEST_F(ForwardRun, WithoutRuleBaseAsksToLoadOne) {
    EXPECT_FALSE(run({}));
    EXPECT_EQ(ui.log, std::vector<std::string>{"note: Attention! | Load Rule Base first!"});
    EXPECT_EQ(ui.window, "");
}

TEST_F(ForwardRun, ExcludingDeclaredFactsEndTheRunAndBarTheNext) {
    rule_base({rule(1, "pump on", {"pressure low"}), rule(2, "stop", {"pressure high"}),
               rule(3, "open", {"valve open"})},
              {"pressure low", "valve open", "pressure high"});
    constraint_base({{4, {"pressure low", "pressure normal", "pressure high"}}});
    EXPECT_FALSE(run({low, decline, query}));

    const std::string body = bases_lines("", "COboiler.EEB") +
                             "\nThe rule base contains following facts:\n"
                             "Two mutually exclusive conditions:\n"
                             "     pressure low\n     pressure high\n"
                             "from constraint 4 haved been declared in the rule base as facts.\n\n"
                             "Chaining is not possible! To correct the rule base, enter the "
                             "option:\n      'Exact Rule Base/Rule Base Editing' \n"
                             "and remove the superflous fact.\n"
                             "    pressure low\n";
    EXPECT_EQ(ui.window, body);
    EXPECT_EQ(state.report.text, body);
    EXPECT_EQ(ui.notes.back(),
              (Note{"Rule base error! ",
                    "Two mutually exclusive conditions:\n    pressure low\n    pressure high\n"
                    "from constraint 4 haved been declared in the rule base as facts.Chaining is "
                    "not possible! To correct the rule base, enter the option:\n     'Exact Rule "
                    "Base/Rule Base Editing'and remove the superflous fact."}));
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_TRUE(ui.answers.empty());

    const auto calls = ui.log.size();
    EXPECT_FALSE(run({}));
    EXPECT_EQ(ui.log.size(), calls);
    EXPECT_EQ(ui.window, body);
}

TEST_F(ForwardRun, ExcludingModelFactsAreReportedInTheModelBaseWording) {
    rule_base({rule(1, "pump on", {"pressure low"})});
    constraint_base({{4, {"pressure low", "pressure high"}}});
    state.kb.model.m_facts = {"pressure high", "noise", "pressure low"};
    state.kb.model.name = BaseName{"MOboiler.EEB", tree.path("BASES/MOboiler.EEB").string()};
    EXPECT_FALSE(run({low, decline, query}));

    EXPECT_EQ(ui.window, bases_lines("MOboiler.EEB", "COboiler.EEB") +
                             "The model base contains values of following m_facts:\n"
                             "Model base error! Two mutually exclusive conditions:\n"
                             "     pressure high\n     pressure low\n"
                             "from constraint 4 haved been declared in the model base as "
                             "m_facts.\n\nChaining is not possible! To correct the rule base, "
                             "enter the option:\n      'Exact Model Base/Model Base Editing' \n"
                             "and remove the superflous fact.\n"
                             "    pressure high\n");
    EXPECT_EQ(ui.notes.back(),
              (Note{"Model base error! ",
                    "Two mutually exclusive conditions:\n    pressure high\n    pressure low\n"
                    "from constraint 4 haved been declared in the model base as m_facts.Chaining "
                    "is not possible! To correct the rule base, enter the option:\n     'Model "
                    "Base/Model Base Editing'and remove the superflous fact."}));
    EXPECT_TRUE(state.findings.blad_wykluczajacych);
}

TEST_F(ForwardRun, DeclaredModelDataArePresentedAndRecorded) {
    rule_base({rule(1, "pump on", {"noise"})});
    state.kb.model.m_facts = {"noise"};
    state.kb.model.arguments_known = {{"pressure", 2.5}, {"flow", 100.0}};
    state.kb.model.name = BaseName{"MOboiler.EEB", tree.path("BASES/MOboiler.EEB").string()};
    EXPECT_TRUE(run({low, decline, query, decline, decline}));

    const std::string values = "    pressure=2.5\n    flow=100\n";
    EXPECT_EQ(ui.window, bases_lines("MOboiler.EEB") +
                             "The model base contains values of following m_facts:\n    noise\n"
                             "The model base contains values of following askable arguments:\n" +
                             values + "\n" + explanation(1, "pump on", {"noise"}) +
                             "\nNo possibilities of further chaining!\n\n"
                             "\nFollowing facts have been determined:\nnoise\npump on\n\n"
                             "Following values of arguments have been determined:\n" +
                             values +
                             "\n\n"
                             "This is all that may be inferred from the Knowledge Base boiler,\n"
                             "from declared facts and declared argument values.\n\n"
                             "End of forward chaining\n\n" +
                             report_offer);
    EXPECT_EQ(ui.messages[1], (MessageList{"The model base contains values of following askable "
                                           "arguments:",
                                           {"    pressure=2.5", "    flow=100"}}));
}

} // namespace
} // namespace orve::test
