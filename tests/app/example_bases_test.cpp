// The bundled example knowledge bases load and verify as a newcomer would see.
#include "app/shell.hpp"
#include "report/report_file.hpp"
#include "support/scripted_dialogs.hpp"
#include "support/temp_tree.hpp"

#include <gtest/gtest.h>

namespace orve::test {
namespace {

const std::string kBases = std::string(ORVE_EXAMPLES_DIR) + "/BASES/";

class ExampleBases : public ::testing::Test {
  protected:
    TempTree tree; // restores the current folder that loading changes
    ScriptedDialogs ui;
    Shell shell{ui};
    void SetUp() override { shell.start(); }
};

TEST_F(ExampleBases, BoilerLoadsEveryBaseKind) {
    ui.answer({kBases + "RUboiler.EEB", "y", "n", "n"});
    ASSERT_EQ(shell.run_command(10062), CommandResult::Completed);
    EXPECT_EQ(shell.state().findings.sprzecznosc_1z, false);
    EXPECT_EQ(ui.main_title, "orve_EE consults Knowledge Base BOILER");
    for (const auto& [id, file] :
         std::vector<std::pair<int, std::string>>{{10090, "COboiler.EEB"},
                                                  {10100, "ADboiler.EEB"},
                                                  {10112, "GRboiler.EEB"},
                                                  {10123, "SOboiler.EEB"}}) {
        ui.notes.clear();
        ui.answer({kBases + file});
        if (id == 10090) {
            ui.answer({"n", "n"}); // the joint test offers
        }
        ASSERT_EQ(shell.run_command(id), CommandResult::Completed) << file;
        ASSERT_EQ(ui.notes.size(), 1U) << file;
        EXPECT_NE(ui.notes[0].text.find(file + "\nhas been loaded!"), std::string::npos);
    }
    const KnowledgeBaseSet& kb = shell.state().kb;
    EXPECT_TRUE(kb.constraint.name && kb.advice.name && kb.graphics.name && kb.sound.name);
    EXPECT_FALSE(shell.state().findings.numbers_not_unique());
}

TEST_F(ExampleBases, CycleDiagnosticReportIsSavedAndReadsBackIdentical) {
    ui.answer({kBases + "RUcycle.EEB", "y"});
    ASSERT_EQ(shell.run_command(10062), CommandResult::Completed);
    ASSERT_TRUE(shell.state().findings.externally_inconsistent());
    EXPECT_EQ(shell.state().findings.reguly_sprzeczne.size(), 6U);

    const std::string report = tree.path("cycle.RPT").string();
    ui.answer({"1", report});
    ASSERT_EQ(shell.run_command(10071), CommandResult::Completed);
    const std::string written = shell.state().report.text;
    EXPECT_EQ(written.rfind("Diagnostic Report on external inconsistencies of Rule Base:\n "
                            "RUcycle.EEB\n\n",
                            0),
              0U);
    EXPECT_NE(written.find(" Rule 1 is externally IEE1-self-inconsistent. "), std::string::npos);
    EXPECT_EQ(read_file(report), report_file_text(written));

    shell.state().report.text = "something else";
    ui.answer({report});
    ASSERT_EQ(shell.run_command(10141), CommandResult::Completed);
    EXPECT_EQ(shell.state().report.text, written);
}

} // namespace
} // namespace orve::test
