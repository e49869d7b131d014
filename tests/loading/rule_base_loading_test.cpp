// Rule Base loading: the whole sequence with its follow-up steps and refusals.
#include "app/shell.hpp"
#include "support/scripted_dialogs.hpp"
#include "support/temp_tree.hpp"

#include <gtest/gtest.h>

namespace orve::test {
namespace {

const char* const kBoilerRules = "rule(1,\"pump on\",[\"pressure low\",\"valve open\"],0)\n"
                                 "rem_rule(\"the alarm needs the pump\")\n"
                                 "rule(2,\"alarm\",[\"pump on\",\"noise\"],0)\n"
                                 "_rule(9,\"never\",[\"noise\"],0)\n"
                                 "rule(3,\"end\",[\"alarm\"],0)\n"
                                 "fact(\"noise\")\n";

const char* const kOfferLines =
    "The loaded rule base RUkb.EEB may be tested for external inconsistencies.\n"
    "This test may take a lot of time for large and heavily nested rule bases. \n\n"
    "This test should be used while developing or modifying rule bases.\n"
    "For routine uses of the rule base the test should be bypassed.\n"
    "Remember that external inconsistencies may break down the chaining process.\n";

class RuleBaseLoading : public ::testing::Test {
  protected:
    TempTree tree;
    ScriptedDialogs ui;
    Shell shell{ui};
    void SetUp() override { shell.start(); }

