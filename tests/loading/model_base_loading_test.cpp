// Model Base loading end to end: the example's whole sequence, and a faulty
// base of each kind refused by its own test, with the bars on chaining.
#include "app/shell.hpp"
#include "support/scripted_dialogs.hpp"
#include "support/temp_tree.hpp"

#include <filesystem>

#include <gtest/gtest.h>

namespace orve::test {
namespace {

namespace fs = std::filesystem;

constexpr int kLoadModelBase = 10074;
constexpr int kForwardChaining = 10154;

TEST(ModelBaseLoading, TheExampleRunsEveryTestInOrder) {
    TempTree tree;
    ScriptedDialogs ui;
    Shell shell{ui};
    shell.start();
    const fs::path bases = fs::path(ORVE_EXAMPLES_DIR) / "BASES";
    ui.answer({(bases / "RUboiler.EEB").string(), "n", "n", "n"});
    ASSERT_EQ(shell.run_command(10062), CommandResult::Completed);
    ui.notes.clear();
    ui.answer({(bases / "MOboiler.EEB").string()});
    ASSERT_EQ(shell.run_command(kLoadModelBase), CommandResult::Completed);

    const std::string head = "Model base MOboiler.EEB\nhas been loaded!\n"
                             "The model base is tested for inconsistencies.\n"
                             "The time needed depends upon the base complexity.\n"
                             "Model base MOboiler.EEB\nhas no  inconsistencies!\n"
                             "The Model Base  MOboiler.EEB and Rule Base  RUboiler.EEB\n"
                             "are tested for joint inconsistencies.\n"
                             "he time needed depends upon the base complexity.\n"
                             "Model base:    MOboiler.EEB\nand Rule Base: RUboiler.EEB\n"
                             "have no  joint inconsistencies!\n\n\n"
                             "Askable conditions and arguments for model base MOboiler.EEB:\n"
                             "boiler is a combination boiler\nflow rate in litres per minute\n"
                             "flow temperature\nheating hours per day\nhot water hours per day\n"
                             "pressure reading in bar\nreturn temperature\n"
                             "thermostat calls for heat\n";
    EXPECT_EQ(ui.window.substr(0, head.size()), head);
    // The joint list ends the sequence: no tautology, no shared result.
    EXPECT_TRUE(ui.window.ends_with("thermostat calls for heat\nwater drips from the outside "
                                    "pipe\n\n"));
    ASSERT_EQ(ui.notes.size(), 3U);
    EXPECT_EQ(ui.notes[1].title, "Inconsistencies of Model Base");
    EXPECT_EQ(ui.notes[2], (Note{"Joint inconsistencies of Model Base and Rule Base",
                                 "Elementary Exact Model Base\n    MOboiler.EEB\nand Elementary "
                                 "Exact Rule Base\n    RUboiler.EEB\nhave no joint "
                                 "inconsistencies!"}));

    // The two askables displays of the Model Base.
    ui.log.clear();
    ASSERT_EQ(shell.run_command(10082), CommandResult::Completed);
    ASSERT_EQ(shell.run_command(10083), CommandResult::Completed);
    ASSERT_EQ(ui.log.size(), 2U);
    EXPECT_EQ(ui.log[0], "show_list: Askable conditions and arguments for model base MOboiler.EEB "
                         "| boiler is a combination boiler;flow rate in litres per minute;flow "
                         "temperature;heating hours per day;hot water hours per day;pressure "
                         "reading in bar;return temperature;thermostat calls for heat;");
    EXPECT_TRUE(ui.log[1].starts_with("show_list: Askable conditions and arguments for  rule base "
                                      "RUboiler.EEB and model base MOboiler.EEB | boiler is a "
                                      "combination boiler;display shows no lights;"));
}

class FaultyModelBase : public ::testing::Test {
  protected:
    TempTree tree;
    ScriptedDialogs ui;
    Shell shell{ui};

    void SetUp() override {
        shell.start();
        load_rules();
    }

    void load_rules() {
        tree.write("BASES/RUkb.EEB", "rule(1,\"alarm\",[\"pump on\",\"noise\"],0)\n"
                                     "rule(2,\"pump on\",[\"pressure high\"],0)\n");
        // Both offers and the single-condition listing are declined.
        ui.answer({tree.path("BASES/RUkb.EEB").string(), "n", "n", "n"});
        ASSERT_EQ(shell.run_command(10062), CommandResult::Completed);
    }

    void load(const std::string& contents, const std::vector<std::string>& more) {
        ui.notes.clear();
        ui.log.clear();
        ui.window.clear();
        tree.write("BASES/MOkb.EEB", contents);
        ui.answer({tree.path("BASES/MOkb.EEB").string()});
        ui.answers.insert(ui.answers.end(), more.begin(), more.end());
        shell.run_command(kLoadModelBase);
    }

