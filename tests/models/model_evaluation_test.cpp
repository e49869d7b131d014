#include "models/erroneous_data.hpp"
#include "models/model_evaluation.hpp"
#include "support/scripted_dialogs.hpp"

#include <gtest/gtest.h>

namespace orve {
namespace {

ModelB basic(int number, std::string go, std::string result, std::string a, std::string op,
             std::string b) {
    return {number, std::move(go), std::move(result), std::move(a), std::move(op), std::move(b), 1};
}

class Evaluation : public ::testing::Test {
  protected:
    KnowledgeBaseSet kb;
    WorkingMemory memory;
    ReportBuffer report;
    test::ScriptedDialogs ui;
    ReportWriter out{report, ui};
    std::vector<int> explained;

    EvaluationContext context() {
        EvaluationContext c{kb, memory, out, {}, {}};
        c.hooks.on_applied = [this](const AppliedModel& m) {
            explained.push_back(m.number);
            return true;
        };
        return c;
    }
    std::optional<double> evaluate(const std::string& name) {
        auto c = context();
        return oblicz(name, c);
    }
    std::vector<std::pair<std::string, double>> fixed() const {
        return memory.zmienna_ustalona.items();
    }
};

TEST_F(Evaluation, AsksForAnUnknownArgumentAndRecordsLiterals) {
    kb.model.basic = {basic(1, "No condition", "area", "w", "*", "2.5")};
    ui.answer({" 4"});
    EXPECT_EQ(evaluate("area"), 10.0);
    EXPECT_EQ(fixed(), (std::vector<std::pair<std::string, double>>{
                           {"w", 4.0}, {"2.5", 2.5}, {"area", 10.0}}));
    EXPECT_EQ(memory.model_stosowany, std::vector<int>{1});
    EXPECT_EQ(explained, std::vector<int>{1});
    EXPECT_EQ(ui.window, "Declare value of argument:w\nw=4\n\n");
    EXPECT_EQ(report.text, ui.window);
    // Known now: neither asked nor applied again.
    EXPECT_EQ(evaluate("area"), 10.0);
    EXPECT_EQ(memory.model_stosowany, std::vector<int>{1});
}

TEST_F(Evaluation, ATypedTextThatIsNoNumberFails) {
    ui.answer({"four"});
    EXPECT_EQ(evaluate("w"), std::nullopt);
    EXPECT_TRUE(fixed().empty());
}

TEST_F(Evaluation, ErroneousDeclaredDataFailsTheAnswer) {
    ui.answer({"-3"});
    auto c = context();
    c.hooks.check_declared_data = [this] {
        memory.zmienna_ustalona.erase("w");
        return false;
    };
    EXPECT_EQ(oblicz("w", c), std::nullopt);
    EXPECT_TRUE(fixed().empty());
}

TEST_F(Evaluation, TheFirstApplicableModelWins) {
    kb.model.basic = {basic(1, "cold", "x", "1", "+", "1"),
                      basic(2, "No condition", "x", "2", "*", "5"),
                      basic(3, "No condition", "x", "3", "+", "0")};
    EXPECT_EQ(evaluate("x"), 10.0);
    EXPECT_EQ(memory.model_stosowany, std::vector<int>{2});
}

TEST_F(Evaluation, GoAheadConditions) {
    memory.prawda.add("warm");
    memory.nieprawda.add("cold");
    std::vector<std::string> resolved;
    auto c = context();
    EXPECT_TRUE(sprawdz("No condition", c));
    EXPECT_TRUE(sprawdz("warm", c));
    EXPECT_FALSE(sprawdz("cold", c));
    EXPECT_FALSE(sprawdz("windy", c)); // nobody to ask
    c.hooks.resolve_condition = [&](const std::string& name) {
        resolved.push_back(name);
        return true;
    };
    EXPECT_FALSE(sprawdz("cold", c));
    EXPECT_TRUE(sprawdz("windy", c));
    EXPECT_EQ(resolved, std::vector<std::string>{"windy"});
}

TEST_F(Evaluation, AFailingOperationEndsTheNameWithANote) {
    kb.model.basic = {basic(7, "No condition", "q", "5", "div", "0.3"),
                      basic(8, "No condition", "q", "1", "+", "1")};
    EXPECT_EQ(evaluate("q"), std::nullopt);
    EXPECT_EQ(memory.zmienna_ustalona.find("q"), nullptr);
    EXPECT_TRUE(memory.model_stosowany.empty());
    EXPECT_EQ(ui.notes,
              (std::vector<test::Note>{
                  {"Attention!", "Model 7 cannot be applied:\ndivision by 0 in \"div\"."}}));
}

TEST_F(Evaluation, AModelWhoseExplanationRefusesIsNotApplied) {
    // A refused basic model decides its name; a refused list model gives way
    // to the next model.
    kb.model.basic = {basic(1, "No condition", "v", "1", "+", "1"),
                      basic(2, "No condition", "v", "2", "+", "2")};
    kb.model.extended = {{3, "No condition", "s", "+", {"1"}, 1},
                         {4, "No condition", "s", "*", {"5"}, 1}};
    auto c = context();
    c.hooks.on_applied = [](const AppliedModel& m) { return m.number != 1 && m.number != 3; };
    EXPECT_EQ(oblicz("v", c), std::nullopt);
    EXPECT_EQ(oblicz("s", c), 5.0);
    EXPECT_EQ(memory.model_stosowany, std::vector<int>{4});
    EXPECT_EQ(memory.zmienna_ustalona.find("v"), nullptr);
}

TEST_F(Evaluation, ANameNeededForItselfFails) {
    kb.model.basic = {basic(1, "No condition", "a", "b", "+", "1"),
                      basic(2, "No condition", "b", "a", "+", "1")};
    kb.model.extended = {{3, "No condition", "c", "+", {"1", "c"}, 1}};
    EXPECT_EQ(evaluate("a"), std::nullopt);
    EXPECT_EQ(evaluate("c"), std::nullopt);
    EXPECT_TRUE(ui.log.empty()); // nothing asked
    EXPECT_TRUE(memory.model_stosowany.empty());
}

TEST_F(Evaluation, CountsTheConditionsOfARule) {
    kb.rule.rules = {{3, "hot", {"fire", "wood"}, 0}};
    kb.model.basic = {basic(4, "No condition", "n", "3", "number_of_rule_conditions", "0")};
    EXPECT_EQ(evaluate("n"), 2.0);
    EXPECT_EQ(memory.model_stosowany, std::vector<int>{4});
}

TEST_F(Evaluation, ListModelsWriteALineBreakAndRecordTheirResult) {
    kb.model.extended = {{1, "No condition", "s", "max_list", {"1", "7", "3"}, 1},
                         {2, "No condition", "t", "<,<", {"1", "7", "3"}, 1}};
    kb.model.linear = {{3, "No condition", "l", {"2", "s"}, {"10", "1"}, 1}};
    kb.model.polynomial = {{4, "No condition", "p", "l", {"1", "0", "1"}, {0, -1, 2}, 1}};
    EXPECT_EQ(evaluate("p"), 1.0 + 27.0 * 27.0);
    EXPECT_EQ(memory.model_stosowany, (std::vector<int>{1, 3, 4}));
    EXPECT_EQ(ui.window, "\n\n\n");
    EXPECT_EQ(evaluate("t"), std::nullopt); // a relation yields no value
}

TEST_F(Evaluation, ErroneousDataModelsRemoveTheDeclaredValue) {
    kb.model.basic = {basic(1, "No condition", "Error in data", "w", "<", "0")};
    kb.model.extended = {{2, "No condition", "Error in data", "<=,<=", {"-1e9", "t", "-1"}, 1}};
    auto c = context();
    c.hooks.check_declared_data = [&c] { return szukanie_blednych_danych(c); };
    ui.answer({"5", "-3"});
    // Checking w evaluates every argument of the checks, so t is asked too,
    // and its value fires the second check.
    EXPECT_EQ(oblicz("w", c), 5.0);
    EXPECT_EQ(fixed(),
              (std::vector<std::pair<std::string, double>>{{"w", 5.0}, {"0", 0.0}, {"-1", -1.0}}));
    EXPECT_EQ(memory.prawda.items(), std::vector<std::string>{"Error in data"});
    EXPECT_EQ(memory.model_stosowany, std::vector<int>{2});
    EXPECT_EQ(explained, std::vector<int>{2});
    EXPECT_EQ(ui.notes, (std::vector<test::Note>{
                            {"Error in data!", "Erroneous data is removed. Continue chaining and "
                                               "declare corrected data when asked."}}));
    // Asked again the next time, now without the check that fired.
    ui.answer({"-3"});
    EXPECT_EQ(oblicz("t", c), -3.0);
}

} // namespace
} // namespace orve