    CommandResult load(const std::string& contents, std::initializer_list<std::string> answers) {
        const auto file = tree.write("BASES/RUkb.EEB", contents);
        ui.answer({file.string()});
        ui.answer(answers);
        return shell.run_command(10062);
    }
};

TEST_F(RuleBaseLoading, WritesTheLoadedMessagesAndRunsTheFollowUpsInOrder) {
    ASSERT_EQ(load(kBoilerRules, {"n", "n", "n"}), CommandResult::Completed);

    EXPECT_EQ(ui.window, std::string("Rule base  RUkb.EEB\nhas been loaded!\n") + kOfferLines +
                             "\n\nAskable conditions for rule base RUkb.EEB with no taking into "
                             "account the model base:\nnoise\npressure low\nvalve open\n\n\n"
                             "The loaded rule base RUkb.EEB may be tested for redundancies.\n"
                             "This test may take a lot of time for large and heavily nested rule "
                             "bases. \n\n"
                             "This test should be used while developing or modifying rule "
                             "bases.\n"
                             "For routine uses of the rule base the test should be bypassed.\n\n"
                             "The Rule Base RUkb.EEB\n"
                             "contains at least one rule with a single condition.\n"
                             "For exact rule bases such a rule may often be a tautology\n"
                             "that simply exchanges one name (for the single condition)\n"
                             "by another name (for the conclusion), while contributing\n"
                             "nothing of logical substance and making the rule base less\n"
                             "transparent and readable.\n");
    ASSERT_EQ(ui.notes.size(), 1U);
    EXPECT_EQ(ui.notes[0], (Note{"Successful  loading of Rule Base",
                                 "Elementary Exact Rule Base\n    RUkb.EEB\nhas been loaded!"}));
    EXPECT_EQ(ui.main_title, "orve_EE consults Knowledge Base KB");

    const AppState& state = shell.state();
    EXPECT_EQ(state.kb.rule.name->name, "RUkb.EEB");
    EXPECT_EQ(state.kb.rule.name->full_path, tree.path("BASES/RUkb.EEB").string());
    EXPECT_EQ(state.wyroznik, "kb");
    EXPECT_EQ(state.rozszerzenie, ".EEB");
    EXPECT_EQ(state.opis, "../ABSTRACTS/kb.abs");
    EXPECT_EQ(state.kb.rule.rules.size(), 3U);
    EXPECT_EQ(std::filesystem::current_path(), tree.path("BASES"));
    EXPECT_FALSE(state.findings.sprzecznosc_1z) << "declined test leaves no verdict";
    EXPECT_TRUE(state.commands.enabled(10154));
    EXPECT_FALSE(state.commands.enabled(10071));
}

TEST_F(RuleBaseLoading, SyntaxErrorShowsTheCaretAndTheRepairInstructions) {
    const std::string contents = "rule(1,\"a\",[\"b\",\"c\"],0)\n"
                                 "fact(\"b\")\n"
                                 "rule(3,\"x\",[\"b\"] 0)\n";
    ASSERT_EQ(load(contents, {}), CommandResult::Completed);

    const AppState& state = shell.state();
    EXPECT_FALSE(state.kb.rule.name);
    EXPECT_TRUE(state.blad);
    const std::string error_line = "rule(3,\"x\",[\"b\"] 0)";
    ASSERT_EQ(ui.notes.size(), 2U);
    EXPECT_EQ(ui.notes[0].title, "Exception handling");
    const std::string head =
        "Syntax error in file RUkb.EEB\n\n" + error_line + "\n" + std::string(17, ' ') + "\n";
    EXPECT_EQ(ui.notes[0].text, head + "',' or ')' expected (line 3, column 18)");
    EXPECT_EQ(ui.notes[1], (Note{"Error", "Enter 'Exact Rule Base', \nchoose option 'Rule Base "
                                          "Editing',\nchoose faulty base and remove error."}));
    const std::string caret =
        "Syntax error in file RUkb.EEB\n" + error_line + "\n" + std::string(17, ' ') + "^\n";
    EXPECT_EQ(ui.window.substr(0, caret.size()), caret);
    EXPECT_EQ(ui.window.substr(caret.size(), 41), "',' or ')' expected (line 3, column 18)\n\n");
    EXPECT_TRUE(state.kb.rule.rules.empty() && state.kb.rule.facts.empty());
    EXPECT_NE(ui.window.find("\n\nEnter 'Rule Base',\nchoose option 'Rule Base Editing', \n"
                             "choose faulty base and remove error.\n"),
              std::string::npos);
    EXPECT_EQ(ui.main_title, "orve_EE - Orve Shell for Elementary Exact Forward and Backward "
                             "Chaining ");
}

TEST_F(RuleBaseLoading, EmptyLinesAreReportedAsSuch) {
    ASSERT_EQ(load("rule(1,\"a\",[\"b\",\"c\"],0)\n\n", {}), CommandResult::Completed);
    EXPECT_FALSE(shell.state().kb.rule.name);
    EXPECT_EQ(ui.window, "Rule Base error while reading base. \n"
                         "Rule Base has empty lines!\n"
                         "Enter 'Rule Base',\n"
                         "choose option 'Rule Base Editing', \n"
                         "choose faulty base and remove empty lines.\n"
                         "which are often found at the end of the base.\n"
                         "Line 2 is empty.\n");
    ASSERT_EQ(ui.notes.size(), 1U);
    EXPECT_EQ(ui.notes[0].title, "Error");
    EXPECT_EQ(ui.notes[0].text,
              "Rule Base error while reading base. \nRule Base has empty lines!\nEnter 'Exact Rule "
              "Base',\nchoose option 'Rule Base Editing', \nchoose faulty base and remove empty "
              "lines.,\nwhich are often found at the end of the base..\n\nLine 2 is empty.");
    EXPECT_TRUE(shell.state().kb.rule.rules.empty()) << "a refused base fills no table";
}

TEST_F(RuleBaseLoading, ReadErrorsSayWhereAndNameTheLikelyCause) {
    const struct {
        std::string contents;
        std::string text;
    } cases[] = {
        {"rem_constraint(\"x\")\nconstraint(1,[\"a\",\"b\"])\n",
         "Unknown clause name 'rem_constraint' (line 1, column 1)\n"
         "The clause 'rem_constraint' belongs to a Constraint Base, not to a Rule Base."},
        {"fact(\"b\")\nrule(1,\"a\",[\"b\",\"c\",0)\n",
         "Missing ']' to close the list of argument 3 of 'rule' (line 2, column 20)"},
        {"fact(\"a\\nrule(2)\")\n",
         "Control character (byte 0x0A) in argument 1 of 'fact': names may not contain line "
         "breaks, tabs or other control characters (line 1, column 8)"},
    };
    for (const auto& c : cases) {
        ui.notes.clear();
        ASSERT_EQ(load(c.contents, {}), CommandResult::Completed);
        const AppState& state = shell.state();
        EXPECT_FALSE(state.kb.rule.name);
        EXPECT_TRUE(state.kb.rule.rules.empty() && state.kb.rule.facts.empty());
        ASSERT_EQ(ui.notes.size(), 2U);
        EXPECT_EQ(ui.notes[0].title, "Exception handling");
        EXPECT_TRUE(ui.notes[0].text.ends_with("\n" + c.text)) << ui.notes[0].text;
        EXPECT_NE(ui.window.find("^\n" + c.text + "\n\n"), std::string::npos) << ui.window;
    }
}

TEST_F(RuleBaseLoading, ByteOrderMarkIsSkipped) {
    ASSERT_EQ(load("\xEF\xBB\xBF" + std::string(kBoilerRules), {"n", "n", "n"}),
              CommandResult::Completed);
    EXPECT_TRUE(shell.state().kb.rule.name);
    EXPECT_EQ(shell.state().kb.rule.rules.size(), 3U);
}

TEST_F(RuleBaseLoading, BadFilesEndWithReadErrorsAndLeaveTheProgramUsable) {
    const std::string huge_line = "rule(1,\"" + std::string(1 << 20, 'x') + ",[\"b\",\"c\"],0)\n";
    const std::vector<std::string> bad_files = {
        std::string("\x7f"
                    "ELF\x02\x01\x01\0\0\0",
                    10),
        huge_line,
        "rule(1,\"never closed,[\"b\"],0)\n",
        "rule(2147483648,\"a\",[\"b\",\"c\"],0)\n",
        "rule(1,\"a\",[\"b\",",
        // good clauses before the error are read but never kept
        "rule(1,\"a\",[\"b\",\"c\"],0)\nfact(\"b\")\nrule(2,\"d\",[\"e\"]\n",
    };
    for (const auto& contents : bad_files) {
        ui.notes.clear();
        ASSERT_EQ(load(contents, {}), CommandResult::Completed);
        EXPECT_FALSE(shell.state().kb.rule.name);
        EXPECT_TRUE(shell.state().kb.rule.rules.empty());
        EXPECT_TRUE(shell.state().kb.rule.facts.empty());
        ASSERT_FALSE(ui.notes.empty());
        EXPECT_EQ(ui.notes[0].title, "Exception handling");
    }
    ASSERT_EQ(load(kBoilerRules, {"n", "n", "n"}), CommandResult::Completed);
    EXPECT_TRUE(shell.state().kb.rule.name);
    EXPECT_FALSE(shell.state().blad) << "a Rule Base load forgets earlier read errors";
}

TEST_F(RuleBaseLoading, FaultyFactsUnloadTheBase) {
    const std::string contents = "rule(1,\"a\",[\"b\",\"c\"],0)\nfact(\"a\")\nfact(\"b\")\n";
    ASSERT_EQ(load(contents, {"n", "n"}), CommandResult::Completed);
    const AppState& state = shell.state();
    EXPECT_FALSE(state.kb.rule.name);
    EXPECT_TRUE(state.kb.rule.rules.empty());
    EXPECT_TRUE(state.kb.rule.facts.empty());
    EXPECT_EQ(ui.notes.back().title, "Faulty facts in rule base");
    EXPECT_EQ(ui.main_title, "orve");
}

TEST_F(RuleBaseLoading, RepeatedRuleNumbersFailTheCommand) {
    const std::string contents = "rule(1,\"a\",[\"b\",\"c\"],0)\nrule(2,\"d\",[\"b\",\"c\"],0)\n"
                                 "rule(1,\"e\",[\"b\",\"c\"],0)\nrule(2,\"f\",[\"b\",\"c\"],0)\n";
    ASSERT_EQ(load(contents, {}), CommandResult::Failed);
    EXPECT_NE(ui.window.find("at least two rules having number 1."), std::string::npos);
    EXPECT_EQ(ui.notes.back().title, "Faulty Rule Base");
    EXPECT_FALSE(shell.state().commands.enabled(10154));
}

TEST_F(RuleBaseLoading, InconsistentBaseEndsTheSequenceAndBarsDependentBases) {
    // Rule 3 has a single condition and fact "k" is no askable condition: the
    // checks after the verdict would have spoken up if they had run.
    const std::string contents = "rule(1,\"k\",[\"c\",\"x\"],0)\nrule(2,\"c\",[\"k\",\"y\"],0)\n"
                                 "rule(3,\"z\",[\"x\"],0)\nfact(\"k\")\n";
    ASSERT_EQ(load(contents, {"y"}), CommandResult::Completed);
    const AppState& state = shell.state();
    EXPECT_TRUE(ui.answers.empty());
    EXPECT_TRUE(state.findings.externally_inconsistent());
    EXPECT_TRUE(state.commands.enabled(10071));
    EXPECT_EQ(ui.notes.back().title, "Information on inconsistency");
    EXPECT_EQ(ui.window.find("Askable conditions for rule base"), std::string::npos);
    EXPECT_EQ(ui.window.find("may be tested for redundancies"), std::string::npos);
    EXPECT_EQ(ui.window.find("single condition"), std::string::npos);
    EXPECT_EQ(ui.main_title, "orve");
    ASSERT_TRUE(state.kb.rule.name) << "the base stays loaded for editing and diagnosis";
    EXPECT_EQ(state.kb.rule.facts, (Names{"k"}));
    EXPECT_EQ(state.askables.lista_warunkow_dopytywalnych, (Names{"x", "y"}));

    for (const int id : {10074, 10090, 10100, 10112, 10123}) {
        ui.log.clear();
        EXPECT_EQ(shell.run_command(id), CommandResult::Failed) << id;
        EXPECT_TRUE(ui.log.empty()) << "a blocked load asks nothing";
    }
}

TEST_F(RuleBaseLoading, UnreadableFileIsReportedPlainly) {
    ui.answer({tree.path("BASES/RUmissing.EEB").string()});
    EXPECT_EQ(shell.run_command(10062), CommandResult::Completed);
    ASSERT_EQ(ui.notes.size(), 1U);
    EXPECT_EQ(ui.notes[0].title, "Attention error!");
    EXPECT_TRUE(ui.notes[0].text.ends_with("RUmissing.EEB\ncannot be read.\n"
                                           "No such file or directory."))
        << ui.notes[0].text;
    EXPECT_EQ(ui.window.find("empty lines"), std::string::npos);
    EXPECT_FALSE(shell.state().kb.rule.name);
}

} // namespace
} // namespace orve::test
