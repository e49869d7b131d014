// Start-up, command states, dispatch and closing of the main window.
#include "app/shell.hpp"
#include "support/scripted_dialogs.hpp"
#include "support/temp_tree.hpp"

#include <gtest/gtest.h>

namespace orve::test {
namespace {

class ShellTest : public ::testing::Test {
  protected:
    ScriptedDialogs ui;
    Shell shell{ui};
    void SetUp() override {
        shell.start();
        ui.log.clear();
    }
};

TEST_F(ShellTest, StartsWithTitleAndStartUpCommandStates) {
    EXPECT_EQ(ui.main_title,
              "orve_EE - Orve Shell for Elementary Exact Forward and Backward Chaining ");
    for (const int id : {10063, 10067, 10071, 10074, 10090, 10100, 10135, 10150, 10154, 10155}) {
        EXPECT_FALSE(shell.state().commands.enabled(id)) << id;
    }
    for (const int id : {10062, 10068, 10141, 10157, 10158, 10159, 10160}) {
        EXPECT_TRUE(shell.state().commands.enabled(id)) << id;
    }
    EXPECT_EQ(shell.run_command(10074), CommandResult::Disabled);
    EXPECT_EQ(shell.run_command(99999), CommandResult::Unknown);
}

TEST_F(ShellTest, CancelledRuleBaseDialogueStillEnablesItsCommands) {
    ui.answer({""});
    EXPECT_EQ(shell.run_command(10062), CommandResult::Completed);
    EXPECT_FALSE(shell.state().kb.rule.name);
    EXPECT_EQ(ui.main_title, "orve");
    for (const int id : {10063, 10065, 10066, 10067, 10135, 10136, 10074, 10090, 10100, 10112,
                         10123, 10154, 10155, 10150}) {
        EXPECT_TRUE(shell.state().commands.enabled(id)) << id;
        EXPECT_TRUE(ui.command_changes.at(id)) << id;
    }
    // Every other loading now says that the Rule Base comes first.
    for (const int id : {10074, 10090, 10100, 10112, 10123}) {
        ui.notes.clear();
        EXPECT_EQ(shell.run_command(id), CommandResult::Completed);
        ASSERT_EQ(ui.notes.size(), 1U);
        EXPECT_EQ(ui.notes[0], (Note{"Attention!", "Load Rule Base first!"}));
    }
}

TEST_F(ShellTest, CloseQuestionNoKeepsTheProgramRunning) {
    ui.answer({"n", "y"});
    EXPECT_FALSE(shell.close_request());
    EXPECT_TRUE(shell.close_request());
    EXPECT_EQ(ui.log.back(), "yes_no: Attention! | Do you really wish to close the program?");
}

TEST_F(ShellTest, SmallCommandsOfTheMainWindow) {
    EXPECT_EQ(shell.run_command(10091), CommandResult::Completed);
    EXPECT_TRUE(ui.log.empty());
    shell.run_command(10156);
    shell.run_command(10157);
    EXPECT_EQ(ui.log, (std::vector<std::string>{"msg_recreate", "msg_recreate"}));
    shell.run_command(10158);
    EXPECT_EQ(
        ui.notes.back(),
        (Note{"Attention", "The path to bases is set-up as a result of loading the Rule Base"}));
}

TEST_F(ShellTest, ImportWithoutRuleBaseDoesNothingVisible) {
    shell.state().commands.set(10063, true);
    EXPECT_EQ(shell.run_command(10063), CommandResult::Failed);
    EXPECT_TRUE(ui.log.empty());
    EXPECT_EQ(ui.window, "");
}

TEST_F(ShellTest, HelpOpensTheUserGuideFromAnyFolder) {
    TempTree tree;
    tree.write("kb/RUx.EEB", "rule(1,\"a\",[\"b\",\"c\"],0)\n");
    std::filesystem::current_path(tree.path());
    shell.run_command(10159);
    ASSERT_EQ(ui.log.size(), 1U);
    EXPECT_TRUE(ui.log[0].starts_with("open_document: /")) << ui.log[0];
    EXPECT_TRUE(ui.log[0].ends_with("/user-guide.md")) << ui.log[0];

    // Loading a Rule Base from another folder does not lose it.
    ui.answer({tree.path("kb/RUx.EEB").string(), "n", "n"});
    shell.run_command(10062);
    const std::string first = ui.log[0];
    ui.log.clear();
    shell.run_command(10159);
    EXPECT_EQ(ui.log, std::vector<std::string>{first});
}

} // namespace
} // namespace orve::test

namespace orve::test {
namespace {

TEST(ShellStartUp, WelcomeWindowShowsThePictureOfTheStartUpFolder) {
    TempTree tree;
    tree.write("Ruvo_Vo.BMP", "BM");
    std::filesystem::current_path(tree.path());
    ScriptedDialogs ui;
    Shell shell{ui};
    shell.start();
    EXPECT_EQ(ui.log.back(), "show_picture: Welcome to  | " + tree.path("Ruvo_Vo.BMP").string());
}

} // namespace
} // namespace orve::test
