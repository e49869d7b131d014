// Creating and reading the askables file: the file dialogue, the overwrite
// question and files that cannot be written or read.
#include "askables/askables_file.hpp"
#include "files/askables_file_commands.hpp"
#include "support/scripted_dialogs.hpp"
#include "support/temp_tree.hpp"
#include "support/write_limit.hpp"

#include <filesystem>

#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace orve::test {
namespace {

const std::string kOverwriteQuestion =
    "ask: Overwrite existing Askable Conditions and Arguments File | An Askable Conditions and "
    "Arguments File named:  ";

class AskablesFile : public ::testing::Test {
  protected:
    TempTree tree;
    ScriptedDialogs ui;
    AppState state;
    std::string expected_text;

    void SetUp() override {
        state.kb.rule.name = BaseName{"RUkb.EEB", "/kb/RUkb.EEB"};
        state.askables.lista_warunkow_dopytywalnych = {"a", "b"};
        expected_text = askables_file_text({"RUkb.EEB", std::nullopt, nullptr, {"a", "b"}, {}});
    }

    // The files of the tree's top folder, so that a test sees leftovers.
    std::vector<std::string> top_files() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(tree.path())) {
            names.push_back(entry.path().filename().string());
        }
        std::sort(names.begin(), names.end());
        return names;
    }
};

TEST_F(AskablesFile, CreatingWritesTheFileOfTheLoadedBases) {
    const std::string path = tree.path("askables.txt").string();
    ui.answer({path});
    EXPECT_TRUE(askables_file_creating(state, ui));
    EXPECT_EQ(read_file(path), expected_text);
    EXPECT_EQ(ui.log, (std::vector<std::string>{
                          "save_file: Load Askable Conditions and Arguments file | *.txt",
                          "note: Creating new Askable Conditions and Arguments File | New Askable "
                          "Conditions and Arguments File " +
                              path + " has been created."}));

    ui.answer({""});
    EXPECT_FALSE(askables_file_creating(state, ui));
    EXPECT_EQ(ui.log.size(), 3U);
}

TEST_F(AskablesFile, DecliningTheOverwriteAsksForAnotherName) {
    const std::string path = tree.write("old.txt", "old").string();
    ui.answer({path, "2", path, "1"});
    EXPECT_TRUE(askables_file_creating(state, ui));
    EXPECT_EQ(read_file(path), expected_text);
    const std::string question = kOverwriteQuestion + path +
                                 "already exists! . Do you wish to overwrite it with new contents?";
    EXPECT_EQ(ui.log, (std::vector<std::string>{
                          "save_file: Load Askable Conditions and Arguments file | *.txt", question,
                          "save_file: Load Askable Conditions and Arguments file | *.txt", question,
                          "note:  | Existing Askable Conditions and Arguments File " + path +
                              " has been overwritten.",
                          "note: Creating new Askable Conditions and Arguments File | New Askable "
                          "Conditions and Arguments File " +
                              path + " has been created."}));
    EXPECT_EQ(ui.window, "       No\n");

    // Declining and then cancelling leaves the file as it was.
    tree.write("old.txt", "old");
    ui.answer({path, "2", ""});
    EXPECT_FALSE(askables_file_creating(state, ui));
    EXPECT_EQ(read_file(path), "old");
}

TEST_F(AskablesFile, AFileThatCannotBeWrittenIsNamedWithTheCause) {
    fs::create_directory(tree.path("folder"));
    const std::string old = tree.write("old.txt", "old contents").string();
    const struct {
        std::string path;
        std::vector<std::string> answers;
        std::string cause;
        rlim_t space = RLIM_INFINITY;
    } cases[] = {
        {tree.path("absent/a.txt").string(), {}, "No such file or directory"},
        // A folder is no file to replace: nothing is asked before the write fails.
        {tree.path("folder").string(), {}, "Is a directory"},
        // A full disk: the old file stays as it was.
        {old, {"1"}, "File too large", 4},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        ScriptedDialogs dialogs;
        dialogs.answers.push_back(c.path);
        dialogs.answers.insert(dialogs.answers.end(), c.answers.begin(), c.answers.end());
        {
            WriteLimit full(c.space);
            EXPECT_FALSE(askables_file_creating(state, dialogs));
        }
        EXPECT_EQ(dialogs.notes,
                  (std::vector<Note>{
                      {"Attention error!", "The Askable Conditions and Arguments File could not be "
                                           "created:\nCannot write file " +
                                               c.path + ": " + c.cause}}));
    }
    EXPECT_EQ(read_file(old), "old contents");
    EXPECT_EQ(top_files(), (std::vector<std::string>{"folder", "old.txt"}));
}

TEST_F(AskablesFile, CreatingWithoutARuleBaseWritesNothing) {
    state.kb.rule.name.reset();
    EXPECT_TRUE(askables_file_creating(state, ui));
    EXPECT_EQ(ui.log, (std::vector<std::string>{"note: Attention! | Load Rule Base first!"}));
}

TEST_F(AskablesFile, ReadingShowsTheFileOrSaysWhyNot) {
    const std::string path = tree.write("dir/a.txt", "Non-exclusive\r\n   a\r\n").string();
    ui.answer({path});
    EXPECT_TRUE(askables_file_reading(state, ui));
    EXPECT_EQ(ui.log, (std::vector<std::string>{
                          "open_file: Pick the file to be inspected | *.txt",
                          "show_text: Inspection of Askable Conditions and Arguments File a.txt | "
                          "Non-exclusive\n   a\n"}));

    ui.answer({tree.path("b.txt").string(), tree.path("dir").string(), ""});
    EXPECT_FALSE(askables_file_reading(state, ui));
    EXPECT_FALSE(askables_file_reading(state, ui));
    EXPECT_FALSE(askables_file_reading(state, ui));
    EXPECT_EQ(ui.notes,
              (std::vector<Note>{{"Attention error!",
                                  "The Askable Conditions and Arguments File b.txt could not be "
                                  "read.\nNo such file or directory."},
                                 {"Attention error!", "The file " + tree.path("dir").string() +
                                                          " is a folder and cannot be read."}}));
}

} // namespace
} // namespace orve::test
