// Model Bases whose models form one long chain, loaded and chained end to end:
// loading tests them for inconsistencies, and chaining goes down the whole
// chain, without a call stack as deep as the chain.
#include "app/shell.hpp"
#include "support/scripted_dialogs.hpp"
#include "support/temp_tree.hpp"

#include <string>

#include <gtest/gtest.h>

namespace orve::test {
namespace {

constexpr int kLoadRuleBase = 10062;
constexpr int kLoadModelBase = 10074;
constexpr int kForwardChaining = 10154;
constexpr int kBackwardChaining = 10155;

const std::string low = "1";
const std::string decline = "2";
const std::string narrow = "1";
const std::string first = "1";
const std::string query = "2";
const std::string no = "2";

std::string quoted(const std::string& text) {
    return "\"" + text + "\"";
}

// Relational models, each needing the previous one's conclusion as its
// go-ahead condition; the last concludes "alarm". All compare the asked "t".
std::string relational_chain(int length) {
    std::string text;
    for (int i = 1; i <= length; ++i) {
        const std::string go_ahead = i == 1 ? "No condition" : "c" + std::to_string(i - 1);
        const std::string conclusion = i == length ? "alarm" : "c" + std::to_string(i);
        text += "model_b(" + std::to_string(i) + "," + quoted(go_ahead) + "," + quoted(conclusion) +
                ",\"t\",\">\",\"0\",0)\n";
    }
    return text;
}

// Arithmetical models y1 = y0 + 1 ... each needing the next one's result,
// listed from the last result down, and one relational model on the last.
std::string arithmetical_chain(int length) {
    std::string text =
        "model_b(1,\"No condition\",\"alarm\",\"y" + std::to_string(length) + "\",\">\",\"0\",0)\n";
    for (int i = length; i >= 1; --i) {
        text += "model_b(" + std::to_string(i + 1) + ",\"No condition\",\"y" + std::to_string(i) +
                "\",\"y" + std::to_string(i - 1) + "\",\"+\",\"1\",0)\n";
    }
    return text;
}

class LongModelChain : public ::testing::Test {
  protected:
    TempTree tree;
    ScriptedDialogs ui;
    Shell shell{ui};

    void SetUp() override {
        shell.start();
        tree.write("BASES/RUkb.EEB", "rule(1,\"bell\",[\"ring\",\"noise\"],0)\n");
        // Both offers declined.
        ui.answer({tree.path("BASES/RUkb.EEB").string(), "n", "n"});
        ASSERT_EQ(shell.run_command(kLoadRuleBase), CommandResult::Completed);
        ASSERT_TRUE(ui.answers.empty());
    }

    // Loads the Model Base; true when it passed every test.
    bool load(const std::string& contents) {
        tree.write("BASES/MOkb.EEB", contents);
        ui.answer({tree.path("BASES/MOkb.EEB").string()});
        ui.window.clear();
        const auto r = shell.run_command(kLoadModelBase);
        return r == CommandResult::Completed &&
               ui.window.find("has no  inconsistencies!") != std::string::npos &&
               ui.window.find("have no  joint inconsistencies!") != std::string::npos;
    }

    // Runs a chaining command answering the questions in order; true when the
    // run established "alarm" by model 1 or by the last model of the chain.
    bool chain(int command, std::initializer_list<std::string> answers) {
        ui.answer(answers);
        ui.window.clear();
        shell.run_command(command);
        return ui.answers.empty() && ui.window.find("alarm") != std::string::npos;
    }
};

TEST_F(LongModelChain, BackwardChainingGoesDownTwentyThousandRelationalModels) {
    constexpr int length = 20000;
    ASSERT_TRUE(load(relational_chain(length)));
    // "alarm" is the first narrow-sense hypothesis; "t" is asked once, by the
    // model at the bottom of the chain.
    ASSERT_TRUE(chain(kBackwardChaining, {low, decline, narrow, first, "5", decline, decline}));
    EXPECT_NE(ui.window.find("The main hypothesis alarm is verified."), std::string::npos);
    EXPECT_NE(ui.window.find("The auxiliary hypothesis c1 is tested."), std::string::npos);
    EXPECT_NE(ui.window.find("The auxiliary hypothesis c19999 is tested."), std::string::npos);
}

TEST_F(LongModelChain, TwentyThousandArithmeticalModelsAreEvaluatedBothWays) {
    constexpr int length = 20000;
    ASSERT_TRUE(load(arithmetical_chain(length)));
    const std::string y_last = "y" + std::to_string(length) + "=" + std::to_string(length + 2);
    // Forward: "ring" of the rule is asked first; then the first model needs
    // the last result, which needs the whole chain down to "y0".
    ASSERT_TRUE(chain(kForwardChaining, {low, decline, query, no, "2", decline, decline}));
    EXPECT_NE(ui.window.find(y_last), std::string::npos);
    // Backward: the relational model concluding "alarm" needs the same.
    ASSERT_TRUE(chain(kBackwardChaining, {low, decline, narrow, first, "2", decline, decline}));
    EXPECT_NE(ui.window.find("The main hypothesis alarm is verified."), std::string::npos);
    EXPECT_NE(ui.window.find(y_last), std::string::npos);
}

TEST_F(LongModelChain, ACycleClosingALongChainIsFoundForEveryModelOnIt) {
    // z1 = z300 + 1, z2 = z1 + 1 ... z300 = z299 + 1 beside a chain of
    // 20,000 models free of cycles.
    constexpr int cycle = 300;
    std::string text = arithmetical_chain(20000);
    for (int i = 1; i <= cycle; ++i) {
        text += "model_b(" + std::to_string(30000 + i) + ",\"No condition\",\"z" +
                std::to_string(i) + "\",\"z" + std::to_string(i == 1 ? cycle : i - 1) +
                "\",\"+\",\"1\",0)\n";
    }
    EXPECT_FALSE(load(text));
    ui.window.clear();
    ui.answer({decline});
    ASSERT_EQ(shell.run_command(10087), CommandResult::Completed);
    // Every model of the cycle, each with the whole cycle as its chain.
    EXPECT_NE(ui.window.find(" The result 'z1' of model 30001\n"), std::string::npos);
    EXPECT_NE(ui.window.find(" The result 'z300' of model 30300\n"), std::string::npos);
    EXPECT_NE(ui.window.find("      30002 ==> 30003 ==> 30004 ==> "), std::string::npos);
    EXPECT_EQ(ui.window.find(" The result 'y"), std::string::npos);
}

} // namespace
} // namespace orve::test
