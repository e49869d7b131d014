// The base editor window: saving, saving under a new name, closing with the
// save question, files that cannot be read or written, and the Rule Base
// counting as not loaded afterwards.
#include "app/shell.hpp"
#include "support/scripted_dialogs.hpp"
#include "support/temp_tree.hpp"
#include "support/write_limit.hpp"
#include "ui/base_editor.hpp"

#include <filesystem>

#include <gtest/gtest.h>

namespace orve::test {
namespace {

namespace fs = std::filesystem;

const std::string kRules = "rule(1,\"pump on\",[\"pressure low\",\"valve open\"],0)\n";
const std::string kEdited = "rule(1,\"pump on\",[\"pressure low\",\"noise\"],0)";

class BaseEditor : public ::testing::Test {
  protected:
    TempTree tree;
    ScriptedDialogs ui;
    Shell shell{ui};
    std::string file;

    void SetUp() override {
        shell.start();
        file = tree.write("BASES/RUboiler.EEB", kRules).string();
        ui.answer({file, "n", "n"});
        ASSERT_EQ(shell.run_command(10062), CommandResult::Completed);
        ui.notes.clear();
        ui.log.clear();
        ui.all_output.clear();
    }

    // Edits the loaded Rule Base file with the editor's answers.
    void edit(std::initializer_list<std::string> answers) {
        ui.answer(answers);
        EXPECT_TRUE(open_base_editor(shell.state(), ui, file));
        EXPECT_TRUE(ui.answers.empty());
    }

    // The files of the bases folder, by name.
    std::vector<std::string> folder_files() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(tree.path("BASES"))) {
            names.push_back(entry.path().filename().string());
        }
        std::sort(names.begin(), names.end());
        return names;
    }
};

TEST_F(BaseEditor, SaveWritesTheWholeTextAsItStands) {
    edit({"save:" + kEdited});
    EXPECT_EQ(ui.edited, std::vector<std::string>{kRules});
    EXPECT_EQ(ui.log.front(), "edit_text: Editing the file: RUboiler.EEB | " + file);
    EXPECT_EQ(read_file(file), kEdited) << "no line break added";
    EXPECT_EQ(ui.all_output, "File : RUboiler.EEB has been saved\n");
    EXPECT_EQ(ui.notes,
              std::vector<Note>{(Note{"Attention!", "File RUboiler.EEB has been saved"})});
    EXPECT_EQ(ui.log.back(), "msg_recreate");
    EXPECT_FALSE(shell.state().kb.rule.name) << "the edited base must be loaded again";
    EXPECT_EQ(shell.state().kb.rule.rules.size(), 1U);
}

TEST_F(BaseEditor, OpensAFileWhoseLoadStoppedOnASyntaxErrorAtTheError) {
    const std::string faulty = tree.write("BASES/RUbad.EEB", kRules + "rule(2,\"x\" [\"y\"],0)\n");
    ui.answer({faulty});
    shell.run_command(10062);
    ASSERT_TRUE(shell.state().blad);
    ui.answer({"gone"});
    EXPECT_TRUE(open_base_editor(shell.state(), ui, faulty));
    EXPECT_EQ(ui.log.back(), "msg_recreate");
    EXPECT_TRUE(std::any_of(ui.log.begin(), ui.log.end(), [&](const std::string& entry) {
        return entry == "edit_text: Editing the file: RUbad.EEB | " + faulty + " | at 2:12";
    })) << ::testing::PrintToString(ui.log);
    // Another file opens at its start.
    edit({"gone"});
    EXPECT_TRUE(std::any_of(ui.log.begin(), ui.log.end(), [&](const std::string& entry) {
        return entry == "edit_text: Editing the file: RUboiler.EEB | " + file;
    }));
}

TEST_F(BaseEditor, SaveAsCancelledKeepsTheWindowOpenAndWritesNothing) {
    const std::string copy = tree.path("BASES/RUcopy.EEB").string();
    edit({"save_as:" + kEdited, "", "save_as", copy});
    EXPECT_EQ(ui.log[1], "save_file: Editing the file: RUboiler.EEB | *.*");
    EXPECT_EQ(read_file(file), kRules);
    EXPECT_EQ(read_file(copy), kEdited) << "the edited text is kept while the window is open";
    EXPECT_EQ(ui.all_output, "New base: RUcopy.EEB has been saved\n");
    EXPECT_EQ(ui.notes,
              std::vector<Note>{(Note{"Attention!", "New base: RUcopy.EEB has been saved."})});
}

