// Inspecting, creating and editing abstract files.
#include "files/abstract_files.hpp"
#include "support/scripted_dialogs.hpp"
#include "support/temp_tree.hpp"

#include <filesystem>

#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace orve::test {
namespace {

class AbstractFiles : public ::testing::Test {
  protected:
    TempTree tree;
    ScriptedDialogs ui;
    AppState state;
};

TEST_F(AbstractFiles, InspectionShowsTheWholeText) {
    const std::string path = tree.write("ABSTRACTS/boiler.abs", "\xEF\xBB\xBFOne\r\nTwo").string();
    ui.answer({path, tree.path("ABSTRACTS/none.abs").string()});
    EXPECT_TRUE(abstract_inspection(state, ui));
    EXPECT_FALSE(abstract_inspection(state, ui));
    EXPECT_EQ(ui.log,
              (std::vector<std::string>{
                  "open_file: Pick Abstract  File for Inspection | *.abs",
                  "show_text: Inspecting Abstract  File : boiler.abs | One\nTwo",
                  "open_file: Pick Abstract  File for Inspection | *.abs",
                  "note: Attention error! | The Abstract File none.abs could not be read.\nNo such "
                  "file or directory."}));
}

TEST_F(AbstractFiles, CreatingEmptiesAnExistingFileBeforeTheEditQuestion) {
    const std::string path = tree.write("kb.abs", "old abstract").string();
    ui.answer({path, "2"});
    EXPECT_TRUE(abstract_creating(state, ui));
    EXPECT_EQ(read_file(path), "");
    EXPECT_TRUE(fs::exists(path));
    EXPECT_EQ(ui.log, (std::vector<std::string>{
                          "save_file: Declare name of new Abstract File: Knowledge_Base_Name.ABS  "
                          "| *.abs",
                          "note: New Abstract File | Abstract  File kb.abs has been created.",
                          "ask: Editing new Abstract  File | Would you like to edit the file "
                          "kb.abs ?"}));
}

TEST_F(AbstractFiles, CreatingFailsWithTheCauseAndAsksNothingMore) {
    const std::string folder = tree.write("kb.abs/inside", "kept").parent_path().string();
    const std::string absent = tree.path("absent/kb.abs").string();
    ui.answer({folder, absent});
    EXPECT_FALSE(abstract_creating(state, ui));
    EXPECT_FALSE(abstract_creating(state, ui));
    EXPECT_EQ(read_file(tree.path("kb.abs/inside")), "kept");
    EXPECT_EQ(ui.notes,
              (std::vector<Note>{
                  {"Attention error!", "The Abstract File could not be created:\nCannot write "
                                       "file " +
                                           folder + ": Is a directory"},
                  {"Attention error!", "The Abstract File could not be created:\nCannot write "
                                       "file " +
                                           absent + ": No such file or directory"}}));
}

TEST_F(AbstractFiles, EditingAFileThatCannotBeReadOpensNoEditor) {
    fs::create_directory(tree.path("dir.abs"));
    ui.answer({tree.path("none.abs").string(), tree.path("dir.abs").string(), ""});
    EXPECT_FALSE(abstract_editing(state, ui));
    EXPECT_FALSE(abstract_editing(state, ui));
    EXPECT_FALSE(abstract_editing(state, ui));
    EXPECT_EQ(ui.log, (std::vector<std::string>{
                          "open_file: Pick  Abstract File for Editing | *.abs",
                          "note: Attention error! | The Abstract File none.abs could not be "
                          "read.\nNo such file or directory.",
                          "open_file: Pick  Abstract File for Editing | *.abs",
                          "note: Attention error! | The file " + tree.path("dir.abs").string() +
                              " is a folder and cannot be read.",
                          "open_file: Pick  Abstract File for Editing | *.abs"}));
}

} // namespace
} // namespace orve::test
