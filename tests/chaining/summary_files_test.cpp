// The commands that read and delete summary files.
#include "chaining/summary_files.hpp"
#include "support/scripted_dialogs.hpp"
#include "support/temp_tree.hpp"

#include <filesystem>

#include <gtest/gtest.h>

namespace orve::test {
namespace {

class SummaryFiles : public ::testing::Test {
  protected:
    TempTree tree;
    ScriptedDialogs ui;
    AppState state;
    std::string summary = tree.write("run.txt", "Labels of summary: \n    case 1\n").string();
};

TEST_F(SummaryFiles, ReadingShowsTheWholeFile) {
    ui.answer({summary});
    EXPECT_TRUE(summary_reading(state, ui));
    EXPECT_EQ(ui.log, (std::vector<std::string>{
                          "open_file: Summary Report to be inspected | *.txt",
                          "show_text: Summary Report to be inspected: run.txt | Labels of "
                          "summary: \n    case 1\n"}));

    ui.answer({""});
    EXPECT_FALSE(summary_reading(state, ui));
    ui.answer({tree.path("missing.txt").string()});
    EXPECT_FALSE(summary_reading(state, ui));
    EXPECT_EQ(ui.notes, (std::vector<Note>{{"Attention error!",
                                            "The Summary Report missing.txt could not be read.\n"
                                            "No such file or directory."}}));
}

TEST_F(SummaryFiles, ReadingSkipsAByteOrderMark) {
    const std::string marked = tree.write("marked.txt", "\xEF\xBB\xBFLabels\n").string();
    ui.answer({marked});
    EXPECT_TRUE(summary_reading(state, ui));
    EXPECT_EQ(ui.log.back(), "show_text: Summary Report to be inspected: marked.txt | Labels\n");
}

TEST_F(SummaryFiles, DeletingAsksFirst) {
    ui.answer({summary, "2"});
    EXPECT_FALSE(summary_deleting(state, ui));
    EXPECT_TRUE(std::filesystem::exists(summary));
    EXPECT_EQ(ui.log, (std::vector<std::string>{
                          "open_file: Pick the summary to be deleted!  | *.txt",
                          "ask: Deleting the Summary Report  | Do you really wish to delete the "
                          "Summary Report run.txt ?"}));
    EXPECT_TRUE(ui.notes.empty());

    ui.answer({summary, "1"});
    EXPECT_TRUE(summary_deleting(state, ui));
    EXPECT_FALSE(std::filesystem::exists(summary));
    EXPECT_EQ(ui.notes,
              (std::vector<Note>{{"Attention!", "The Summary Report  run.txt has been deleted."}}));
}

} // namespace
} // namespace orve::test
