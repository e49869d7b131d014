// The commands that delete a picked report, abstract, askables or summary file.
#include "chaining/summary_files.hpp"
#include "files/abstract_files.hpp"
#include "files/askables_file_commands.hpp"
#include "files/report_files.hpp"
#include "support/scripted_dialogs.hpp"
#include "support/temp_tree.hpp"

#include <filesystem>

#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace orve::test {
namespace {

struct DeletingCase {
    bool (*command)(AppState&, Dialogs&);
    std::string file;
    std::string pick;     // the open-file dialogue as logged
    std::string question; // the question as logged, for the file "x"
    Note deleted;         // the note for the file "x"
    std::string kind;     // in the error notes
};

const DeletingCase kCases[] = {
    {report_deleting,
     "x",
     "open_file: Pick Report to be Deleted!  | *.rpt",
     "ask: Deleting report | Do you really wish to delete the report  x ?",
     {"Attention!", "Report x has been deleted!"},
     "report"},
    {abstract_deleting,
     "x",
     "open_file: Pick Abstract File to be Deleted! | *.abs",
     "ask: Deleting the Abstract File  | Do you really wish to delete the Abstract Filex ?",
     {"Attention!", "Abstract Text File x has been deleted!"},
     "Abstract File"},
    {askables_file_deleting,
     "x",
     "open_file: Pick the file to be deleted | *.txt",
     "ask: Deleting the Askable Conditions and Arguments File | Do you really wish to delete "
     "the Askable Conditions and Arguments File  x ?",
     {"Attention!", "Askable conditions and arguments file x has been deleted."},
     "Askable Conditions and Arguments File"},
    {summary_deleting,
     "x",
     "open_file: Pick the summary to be deleted!  | *.txt",
     "ask: Deleting the Summary Report  | Do you really wish to delete the Summary Report x ?",
     {"Attention!", "The Summary Report  x has been deleted."},
     "Summary Report"},
};

class DeletingCommands : public ::testing::Test {
  protected:
    TempTree tree;
    AppState state;
};

TEST_F(DeletingCommands, DeleteOnlyAfterYes) {
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.kind);
        const fs::path file = tree.write(c.file, "contents");
        ScriptedDialogs ui;
        ui.answer({file.string(), "2"});
        EXPECT_FALSE(c.command(state, ui));
        EXPECT_TRUE(fs::exists(file));
        EXPECT_EQ(ui.log, (std::vector<std::string>{c.pick, c.question}));

        ui.answer({file.string(), "1"});
        EXPECT_TRUE(c.command(state, ui));
        EXPECT_FALSE(fs::exists(file));
        EXPECT_EQ(ui.notes, (std::vector<Note>{c.deleted}));

        ui.answer({""});
        EXPECT_FALSE(c.command(state, ui));
        EXPECT_EQ(ui.log.size(), 6U);
    }
}

TEST_F(DeletingCommands, AFileThatCannotBeDeletedIsNamedWithTheCause) {
    const fs::path folder = tree.path("x");
    fs::create_directory(folder);
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.kind);
        for (const auto& [path, cause] :
             {std::pair{tree.path("absent/x"), "No such file or directory."},
              std::pair{folder, "It is a folder."}}) {
            ScriptedDialogs ui;
            ui.answer({path.string(), "1"});
            EXPECT_FALSE(c.command(state, ui));
            EXPECT_EQ(ui.notes, (std::vector<Note>{
                                    {"Attention error!",
                                     "The " + c.kind + " x could not be deleted.\n" + cause}}));
        }
        // Even an empty folder is left alone.
        EXPECT_TRUE(fs::is_directory(folder));
    }
}

} // namespace
} // namespace orve::test
