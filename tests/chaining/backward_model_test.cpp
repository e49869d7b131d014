// Backward chaining through models: relational models concluding a name after
// the rules, arithmetical models computing the arguments they need, WHY? for
// a go-ahead condition, the verdicts with a Model Base, and the cycle guard.
#include "chaining/backward_chaining.hpp"
#include "forward_fixture.hpp"
#include "models/model_lists.hpp"
#include "report/number_format.hpp"

#include <algorithm>
#include <optional>

namespace orve::test {
namespace {

const std::string narrow = "1";
const std::string wide = "2";
const std::string why = "3";
const std::string yes = "1";
const std::string no = "2";

const std::string facts_heading = "\nFollowing facts have been determined:\n";
const std::string values_heading = "Following values of arguments have been determined:\n";

// A basic model shown when applied (display semaphor 1).
ModelB basic(int number, std::string go_ahead, std::string result, std::string argument1,
             std::string operation, std::string argument2, int semaphor = 1) {
    return {number,
            std::move(go_ahead),
            std::move(result),
            std::move(argument1),
            std::move(operation),
            std::move(argument2),
            semaphor};
}

// The written explanation of a basic relational model whose relation holds.
std::string relational_explanation(const ModelB& model, double first, double second) {
    const std::string number = std::to_string(model.number);
    return "The basic relational model  " + number +
           " is resolved.\n"
           "The model states: if the go_ahead condition \n    " +
           model.go_ahead + "\n is true, then follows\n    " + model.result +
           "\nprovided that: \n    " + model.argument1 + " " + model.operation + " " +
           model.argument2 + "\nFor  model " + number + " the relation: \n    " +
           format_real(first) + " " + model.operation + " " + format_real(second) +
           "\nholds, therefore the conclusion: \n   " + model.result + "\nis true. ";
}

// The written explanation of a basic arithmetical model of two arguments.
std::string arithmetical_explanation(const ModelB& model, double value) {
    return "\nThe basic arithmetical model " + std::to_string(model.number) +
           " is resolved.\n"
           "The model states: if the go_ahead condition\n    " +
           model.go_ahead + "\nis true, then\n    " + model.result + " = " + model.argument1 + " " +
           model.operation + " " + model.argument2 + "\nIt follows: \n    " + model.result + " = " +
           format_real(value) + "\n\n";
}

std::string bases_with_models() {
    const std::string forward = bases_lines("MOboiler.EEB");
    return "Backward chaining for Rule Base RUboiler.EEB" +
           forward.substr(std::string("Forward chaining for Rule Base RUboiler.EEB").size());
}

class BackwardModels : public ForwardRun {
  protected:
    // The Model Base MOboiler.EEB with its derived and joint askable lists,
    // as after loading it (the Rule Base first).
    void model_base(std::vector<ModelB> models) {
        state.kb.model.basic = std::move(models);
        state.kb.model.name = BaseName{"MOboiler.EEB", tree.path("BASES/MOboiler.EEB").string()};
        rebuild_model_lists(state.kb.model, state.askables);
        ScriptedDialogs quiet;
        model_base_askables(state, quiet);
    }

    bool run_backward(std::initializer_list<std::string> answers) {
        ui.answer(answers);
        return backward_chaining(state, ui);
    }

