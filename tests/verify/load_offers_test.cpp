// The verification offers in the load sequences of the Rule and Constraint Bases.
#include "app/shell.hpp"
#include "support/scripted_dialogs.hpp"
#include "support/temp_tree.hpp"

#include <gtest/gtest.h>

namespace orve::test {
namespace {

class LoadOffers : public ::testing::Test {
  protected:
    TempTree tree;
    ScriptedDialogs ui;
    Shell shell{ui};

    void SetUp() override { shell.start(); }

    CommandResult load(int id, const std::string& file, const std::string& contents,
                       std::initializer_list<std::string> answers) {
        ui.answer({tree.write("kb/" + file, contents).string()});
        ui.answer(answers);
        ui.log.clear();
        return shell.run_command(id);
    }

    bool asked(const std::string& text) const {
        for (const auto& line : ui.log) {
            if (line.rfind("yes_no: Choose", 0) == 0 && line.find(text) != std::string::npos) {
                return true;
            }
        }
        return false;
    }
};

// Rule 3 needs both conditions of the constraint; rules 1 and 2 differ only in
// them.
const char* const kRules = "rule(1,\"k\",[\"a\",\"c\"],0)\n"
                           "rule(2,\"k\",[\"b\",\"c\"],0)\n"
                           "rule(3,\"m\",[\"a\",\"b\"],0)\n";
const char* const kConstraints = "constraint(1,[\"a\",\"b\"])\n";

TEST_F(LoadOffers, RedundancyIsOfferedAfterTheAskableConditions) {
    ASSERT_EQ(load(10062, "RUkb.EEB", kRules + std::string("rule(4,\"m\",[\"b\",\"a\",\"c\"],0)\n"),
                   {"n", "y"}),
              CommandResult::Completed);
    const std::string& window = ui.window;
    const auto askables = window.find("Askable conditions for rule base RUkb.EEB");
    const auto offer = window.find("The loaded rule base RUkb.EEB may be tested for redundancies.");
    const auto found = window.find(" The  Rule Base  RUkb.EEB contains  redundant rules of type "
                                   "REE1.");
    ASSERT_NE(found, std::string::npos);
    EXPECT_LT(askables, offer);
    EXPECT_LT(offer, found);
    EXPECT_EQ(shell.state().findings.reguly_nadmiarowe_n1,
              (std::vector<std::pair<int, int>>{{3, 4}}));
    EXPECT_TRUE(shell.state().commands.enabled(10072));
}

TEST_F(LoadOffers, DeclinedRedundancyLeavesNoFindings) {
    ASSERT_EQ(load(10062, "RUkb.EEB", kRules, {"n", "n"}), CommandResult::Completed);
    EXPECT_TRUE(asked("for redundancies?"));
    EXPECT_FALSE(shell.state().findings.jest_nadmiar);
    EXPECT_FALSE(shell.state().commands.enabled(10072));
}

TEST_F(LoadOffers, JointFindingsFailTheConstraintBaseLoading) {
    ASSERT_EQ(load(10062, "RUkb.EEB", kRules, {"n", "n"}), CommandResult::Completed);

    // An inconsistency ends the sequence before the redundancy offer.
    EXPECT_EQ(load(10090, "COkb.EEB", kConstraints, {"y"}), CommandResult::Failed);
    EXPECT_TRUE(asked("Do you wish to test for joint inconsistencies?"));
    EXPECT_FALSE(asked("for joint redundancies?"));
    EXPECT_TRUE(shell.state().commands.enabled(10097));
    EXPECT_EQ(shell.state().findings.sprzecznosc_2_wszystko.size(), 1U);

    EXPECT_EQ(load(10090, "COkb.EEB", kConstraints, {"n", "y"}), CommandResult::Failed);
    EXPECT_TRUE(shell.state().findings.sprzecznosc_2_wszystko.empty())
        << "a new load forgets the findings of the last one";
    EXPECT_TRUE(shell.state().commands.enabled(10098));
    EXPECT_EQ(shell.state().findings.reguly_nadmiarowe_n2.size(), 1U);

    EXPECT_EQ(load(10090, "COkb.EEB", kConstraints, {"n", "n"}), CommandResult::Completed);
    EXPECT_TRUE(shell.state().findings.reguly_nadmiarowe_n2.empty());
    EXPECT_TRUE(shell.state().kb.constraint.name);
}

} // namespace
} // namespace orve::test
