#include "report/report_save.hpp"
#include "support/scripted_dialogs.hpp"
#include "support/temp_tree.hpp"

#include <gtest/gtest.h>

#include <filesystem>

namespace orve {
namespace {

namespace fs = std::filesystem;

const std::string ask_line = "ask: Report of chaining/diagnosing | Do you wish to save the report?";
const std::string save_line = "save_file: Declare name of report (*.RPT) | *.RPT";
const std::string prompts = " Do you wish to save the report?   Declare name of report (*.RPT): ";

struct ReportFiles : ::testing::Test {
    test::TempTree tree;
    fs::path folder = tree.path();
    ReportBuffer buffer;
    test::ScriptedDialogs ui;
    ReportWriter out{buffer, ui};
};

TEST_F(ReportFiles, DecliningSavesNothing) {
    // "2" is "&No"; "" closes the dialogue, which answers with the last button.
    for (const std::string answer : {"2", ""}) {
        test::ScriptedDialogs dialogs;
        ReportWriter writer{buffer, dialogs};
        buffer.text = "kept";
        dialogs.answer({answer});
        EXPECT_TRUE(raport(writer));
        EXPECT_EQ(dialogs.window, " Do you wish to save the report?  ");
        EXPECT_EQ(dialogs.log, std::vector<std::string>{ask_line});
        EXPECT_TRUE(dialogs.notes.empty());
        EXPECT_EQ(buffer.text, "kept");
    }
}

TEST_F(ReportFiles, CancellingTheFileDialogueFailsSilently) {
    buffer.text = "kept";
    ui.answer({"1", ""});
    EXPECT_FALSE(raport(out));
    EXPECT_EQ(ui.window, prompts);
    EXPECT_EQ(ui.log, (std::vector<std::string>{ask_line, save_line}));
    EXPECT_TRUE(ui.notes.empty());
    EXPECT_EQ(buffer.text, "kept");
}

TEST_F(ReportFiles, SavingWritesOneClauseAndAnnouncesIt) {
    const fs::path file = folder / "first.RPT";
    buffer.text = "Rule 3\nsays \"yes\"";
    ui.answer({"1", file.string()});
    ASSERT_TRUE(raport(out));

    EXPECT_EQ(test::read_file(file), "tekst_raportu(\"Rule 3\\nsays \\\"yes\\\"\")\n");
    EXPECT_EQ(ui.window, prompts + "\n Report " + file.string() + " has been saved.\n\n\n");
    EXPECT_EQ(ui.notes,
              (std::vector<test::Note>{{"Attention!", "Report first.RPT  has been saved."}}));
    EXPECT_EQ(buffer.text, "Rule 3\nsays \"yes\"");
}

TEST_F(ReportFiles, AnEmptyReportIsStillSaved) {
    const fs::path file = folder / "empty.RPT";
    ui.answer({"1", file.string()});
    ASSERT_TRUE(raport(out));
    EXPECT_EQ(test::read_file(file), "tekst_raportu(\"\")\n");
}

TEST_F(ReportFiles, AFileThatCannotBeWrittenGivesAnErrorNoteOnly) {
    const fs::path file = folder / "missing" / "r.RPT";
    buffer.text = "kept";
    ui.answer({"1", file.string()});
    EXPECT_FALSE(raport(out));

    EXPECT_FALSE(fs::exists(file));
    EXPECT_EQ(ui.window, prompts);
    ASSERT_EQ(ui.notes.size(), 1U);
    EXPECT_EQ(ui.notes[0].title, "Attention error!");
    EXPECT_EQ(ui.notes[0].text.rfind("The report could not be saved:\n", 0), 0U);
    EXPECT_EQ(buffer.text, "kept");
}

TEST_F(ReportFiles, AnAwkwardTextReadsBackIdentical) {
    const std::string awkward = "q\"uo\"te \\ back\\\\slash\r\nCR LF\n\n\xB9\xE6\xEA\xFF end\\n";
    const fs::path file = folder / "awkward.RPT";
    buffer.text = awkward;
    ui.answer({"1", file.string()});
    ASSERT_TRUE(raport(out));

    buffer.text = "unsaved report of the last run";
    ui.log.clear();
    ui.answer({file.string()});
    ASSERT_TRUE(report_inspection(out));
    EXPECT_EQ(buffer.text, awkward);
    EXPECT_EQ(ui.log,
              (std::vector<std::string>{"open_file: Pick Report to be Inspected!  | *.rpt",
                                        "show_text: Report inspection: awkward.RPT | " + awkward}));
}

TEST_F(ReportFiles, InspectionCancelledLeavesTheBuffer) {
    buffer.text = "kept";
    ui.answer({""});
    EXPECT_FALSE(report_inspection(out));
    EXPECT_EQ(buffer.text, "kept");
    EXPECT_TRUE(ui.notes.empty());
}

TEST_F(ReportFiles, InspectionOfABadFileEndsWithAnErrorNote) {
    const fs::path not_report = tree.write("plain.rpt", "just some text\n");
    const fs::path base = tree.write("RUkb.rpt", "rem_rule(\"x\")\nrule(1,\"a\",[\"b\"],0)\n");
    const struct {
        fs::path path;
        std::string note;
    } cases[] = {
        {not_report, "The file plain.rpt is not a report file.\n"
                     "Unknown clause name 'just' (line 1, column 1)."},
        {base, "The file RUkb.rpt is not a report file.\nIt is a Rule Base (line 1: 'rem_rule')."},
        {folder / "absent.rpt", "The report absent.rpt could not be read.\n"
                                "No such file or directory."},
        {folder, "The file " + folder.string() + " is a folder and cannot be read."},
    };
    for (const auto& c : cases) {
        test::ScriptedDialogs dialogs;
        ReportWriter writer{buffer, dialogs};
        buffer.text = "last run";
        dialogs.answer({c.path.string()});
        EXPECT_FALSE(report_inspection(writer));
        // The buffer is emptied before the file is read.
        EXPECT_EQ(buffer.text, "");
        EXPECT_EQ(dialogs.notes, (std::vector<test::Note>{{"Attention error!", c.note}}));
    }
}

} // namespace
} // namespace orve
