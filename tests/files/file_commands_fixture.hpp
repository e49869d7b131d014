// A shell in a temporary tree with a small Rule Base loaded, for the tests of
// the file management commands.
#pragma once

#include "app/shell.hpp"
#include "support/scripted_dialogs.hpp"
#include "support/temp_tree.hpp"

#include <filesystem>
#include <string>

#include <gtest/gtest.h>

namespace orve::test {

class FileCommands : public ::testing::Test {
  protected:
    TempTree tree;
    ScriptedDialogs ui;
    Shell shell{ui};

    static constexpr const char* kRules =
        "rule(1,\"pump on\",[\"pressure low\",\"valve open\"],0)\n";

    void SetUp() override {
        shell.start();
        load_rule_base();
    }

    void load_rule_base() {
        tree.write("BASES/RUboiler.EEB", kRules);
        ui.answer({path("RUboiler.EEB"), "n", "n"});
        ASSERT_EQ(shell.run_command(10062), CommandResult::Completed);
        ASSERT_TRUE(shell.state().kb.rule.name);
        ui.notes.clear();
        ui.log.clear();
    }

    // The full name of a file of the bases folder.
    std::string path(const std::string& name) const { return tree.path("BASES/" + name).string(); }

    AppState& state() { return shell.state(); }
};

} // namespace orve::test
