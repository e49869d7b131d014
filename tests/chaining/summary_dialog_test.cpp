// Labels asked before a run and the summary file offered at its end.
#include "chaining/summary.hpp"
#include "support/scripted_dialogs.hpp"
#include "support/temp_tree.hpp"
#include "support/write_limit.hpp"

#include <algorithm>
#include <filesystem>

#include <gtest/gtest.h>

namespace orve::test {
namespace {

namespace fs = std::filesystem;

class Summary : public ::testing::Test {
  protected:
    TempTree tree;
    ScriptedDialogs ui;
    AppState state;

    std::string path(const std::string& name) const { return tree.path(name).string(); }
    // Files left in the tree, to catch temporary files.
    std::vector<std::string> files() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(tree.path())) {
            names.push_back(entry.path().filename().string());
        }
        std::sort(names.begin(), names.end());
        return names;
    }
};

TEST_F(Summary, TwoLabelsInEntryOrderAndValuesExceptNumericConstants) {
    state.memory.etykieta = {"stale label"};
    ui.answer({"1", "case 12", "1", "", "2"});
    generuj_etykiety(state, ui);
    EXPECT_EQ(state.memory.etykieta, (std::vector<std::string>{"case 12", ""}));

    for (const char* fact : {"No condition", "pressure low", "repair the leak"}) {
        state.memory.prawda.add(fact);
    }
    state.memory.zmienna_ustalona.set("2.5", 2.5);
    state.memory.zmienna_ustalona.set("p", 2.5);
    state.memory.zmienna_ustalona.set("7", 3.0);
    state.memory.zmienna_ustalona.set("third", 1.0 / 3.0);
    ui.answer({"1", path("run.txt")});
    podsumowanie(state, ui);

    EXPECT_EQ(read_file(tree.path("run.txt")), "Labels of summary: \n"
                                               "    case 12\n"
                                               "    \n"
                                               "Chaining summary: facts\n"
                                               "    pressure low\n"
                                               "    repair the leak\n"
                                               "Chaining summary: argument values\n"
                                               "    p = 2.5\n"
                                               "    7 = 3\n"
                                               "    third = 0.3333333333\n");
    EXPECT_EQ(ui.window, " Summary run.txt has been saved.\n");
    EXPECT_EQ(ui.notes, (std::vector<Note>{{"Summary", " Summary run.txt has been saved."}}));
    EXPECT_EQ(files(), std::vector<std::string>{"run.txt"});
}

TEST_F(Summary, LabelsDeclinedAndOnlyNoConditionTrueKeepEveryHeading) {
    state.memory.etykieta = {"stale label"};
    ui.answer({"2"});
    generuj_etykiety(state, ui);
    EXPECT_TRUE(state.memory.etykieta.empty());
    EXPECT_EQ(ui.log, (std::vector<std::string>{"ask: Generating labels | Save summary labels?"}));

    state.memory.prawda.add("No condition");
    ui.answer({"1", path("empty.txt")});
    podsumowanie(state, ui);
    EXPECT_EQ(read_file(tree.path("empty.txt")), "Labels of summary: \nChaining summary: facts\n"
                                                 "Chaining summary: argument values\n");
}

TEST_F(Summary, DecliningOrCancellingWritesNothing) {
    ui.answer({"2"});
    podsumowanie(state, ui);
    ui.answer({"1", ""});
    podsumowanie(state, ui);
    EXPECT_TRUE(files().empty());
    EXPECT_TRUE(ui.notes.empty());
    EXPECT_EQ(ui.log,
              (std::vector<std::string>{"ask: Chaining summary | Save the chaining summary?",
                                        "ask: Chaining summary | Save the chaining summary?",
                                        "save_file: Declare name of new summary file | *.txt"}));
}

TEST_F(Summary, OverwriteNoReturnsToTheFileDialogueAndYesReplaces) {
    const std::string old = path("old.txt");
    tree.write("old.txt", "old summary");
    state.memory.prawda.add("a");
    ui.answer({"1", old, "2", path("new.txt")});
    podsumowanie(state, ui);
    EXPECT_EQ(read_file(old), "old summary");
    EXPECT_EQ(ui.log[2], "ask: Summary | A summary with proposed name " + old +
                             "already exists!\nDo you wish to overwrite it?");
    EXPECT_EQ(ui.log[3], "save_file: Declare name of new summary file | *.txt");
    EXPECT_NE(read_file(tree.path("new.txt")).find("    a\n"), std::string::npos);

    ui.notes.clear();
    ui.answer({"1", old, "1"});
    podsumowanie(state, ui);
    EXPECT_EQ(ui.notes, (std::vector<Note>{
                            {"Summary", "The existing summary  " + old + "\nhas been deleted!"},
                            {"Summary", " Summary old.txt has been saved."}}));
    EXPECT_NE(read_file(old).find("    a\n"), std::string::npos);
}

TEST_F(Summary, OverwritingReplacesTheOldFileOnlyOnceTheNewOneIsWritten) {
    const std::string old = tree.write("old.txt", "old summary").string();
    state.memory.etykieta = {std::string(1000, 'x')};
    {
        const WriteLimit full_disk(100);
        ui.answer({"1", old, "1"});
        podsumowanie(state, ui);
    }
    ASSERT_EQ(ui.notes.size(), 1U);
    EXPECT_EQ(ui.notes[0].title, "Attention error!");
    EXPECT_EQ(ui.notes[0].text.rfind("The summary old.txt could not be saved:\n", 0), 0U);
    EXPECT_EQ(read_file(old), "old summary");
    EXPECT_EQ(files(), std::vector<std::string>{"old.txt"});
}

TEST_F(Summary, FileThatCannotBeWrittenEndsWithAnErrorNoteOnly) {
    ui.answer({"1", path("no such folder/run.txt")});
    podsumowanie(state, ui);
    ASSERT_EQ(ui.notes.size(), 1U);
    EXPECT_EQ(ui.notes[0].title, "Attention error!");
    EXPECT_EQ(ui.notes[0].text.rfind("The summary run.txt could not be saved:\n", 0), 0U);
    EXPECT_EQ(ui.window, "");

    // A folder under the chosen name cannot be replaced by a summary.
    fs::create_directory(tree.path("taken.txt"));
    ui.notes.clear();
    ui.answer({"1", path("taken.txt"), "1"});
    podsumowanie(state, ui);
    ASSERT_EQ(ui.notes.size(), 1U);
    EXPECT_EQ(ui.notes[0].title, "Attention error!");
    EXPECT_EQ(files(), std::vector<std::string>{"taken.txt"});
    EXPECT_TRUE(fs::is_directory(tree.path("taken.txt")));
}

} // namespace
} // namespace orve::test
