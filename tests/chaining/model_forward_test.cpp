// Models in the forward chaining loop: their explanations, the display
// semaphor, the rating of relational conclusions and erroneous declared data.
#include "chaining/chaining_loop.hpp"
#include "forward_fixture.hpp"
#include "models/model_lists.hpp"

namespace orve::test {
namespace {

ModelB basic(int number, std::string go, std::string result, std::string a, std::string op,
             std::string b, int semaphor = 1) {
    return {number,        std::move(go), std::move(result), std::move(a),
            std::move(op), std::move(b),  semaphor};
}

ModelBase with_basic(std::vector<ModelB> models) {
    ModelBase base;
    base.basic = std::move(models);
    return base;
}

// A loop over bases loaded as base loading leaves them, at the low level of
// detail, with "No condition" true as at the start of a run.
class ModelLoop : public ::testing::Test {
  protected:
    AppState state;
    ScriptedDialogs ui;

    void bases(std::vector<Rule> rules, ModelBase models) {
        state.kb.rule.rules = std::move(rules);
        state.kb.rule.name = BaseName{"RUboiler.EEB", "RUboiler.EEB"};
        state.kb.model = std::move(models);
        state.kb.model.name = BaseName{"MOboiler.EEB", "MOboiler.EEB"};
        ScriptedDialogs quiet;
        record_askable_conditions(state.kb.rule, "RUboiler.EEB", state.askables, quiet);
        rebuild_model_lists(state.kb.model, state.askables);
        model_base_askables(state, quiet);
        state.report.detail = DetailLevel::Low;
        state.memory.prawda.add("No condition");
    }
    void chain(std::initializer_list<std::string> answers) {
        ui.answer(answers);
        chaining_passes(state, ui);
    }
    std::optional<double> fixed(const std::string& name) const {
        const double* value = state.memory.zmienna_ustalona.find(name);
        return value == nullptr ? std::nullopt : std::optional{*value};
    }
};

// The explanation of an arithmetical model: the window text and the dialogue.
struct Explained {
    std::string window;
    MessageList message;
};

Explained arithmetical(const std::string& kind, const std::string& title, int number,
                       const Names& statement, const std::string& follows,
                       const std::string& go_ahead = "No condition") {
    const std::string resolved = kind + std::to_string(number) + " is resolved.";
    std::string window = "\n" + resolved + "\nThe model states: if the go_ahead condition\n    " +
                         go_ahead + "\nis true, then\n";
    Names lines{resolved, "The model states: if the go_ahead condition ", "    " + go_ahead,
                "is true, then "};
    for (const auto& line : statement) {
        window += line + "\n";
        lines.push_back(line);
    }
    lines.insert(lines.end(), {"It follows: ", follows});
    return {window + "It follows: \n" + follows + "\n\n", {title, lines}};
}

const std::string basic_kind = "The basic arithmetical model ";
const std::string basic_title = "Basic arithmetical model explanation";

TEST_F(ModelLoop, ABasicArithmeticalModelIsExplained) {
    bases({}, with_basic({basic(1, "No condition", "area", "w", "*", "2.5")}));
    chain({" 4"});
    EXPECT_EQ(ui.window, "Declare value of argument:w\n"
                         "w=4\n\n"
                         "\nThe basic arithmetical model 1 is resolved.\n"
                         "The model states: if the go_ahead condition\n"
                         "    No condition\n"
                         "is true, then\n"
                         "    area = w * 2.5\n"
                         "It follows: \n"
                         "    area = 10\n\n");
    EXPECT_EQ(state.report.text, ui.window);
    EXPECT_EQ(ui.messages,
              (std::vector<MessageList>{
                  {basic_title,
                   {"The basic arithmetical model 1 is resolved.",
                    "The model states: if the go_ahead condition ", "    No condition",
                    "is true, then ", "    area = w * 2.5", "It follows: ", "    area = 10"}}}));
    EXPECT_EQ(fixed("area"), 10.0);
    EXPECT_EQ(state.memory.model_stosowany, std::vector<int>{1});
}

TEST_F(ModelLoop, EveryArithmeticalFormHasItsStatement) {
    struct Case {
        std::string label;
        ModelBase models;
        Explained expected;
        bool list_model; // extended, linear and polynomial models write a line break first
    };
    ModelBase extended_sum;
    extended_sum.extended = {{6, "No condition", "s", "+", {"a", "b", "c"}, 1}};
    ModelBase extended_min;
    extended_min.extended = {{7, "No condition", "m", "min_list", {"a", "b", "c"}, 1}};
    ModelBase linear;
    linear.linear = {{8, "No condition", "l", {"2", "3"}, {"a", "b"}, 1}};
    ModelBase polynomial;
    polynomial.polynomial = {{9, "No condition", "q", "x", {"1", "2"}, {0, 2}, 1}};
    const std::string extended_kind = "The extended arithmetical model ";
    const std::string extended_title = "Extended arithmetical model explanation";
    const std::vector<Case> cases{
        {"one-argument function", with_basic({basic(2, "No condition", "r", "x", "sqrt", "0")}),
         arithmetical(basic_kind, basic_title, 2, {"    r = x"}, "    r = 3"), false},
        {"y = a - 0", with_basic({basic(3, "No condition", "y", "a", "-", "0")}),
         arithmetical(basic_kind, basic_title, 3, {"    y = a"}, "    y = 5"), false},
        {"round_to_N", with_basic({basic(4, "No condition", "p", "pi", "round_to_N", "2")}),
         arithmetical(basic_kind, basic_title, 4, {"    p = pi round_to_N 2"}, "    p = 3.14"),
         false},
        {"round_to_N 0", with_basic({basic(5, "No condition", "p", "pi", "round_to_N", "0")}),
         arithmetical(basic_kind, basic_title, 5, {"    p = pi round_to_N 0"}, "    p = 3"), false},
        {"extended +", extended_sum,
         arithmetical(extended_kind, extended_title, 6,
                      {"    s = ", "      a  +", "      b  +", "      c"}, "    s = 10"),
         true},
        {"min_list", extended_min,
         arithmetical(extended_kind, extended_title, 7,
                      {"    m = ", "      min_list  [\"a\",\"b\",\"c\"]"}, "    m = 2"),
         true},
        {"linear", linear,
         arithmetical("The linear model ", "Linear model explanation", 8,
                      {"    l = ", "      2 * a + ", "      3 * b"}, "    l = 16"),
         true},
        {"polynomial", polynomial,
         arithmetical("The polynomial model ", "Polynomial model explanation", 9,
                      {"    q = ", "      1 * x^0 + ", "      2 * x^2"}, "    q = 163"),
         true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        state = AppState{};
        ui = ScriptedDialogs{};
        bases({}, c.models);
        const std::vector<std::pair<std::string, double>> known{
            {"a", 5.0}, {"b", 2.0}, {"c", 3.0}, {"x", 9.0}, {"pi", 3.14159}};
        for (const auto& [name, value] : known) {
            state.memory.zmienna_ustalona.set(name, value);
        }
        chain({});
        EXPECT_EQ(ui.window, (c.list_model ? "\n" : "") + c.expected.window);
        EXPECT_EQ(ui.messages, std::vector<MessageList>{c.expected.message});
    }
}

TEST_F(ModelLoop, SemaphorZeroIsSilentAndAnyOtherRefusesTheModel) {
    // Model 1 refuses, so the loop goes on to model 2, which applies silently.
    bases({}, with_basic({basic(1, "No condition", "v", "a", "+", "1", 2),
                          basic(2, "No condition", "v", "a", "+", "2", 0)}));
    state.memory.zmienna_ustalona.set("a", 5.0);
    chain({});
    EXPECT_EQ(ui.window, "");
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(fixed("v"), 7.0);
    EXPECT_EQ(state.memory.model_stosowany, std::vector<int>{2});
}

const std::string overheated_explanation = "The basic relational model  8 is resolved.\n"
                                           "The model states: if the go_ahead condition \n"
                                           "    No condition\n"
                                           " is true, then follows\n"
                                           "    overheated\n"
                                           "provided that: \n"
                                           "    t > 100\n"
                                           "For  model 8 the relation: \n"
                                           "    120 > 100\n"
                                           "holds, therefore the conclusion: \n"
                                           "   overheated\n"
                                           "is true. ";

TEST_F(ModelLoop, RelationalConclusionsAreExplainedAndWakeTheRules) {
    ModelBase models = with_basic({basic(8, "No condition", "overheated", "t", ">", "100")});
    models.extended = {{9, "No condition", "normal", "<=,<", {"10", "t", "130"}, 1},
                       {10, "No condition", "cold", "<,<", {"-50", "t", "10"}, 1}};
    // The rule waits for the conclusion of model 8 and fires before model 9.
    bases({rule(1, "alarm", {"overheated"})}, models);
    chain({"120"});
    EXPECT_EQ(ui.window, "Declare value of argument:t\nt=120\n\n" + overheated_explanation +
                             explanation(1, "alarm", {"overheated"}) +
                             "The extended relational model 9 is resolved.\n"
                             "The model states: if the go_ahead condition \n"
                             "    No condition\n"
                             "is true, then follows\n"
                             "    normal\n"
                             "provided that:\n"
                             "    10 <= t < 130\n"
                             "For model  9 the relation: \n"
                             "    10 <= 120 < 130\n"
                             "holds, therefore the conclusion: \n"
                             "    normal\n"
                             "is true. \n");
    EXPECT_EQ(state.memory.prawda.items(),
              (Names{"No condition", "overheated", "alarm", "normal"}));
    EXPECT_TRUE(state.memory.nieprawda.items().empty()); // "cold" stays unknown
    EXPECT_EQ(state.memory.model_stosowany, (std::vector<int>{8, 9}));
    ASSERT_FALSE(ui.messages.empty());
    EXPECT_EQ(ui.messages.front().heading, "Basic relational model explanation");
    EXPECT_EQ(ui.messages.front().lines.back(), "is true. ");
    EXPECT_EQ(ui.messages.back().heading, "Extended relational model explanation");
    EXPECT_EQ(ui.messages.back().lines.size(), 12U);
}

TEST_F(ModelLoop, AtTheHighLevelFactsAndValuesPrecedeTheRelation) {
    bases({}, with_basic({basic(8, "No condition", "overheated", "t", ">", "100")}));
    state.report.detail = DetailLevel::High;
    state.memory.zmienna_ustalona.set("t", 120.0);
    chain({});
    EXPECT_EQ(ui.window, "\nFollowing facts have been determined:\n"
                         "Following values of arguments have been determined:\n"
                         "    t=120\n    100=100\n\n" +
                             overheated_explanation);
}

TEST_F(ModelLoop, TheRatingOfAConclusionIsAskedAndChecked) {
    // Model 20 uses the rating once model 8 has concluded.
    const ModelBase models =
        with_basic({basic(8, "No condition", "overheated", "t", ">", "100"),
                    basic(20, "overheated", "score", "rating_overheated", "*", "10")});
    const std::string asked = "Determine the rating for this relation on the scale 0 -10:"
                              "rating_overheated\nDetermine the rating:rating_overheated\n";
    const std::string declared = "Declare value of argument:rating_overheated\n"
                                 "rating_overheated=7\n\n";
    const Explained score =
        arithmetical(basic_kind, basic_title, 20, {"    score = rating_overheated * 10"},
                     "    score = 70", "overheated");
    struct Case {
        std::string label;
        std::vector<std::string> answers;
        std::string window_after_question;
        std::size_t messages; // the relational dialogue is shown again after a rating
    };
    const std::vector<Case> cases{{"in range", {"7"}, "rating_overheated=7\n\n", 3},
                                  {"out of range",
                                   {"12", "7"},
                                   "B\xB3\xB9"
                                   "d! Ocena musi by\xE6 zawarta w przedziale 0 - 10\n" +
                                       declared,
                                   2},
                                  {"not a number", {"seven", "7"}, declared, 2}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        state = AppState{};
        ui = ScriptedDialogs{};
        bases({}, models);
        state.memory.zmienna_ustalona.set("t", 120.0);
        ui.answers.assign(c.answers.begin(), c.answers.end());
        chaining_passes(state, ui);
        EXPECT_EQ(ui.window,
                  overheated_explanation + asked + c.window_after_question + score.window);
        EXPECT_EQ(ui.messages.size(), c.messages);
        EXPECT_EQ(ui.messages.back(), score.message);
        EXPECT_EQ(fixed("rating_overheated"), 7.0);
    }
}

TEST_F(ModelLoop, ADeclaredValueFoundErroneousIsRemovedAndAskedAgain) {
    ModelBase models = with_basic({basic(1, "No condition", "area", "w", "*", "2"),
                                   basic(2, "No condition", "Error in data", "w", "<", "0")});
    // A silent model that applies after the failed one keeps the run going,
    // and the rule waits for "Error in data".
    models.extended = {{3, "No condition", "k", "+", {"1", "2"}, 0}};
    bases({rule(1, "checked", {"Error in data"})}, models);
    chain({"-3", "4"});
    EXPECT_EQ(
        ui.window,
        "Declare value of argument:w\nw=-3\n\n"
        "The basic relational model  2 is resolved.\n"
        "The model states: if the go_ahead condition \n"
        "    No condition\n"
        " is true, then follows\n"
        "    Error in data\n"
        "provided that: \n"
        "    w < 0\n"
        "For  model 2 the relation: \n"
        "    -3 < 0\n"
        "holds, therefore the conclusion: \n"
        "   Error in data\n"
        "is true. \n" +
            explanation(1, "checked", {"Error in data"}) + "Declare value of argument:w\nw=4\n\n" +
            arithmetical(basic_kind, basic_title, 1, {"    area = w * 2"}, "    area = 8").window);
    EXPECT_EQ(ui.notes, (std::vector<Note>{{"Error in data!",
                                            "Erroneous data is removed. Continue chaining and "
                                            "input corrected data when asked."}}));
    EXPECT_EQ(fixed("w"), 4.0);
    EXPECT_EQ(state.memory.prawda.items(), (Names{"No condition", "Error in data", "checked"}));
    EXPECT_EQ(state.memory.model_stosowany, (std::vector<int>{2, 3, 1}));
}

} // namespace
} // namespace orve::test