TEST_F(BaseEditor, CloseAsksWhetherToSave) {
    edit({"close:" + kEdited, "1"});
    EXPECT_EQ(ui.log[1], "ask: Saving | Do you wish to save the base ?");
    EXPECT_EQ(read_file(file), kEdited);
    EXPECT_EQ(ui.all_output, "File: RUboiler.EEB has been saved.\n");
    EXPECT_EQ(ui.notes,
              std::vector<Note>{(Note{"Attention!", "File: RUboiler.EEB has been saved."})});
    EXPECT_TRUE(shell.state().commands.enabled(10066));

    for (const std::string no : {"2", ""}) { // "&NO", and closing the question
        edit({"close:lost", no});
        EXPECT_EQ(read_file(file), kEdited);
        for (const int id : {10065, 10066, 10067}) {
            EXPECT_FALSE(shell.state().commands.enabled(id)) << id;
            EXPECT_FALSE(ui.command_changes.at(id)) << id;
        }
    }
}

// A full disk: the save fails with a note naming the file and the cause, the
// old file stays whole, no temporary file is left, and the window stays open
// with the text, so that it can still be saved elsewhere.
TEST_F(BaseEditor, AFailedSaveKeepsTheOldFileAndTheWindowOpen) {
    const std::string big(4096, 'x');
    const std::string elsewhere = tree.path("RUsafe.EEB").string();
    {
        const WriteLimit full_disk(1024);
        ui.answer({"save:" + big, "close", "1"});
        EXPECT_THROW(open_base_editor(shell.state(), ui, file), ProgramClosed);
    }
    ASSERT_EQ(ui.notes.size(), 2U);
    for (const Note& note : ui.notes) {
        EXPECT_EQ(note.title, "Attention error!");
        EXPECT_EQ(note.text, "Cannot write file " + file +
                                 ": File too large.\nThe file has not been changed; the text is "
                                 "still in the editor.");
    }
    EXPECT_EQ(read_file(file), kRules);
    EXPECT_EQ(folder_files(), std::vector<std::string>{"RUboiler.EEB"});
    EXPECT_EQ(ui.all_output, "");

    ui.notes.clear();
    edit({"save_as:" + big, tree.path("nowhere/RUx.EEB").string(), "save_as", elsewhere});
    EXPECT_NE(ui.notes.at(0).text.find("nowhere/RUx.EEB: No such file or directory"),
              std::string::npos);
    EXPECT_EQ(read_file(elsewhere), big);
}

TEST_F(BaseEditor, AFileThatCannotBeReadIsNotOpenedAndNothingChanges) {
    fs::create_directories(tree.path("BASES/RUfolder.EEB"));
    const std::string missing = tree.path("BASES/RUmissing.EEB").string();
    EXPECT_FALSE(open_base_editor(shell.state(), ui, missing));
    EXPECT_FALSE(open_base_editor(shell.state(), ui, tree.path("BASES/RUfolder.EEB").string()));
    EXPECT_EQ(ui.notes,
              (std::vector<Note>{{"Attention error!", "The file " + missing +
                                                          " cannot be opened for editing.\nNo such "
                                                          "file or directory."},
                                 {"Attention error!", "The file " +
                                                          tree.path("BASES/RUfolder.EEB").string() +
                                                          " is a folder and cannot be read."}}));
    EXPECT_TRUE(ui.edited.empty());
    EXPECT_TRUE(shell.state().kb.rule.name);
}

// Editing any file, an abstract too, makes the Rule Base count as not loaded.
TEST_F(BaseEditor, ClosingTheWindowWithoutARequestStillUnloadsTheRuleBase) {
    const std::string abstract = tree.write("ABSTRACTS/boiler.abs", "About boiler.").string();
    ui.answer({"gone"});
    EXPECT_TRUE(open_base_editor(shell.state(), ui, abstract));
    EXPECT_EQ(ui.log.front(), "edit_text: Editing the file: boiler.abs | " + abstract);
    EXPECT_FALSE(shell.state().kb.rule.name);
    EXPECT_TRUE(ui.notes.empty());
    shell.run_command(10154);
    EXPECT_EQ(ui.notes.back(), (Note{"Attention!", "Load Rule Base first!"}));
}

} // namespace
} // namespace orve::test