    bool has_note(const std::string& title) const {
        for (const Note& note : ui.notes) {
            if (note.title == title) {
                return true;
            }
        }
        return false;
    }

    // A refused run never reaches its first dialogue, the level of detail.
    bool forward_chaining_runs() {
        ui.log.clear();
        ui.answer({"1"});
        try {
            shell.run_command(kForwardChaining);
        } catch (const ProgramClosed&) {
        }
        ui.answers.clear();
        for (const auto& line : ui.log) {
            if (line.find("Level of detail") != std::string::npos) {
                return true;
            }
        }
        return false;
    }
};

TEST_F(FaultyModelBase, EachFaultIsReportedByItsTestAndBarsChaining) {
    struct Case {
        const char* fault;
        std::string contents;
        std::vector<std::string> more;
        std::string note_title;
        bool model_loaded;
        bool rule_loaded;
        int enabled;        // 0: none expected
        bool bars_chaining; // a refused base alone leaves the Rule Base usable
    };
    const std::vector<Case> cases = {
        {"result among its own arguments",
         "model_b(1,\"No condition\",\"y\",\"y\",\"+\",\"1\",1)\n",
         {},
         "Diagnostic Report on model inconsistencies",
         false,
         true,
         10087,
         true},
        {"relational model behind the rule concluding its go-ahead condition",
         "model_b(4,\"pump on\",\"pressure high\",\"p\",\">\",\"10\",1)\n",
         {},
         "Diagnostic Report on joint model-rule inconsistencies",
         true,
         true,
         10088,
         true},
        {"relational model concluding what a rule concludes",
         "model_b(1,\"No condition\",\"alarm\",\"a\",\">\",\"b\",1)\n",
         {},
         "Error: same conclusions in rule- and model base",
         false,
         false,
         0,
         false},
        {"unknown operation",
         "model_b(1,\"No condition\",\"y\",\"a\",\"!=\",\"b\",1)\n",
         {},
         "Attention error!",
         false,
         true,
         0,
         false},
        {"declared value of a result",
         "model_b(1,\"No condition\",\"y\",\"a\",\"+\",\"b\",1)\nargument_known(\"y\",3)\n",
         {},
         "Non-askable arguments declared as 'known_arguments()",
         false,
         true,
         0,
         false},
        {"two models computing one result",
         "model_b(1,\"c1\",\"y\",\"a\",\"+\",\"b\",1)\nmodel_b(2,\"c2\",\"y\",\"a\",\"-\",\"b\",1)"
         "\n",
         {},
         "Attention!",
         true,
         true,
         0,
         true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.fault);
        load_rules();
        load(c.contents, c.more);
        EXPECT_TRUE(has_note(c.note_title));
        EXPECT_EQ(shell.state().kb.model.name.has_value(), c.model_loaded);
        EXPECT_EQ(shell.state().kb.rule.name.has_value(), c.rule_loaded);
        if (c.enabled != 0) {
            EXPECT_TRUE(shell.state().commands.enabled(c.enabled));
        }
        // A refused read is not mistaken for a file with empty lines.
        EXPECT_EQ(ui.window.find("has empty lines"), std::string::npos);
        if (c.rule_loaded) {
            EXPECT_EQ(forward_chaining_runs(), !c.bars_chaining);
        }
    }
}

TEST_F(FaultyModelBase, TheDiagnosticCommandsReportWhatLoadingFound) {
    load("model_b(1,\"No condition\",\"y\",\"y\",\"+\",\"1\",1)\n", {});
    ui.window.clear();
    ui.answer({"2"}); // no report file
    ASSERT_EQ(shell.run_command(10087), CommandResult::Completed);
    EXPECT_EQ(ui.window.rfind(" Diagnostic Report on model inconsistencies \n MOkb.EEB\n\n", 0),
              0U);
    EXPECT_NE(ui.window.find(" The result 'y' of model 1\n is the same as its argument.\n"),
              std::string::npos);
    // The report discards the refused models.
    EXPECT_TRUE(shell.state().kb.model.basic.empty());

    load_rules();
    load("model_b(4,\"pump on\",\"pressure high\",\"p\",\">\",\"10\",1)\n", {});
    ui.window.clear();
    ui.answer({"2"});
    ASSERT_EQ(shell.run_command(10088), CommandResult::Completed);
    EXPECT_NE(ui.window.find(" Relational model  4 is jointly inconsistent with rule 2\n"),
              std::string::npos);
}

TEST_F(FaultyModelBase, ATautologicalModelOnlyAdvises) {
    load("model_b(1,\"No condition\",\"y\",\"a\",\"+\",\"0\",1)\n", {"n"});
    EXPECT_TRUE(shell.state().kb.model.name.has_value());
    EXPECT_NE(ui.window.find("to another variable name. Such model is a tautology.\n"),
              std::string::npos);
    EXPECT_TRUE(forward_chaining_runs());
}

} // namespace
} // namespace orve::test