    // The main hypothesis "overheated" is concluded by a relational model
    // only; the temperature is asked.
    void overheating_bases() {
        rule_base({rule(1, "alarm", {"pressure high"})});
        model_base({basic(1, "No condition", "overheated", "t", ">", "100")});
    }
};

// The first "Message" dialogue with this heading.
std::optional<MessageList> shown(const ScriptedDialogs& ui, const std::string& heading) {
    for (const auto& message : ui.messages) {
        if (message.heading == heading) {
            return message;
        }
    }
    return std::nullopt;
}

struct OutcomeCase {
    std::string type;
    std::string temperature;
    bool verified;
    std::string verdict; // from the verdict to the end of the run
    Note final_note;
};

TEST_F(BackwardModels, AHypothesisOfARelationalModelIsSettledByTheModelAfterTheRules) {
    const std::string values = values_heading + "    t=120\n    100=100\n\n\n";
    const std::string derived = "This is all that has been derived from the Knowledge Base BOILER\n"
                                "from declared facts and argument values\n"
                                "while successfully backward chaining for hypothesis:\noverheated";
    const std::vector<OutcomeCase> cases{
        {narrow,
         "120",
         true,
         "The narrow-sense hypothesis:\n  overheated\n is true for the knowledge base BOILER,\n"
         "declared facts and argument values.\n\n" +
             facts_heading + "overheated\n\n" + values + derived,
         {"End of backward chaining",
          "This is all that has been derived \nfrom the Knowledge Base\n   BOILER,\nfrom "
          "declared facts and argument values\nwhile successfully backward chaining for "
          "\nhypothesis\n   overheated"}},
        {wide,
         "120",
         true,
         "The wide-sense hypothesis:\n  overheated\nis true for the knowledge base BOILER,\n"
         "declared facts and argument values.\n\n" +
             facts_heading + "overheated\n\n" + values + derived,
         {"End of backward chaining",
          "This is all that has been derived from the Knowledge Base  BOILER\nfrom declared "
          "facts and argument values\nwhile successfully backward chaining for hypothesis\n"
          "    overheated"}},
        // A relation that does not hold leaves the conclusion unknown.
        {narrow,
         "80",
         false,
         "The hypothesis: overheated\nis not instantiated for the knowledge base  BOILER "
         "declared facts and declared argument values.\n" +
             facts_heading + "\n" + values_heading + "    t=80\n    100=100\n\n\n" +
             "Thats all that has been inferred from Knowledge Base BOILER\nfrom declared facts "
             "and argument values while unsuccessfully backward chaining for hypothesis\n"
             "   overheated.",
         {"End of backward chaining",
          "Thats all that has been inferred from Knowledge Base\n     BOILER\nfrom declared "
          "facts and argument values\nwhile unsuccessfully backward chaining for hypothesis\n"
          "     overheated"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.type + " " + c.temperature);
        ui.window.clear();
        ui.notes.clear();
        ui.messages.clear();
        overheating_bases();
        ui.answer({low, decline, c.type, "2", c.temperature, decline});
        if (c.verified) {
            ui.answer({decline}); // the chaining summary
        }
        EXPECT_EQ(backward_chaining(state, ui), c.verified);

        const std::string type_word = c.type == narrow ? "narrow" : "wide";
        const std::string announced = bases_with_models() + "The " + type_word +
                                      "-sense hypothesis:   \n  overheated\nis tested\n\n";
        const std::string asked = "Declare value of argument:t\nt=" + c.temperature + "\n\n";
        const std::string fired =
            c.verified ? "The main hypothesis overheated is verified.\n" +
                             relational_explanation(state.kb.model.basic[0], 120, 100)
                       : "";
        EXPECT_EQ(state.report.text, announced + asked + fired + c.verdict);
        EXPECT_EQ(ui.window,
                  announced + "prawda = No condition\n" + asked + fired + c.verdict + report_offer);
        EXPECT_EQ(ui.notes.back(), c.final_note);
        EXPECT_TRUE(ui.answers.empty());
        EXPECT_FALSE(state.memory.nieprawda.contains("overheated"));
        const auto result = shown(ui, "Result of backward chaining");
        ASSERT_TRUE(result);
        if (c.verified) {
            EXPECT_EQ(state.memory.model_stosowany, std::vector<int>{1});
            EXPECT_EQ(result->lines.back(), "on the strength of rule 1.");
        }
    }
}

TEST_F(BackwardModels, ARuleConditionIsConcludedByARelationalModelOverAComputedArgument) {
    // overheated <- t > 100, t = a * 2, and the user declares a.
    rule_base({rule(1, "alarm", {"overheated"})});
    model_base({basic(1, "No condition", "overheated", "t", ">", "100"),
                basic(2, "No condition", "t", "a", "*", "2")});
    EXPECT_TRUE(run_backward({low, decline, narrow, "1", "60", decline, decline}));

    const auto& models = state.kb.model.basic;
    const std::string chain =
        "Declare value of argument:a\na=60\n\n" + arithmetical_explanation(models[1], 120) +
        "The auxiliary hypothesis overheated is tested.\n" +
        relational_explanation(models[0], 120, 100) + "The main hypothesis alarm is verified.\n" +
        explanation(1, "alarm", {"overheated"});
    EXPECT_NE(state.report.text.find("is tested\n\n" + chain + "The narrow-sense hypothesis:"),
              std::string::npos)
        << state.report.text;
    EXPECT_EQ(std::count(ui.log.begin(), ui.log.end(), "argument_value: a"), 1);
    EXPECT_EQ(state.memory.prawda.items(), (Names{"No condition", "overheated", "alarm"}));
    EXPECT_EQ(state.memory.model_stosowany, (std::vector<int>{2, 1}));
    EXPECT_EQ(state.memory.zmienna_ustalona.items(),
              (std::vector<std::pair<std::string, double>>{
                  {"a", 60}, {"2", 2}, {"t", 120}, {"100", 100}}));
}

TEST_F(BackwardModels, WhyForAGoAheadConditionExplainsItsModelAndTheChainOfModels) {
    // The first model computes t (quietly) but its relation fails; the second
    // needs the askable go-ahead condition "boiler on".
    rule_base({rule(1, "alarm", {"boiler on"})});
    model_base({basic(1, "No condition", "overheated", "t", ">", "1000"),
                basic(2, "boiler on", "overheated", "t", ">", "100"),
                basic(3, "No condition", "t", "a", "*", "2", 0)});
    EXPECT_TRUE(run_backward({low, decline, narrow, "2", "60", why, "y", decline, decline}));

    const ModelB& asked_for = state.kb.model.basic[1];
    const std::string why_answer = "boiler on?    WHY?" +
                                   relational_explanation(asked_for, 120, 100) + facts_heading +
                                   "\n\nFrom model  3 may be deduced: t.\n\n" + "    boiler on?" +
                                   std::string(17, ' ') + "    YES\n\n";
    EXPECT_NE(state.report.text.find("Declare value of argument:a\na=60\n\n" + why_answer +
                                     "The main hypothesis overheated is verified.\n" +
                                     relational_explanation(asked_for, 120, 100) +
                                     "The narrow-sense hypothesis:"),
              std::string::npos)
        << state.report.text;
    const std::vector<std::string> expected_log{
        "argument_value: a",
        "ask: Is the condition true? | boiler on?",
        "message_list: Basic relational model explanation",
        "message_list: Following facts have been determined:",
        "message_list: From rule/rules may be deduced:",
        "message_list: From model/models may be deduced:",
        "yes_no: Choose: | boiler on?",
        "note: Main hypothesis | The main hypothesis \n    overheated\nis tested.",
    };
    const auto first = std::find(ui.log.begin(), ui.log.end(), expected_log.front());
    ASSERT_GE(ui.log.end() - first, static_cast<std::ptrdiff_t>(expected_log.size()));
    EXPECT_EQ(std::vector<std::string>(first, first + std::ssize(expected_log)), expected_log);
    EXPECT_NE(std::find(ui.messages.begin(), ui.messages.end(),
                        MessageList{"From model/models may be deduced:",
                                    {"From model 3 may be deduced: t. "}}),
              ui.messages.end());
    EXPECT_EQ(state.memory.prawda.items(), (Names{"No condition", "boiler on", "overheated"}));
    EXPECT_EQ(state.report.detail, DetailLevel::High) << "the verdict sets the high level";
}

TEST_F(BackwardModels, WhyPrefersAnArithmeticalModelAndShowsAnUnknownValueAsZero) {
    // Both models go ahead on "boiler on"; the arithmetical one is explained,
    // with 0 for the value of t that is not computed yet.
    rule_base({rule(1, "alarm", {"boiler on"})});
    model_base({basic(1, "boiler on", "overheated", "t", ">", "100"),
                basic(2, "boiler on", "t", "a", "*", "2")});
    EXPECT_TRUE(run_backward({low, decline, narrow, "2", why, "y", "60", decline, decline}));

    const ModelB& computing = state.kb.model.basic[1];
    EXPECT_NE(state.report.text.find("boiler on?    WHY?" + arithmetical_explanation(computing, 0) +
                                     facts_heading + "\n\n\n    boiler on?" + std::string(17, ' ') +
                                     "    YES\n\n" + "Declare value of argument:a\na=60\n\n" +
                                     arithmetical_explanation(computing, 120) +
                                     "The main hypothesis overheated is verified.\n"),
              std::string::npos)
        << state.report.text;
}

TEST_F(BackwardModels, AGoAheadConditionThatNeedsTheNameItselfEstablishesNothing) {
    // overheated goes ahead when hot; hot needs t, and t is computed only
    // when overheated holds: the search comes back to overheated and stops.
    rule_base({rule(1, "alarm", {"pressure high"})});
    model_base({basic(1, "hot", "overheated", "t", ">", "100"),
                basic(2, "No condition", "hot", "t", ">", "50"),
                basic(3, "overheated", "t", "a", "+", "1")});
    EXPECT_FALSE(run_backward({low, decline, wide, "3", decline}));
    EXPECT_EQ(state.memory.prawda.items(), (Names{"No condition"}));
    EXPECT_TRUE(state.memory.nieprawda.items().empty());
    EXPECT_TRUE(state.memory.model_stosowany.empty());
    EXPECT_EQ(std::count(ui.log.begin(), ui.log.end(), "argument_value: a"), 0);
    EXPECT_TRUE(ui.answers.empty());
}

} // namespace
} // namespace orve::test
