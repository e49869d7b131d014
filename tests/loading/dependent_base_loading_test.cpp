// Loading of the Model, Constraint, Advice, Graphics and Sound Bases after a
// Rule Base: compatibility, media folders, checks and read-error fallbacks.
#include "app/shell.hpp"
#include "support/scripted_dialogs.hpp"
#include "support/temp_tree.hpp"

#include <gtest/gtest.h>

namespace orve::test {
namespace {

class DependentBaseLoading : public ::testing::Test {
  protected:
    TempTree tree;
    ScriptedDialogs ui;
    Shell shell{ui};

    void SetUp() override {
        shell.start();
        tree.write("BASES/RUboiler.EEB", "rule(1,\"pump on\",[\"pressure low\",\"valve open\"],0)\n"
                                         "rule(2,\"alarm\",[\"pump on\",\"noise\"],0)\n");
        ui.answer({tree.path("BASES/RUboiler.EEB").string(), "n", "n"});
        ASSERT_EQ(shell.run_command(10062), CommandResult::Completed);
        ui.notes.clear();
        ui.log.clear();
    }

    // `more`: the answers after the file dialogue's.
    CommandResult load(int id, const std::string& file, const std::string& contents,
                       const std::vector<std::string>& more = {}) {
        tree.write("BASES/" + file, contents);
        ui.answer({tree.path("BASES/" + file).string()});
        ui.answers.insert(ui.answers.end(), more.begin(), more.end());
        return shell.run_command(id);
    }
};

TEST_F(DependentBaseLoading, EachKindLoadsWithItsMessagesAndEnablesItsCommands) {
    tree.write("ADVICES/boiler/a1.hlp", "Check the pump.");
    tree.write("GRAPHICS/boiler/pump.BMP", "BM");
    tree.write("SOUNDS/boiler/beep.wav", "RIFF");
    struct Case {
        int id;
        std::string file;
        std::string contents;
        std::string window;
        Note note;
        int enabled;
    };
    const std::vector<Case> cases = {
        {10074,
         "MOboiler.EEB",
         "m_fact(\"noise\")\n",
         "Model base MOboiler.EEB\nhas been loaded!\n",
         {"Successful  loading of Model Base",
          "Elementary Exact Model Base\n    MOboiler.EEB\nhas been loaded!"},
         10081},
        {10090,
         "COboiler.EEB",
         "constraint(1,[\"pressure low\",\"noise\"])\n",
         "Elementary Exact Constraint Base COboiler.EEB\nhas been loaded!\n"
         "The Rule Base and Constraint Base may be tested for\njoint inconsistencies.\n"
         "This test may take a lot of time for large and heavily nested \nrule bases. \n\n"
         "This test should be used while developing or modifying rule bases.\n"
         "For routine uses of the rule- and constraint bases the test should\nbe bypassed.\n\n"
         "Keep in mind that joint rule- and constraint base inconsistencies\n"
         "do not lead to infinite loops; however, rules jointly inconsistent\n"
         "are just bypassed in the chaining process and this is perhaps not\n"
         "what the rule base designer intended to achieve.\n\n"
         "The Rule Base and Constraint Base may be tested for joint  redundancies.\n"
         "This test may take a lot of time for large and heavily nested \nrule bases. \n\n"
         "This test should be used while developing or modifying rule bases.\n"
         "For routine uses of the rule- and constraint bases the test should\nbe bypassed.\n\n",
         {"Successful  loading of Constraint Base",
          "Elementary Exact Constraint Base\n    COboiler.EEB\nhas been loaded!"},
         10093},
        {10100,
         "ADboiler.EEB",
         "advice(1,\"a1.hlp\")\n",
         "Advice Base ADboiler.EEB\nhas been loaded!\n",
         {"Successful  loading of Advice Base!",
          "Elementary Exact Advice Base\n    ADboiler.EEB\nhas been loaded!"},
         10105},
        {10112,
         "GRboiler.EEB",
         "graphics(1,\"pump\")\n",
         "Graphics Base GRboiler.EEB\n has been loaded!\n",
         {"Successful  loading of Graphics Base!",
          "Graphics Base\n    GRboiler.EEB\nhas been loaded!"},
         10117},
        {10123,
         "SOboiler.EEB",
         "sounds(2,\"beep.wav\")\n",
         "Sound Base SOboiler.EEB\nhas been loaded!\n",
         {"Successful  loading of Sound Base!", "Sound Base\n    SOboiler.EEB\nhas been loaded!"},
         10128},
    };
    for (const auto& c : cases) {
        ui.notes.clear();
        // The joint test offers of the Constraint Base are declined.
        const std::vector<std::string> declined =
            c.id == 10090 ? std::vector<std::string>{"n", "n"} : std::vector<std::string>{};
        ASSERT_EQ(load(c.id, c.file, c.contents, declined), CommandResult::Completed) << c.file;
        // The Model Base goes on with its tests (see model_base_loading_test.cpp).
        const bool model = c.id == 10074;
        EXPECT_EQ(model ? ui.window.substr(0, c.window.size()) : ui.window, c.window);
        ASSERT_EQ(ui.notes.size(), model ? 3U : 1U) << c.file;
        EXPECT_EQ(ui.notes[0], c.note);
        EXPECT_TRUE(shell.state().commands.enabled(c.enabled)) << c.file;
    }
    const KnowledgeBaseSet& kb = shell.state().kb;
    EXPECT_EQ(kb.model.m_facts, (Names{"noise"}));
    EXPECT_EQ(kb.constraint.constraints.size(), 1U);
    EXPECT_EQ(kb.advice.folder, "../ADVICES/boiler");
    EXPECT_EQ(kb.graphics.folder, "../GRAPHICS/boiler");
    EXPECT_EQ(kb.sound.clauses.at(0).file, "beep.wav");
}

TEST_F(DependentBaseLoading, BaseOfAnotherKnowledgeBaseIsRefused) {
    for (const std::string file : {"MOpump.EEB", "MOBoiler.EEB"}) {
        ui.notes.clear();
        ASSERT_EQ(load(10074, file, "m_fact(\"noise\")\n"), CommandResult::Completed);
        EXPECT_FALSE(shell.state().kb.model.name) << file;
        EXPECT_EQ(ui.window, " The chosen base \n\n      " + file +
                                 "\n\n is not compatible with the already loaded elementary exact "
                                 "rule base\n   \n\n      RUboiler.EEB\n\n and therefore can not "
                                 "be loaded.\n\n");
        ASSERT_EQ(ui.notes.size(), 1U);
        EXPECT_EQ(ui.notes[0].title, "Attention error!");
    }
}

TEST_F(DependentBaseLoading, AdviceBaseWithoutAdviceTextsIsRefused) {
    tree.write("ADVICES/boiler/readme.txt", "not an advice text");
    ASSERT_EQ(load(10100, "ADboiler.EEB", "advice(1,\"a1.hlp\")\n"), CommandResult::Completed);
    EXPECT_FALSE(shell.state().kb.advice.name);
    EXPECT_TRUE(shell.state().kb.advice.clauses.empty());
    EXPECT_EQ(ui.window, "No subdirectory with advice Text Files for\nKnowledge Base boiler\n"
                         "Therefore the advice base can not be loaded.\n");
    ASSERT_EQ(ui.notes.size(), 1U);
    EXPECT_EQ(ui.notes[0],
              (Note{"Attention error!", "No subdirectory with advice Text Files for Knowledge Base "
                                        "boiler.\nTherefore the advice base can not be loaded."}));
}

TEST_F(DependentBaseLoading, ShortConstraintDiscardsTheConstraintBase) {
    ASSERT_EQ(load(10090, "COboiler.EEB", "constraint(1,[\"noise\"])\n"), CommandResult::Completed);
    EXPECT_FALSE(shell.state().kb.constraint.name);
    EXPECT_TRUE(shell.state().kb.constraint.constraints.empty());
    EXPECT_EQ(ui.notes.back().title, "Attention error!");
    EXPECT_EQ(ui.window.find("has been loaded!"), std::string::npos);
}

TEST_F(DependentBaseLoading, ReadErrorsUseTheBaseOwnRepairTexts) {
    ASSERT_EQ(load(10090, "COboiler.EEB", "constraint(1,[\"noise\",\"valve open\"])\n\n"),
              CommandResult::Completed);
    EXPECT_EQ(ui.window, "Constraint Base error while reading base. \n"
                         "Constraint Base has empty lines!\n"
                         "Enter 'Constraint Base',\n"
                         "choose option 'Constraint Base Editing', \n"
                         "choose faulty base and remove empty lines\n"
                         "which are often found at the end of the base.\n"
                         "Line 2 is empty.\n");
    EXPECT_EQ(ui.notes.back(),
              (Note{"Attention error!",
                    "Constraint Base error while reading base.\nConstraint Base has empty lines!\n"
                    "Enter 'Exact Constraint Base',\nchoose option 'Constraint Base Editing'\n"
                    "choose faulty base and remove empty lines which are\noften found at the end "
                    "of the base.\n\nLine 2 is empty."}));

    // A syntax error is remembered until the next Rule Base load: even a
    // cancelled load of another kind repeats its repair instructions.
    ASSERT_EQ(load(10074, "MOboiler.EEB", "rule(1,\"a\",[\"b\",\"c\"],0)\n"),
              CommandResult::Completed);
    EXPECT_EQ(ui.notes.back().title, "Attention error!");
    ui.msg_clear();
    ui.answer({""});
    ASSERT_EQ(shell.run_command(10123), CommandResult::Completed);
    EXPECT_EQ(ui.window, "Enter 'Sound Base',\nchoose option 'Sound Base Editing', \n"
                         "choose faulty base and remove error.\n");
    EXPECT_EQ(ui.notes.back(),
              (Note{"Attention error!", "Enter 'Sound Base', \nchoose option 'Sound Base Editing', "
                                        "\nchoose faulty base and remove error."}));
}

TEST_F(DependentBaseLoading, ABaseRefusedOnReadingLeavesNothingInItsTables) {
    tree.write("ADVICES/boiler/a1.hlp", "Check the pump.");
    tree.write("GRAPHICS/boiler/pump.bmp", "BM");
    tree.write("SOUNDS/boiler/beep.wav", "RIFF");
    const struct {
        int id;
        std::string file;
        std::string first_line;
        bool (*tables_empty)(const KnowledgeBaseSet&);
    } kinds[] = {
        {10074, "MOboiler.EEB", "m_fact(\"noise\")",
         [](const KnowledgeBaseSet& kb) { return kb.model.m_facts.empty(); }},
        {10090, "COboiler.EEB", "constraint(1,[\"pressure low\",\"noise\"])",
         [](const KnowledgeBaseSet& kb) { return kb.constraint.constraints.empty(); }},
        {10100, "ADboiler.EEB", "advice(1,\"a1.hlp\")",
         [](const KnowledgeBaseSet& kb) { return kb.advice.clauses.empty(); }},
        {10112, "GRboiler.EEB", "graphics(1,\"pump\")",
         [](const KnowledgeBaseSet& kb) { return kb.graphics.clauses.empty(); }},
        {10123, "SOboiler.EEB", "sounds(1,\"beep.wav\")",
         [](const KnowledgeBaseSet& kb) { return kb.sound.clauses.empty(); }},
    };
    // An empty line and a syntax error on line 2.
    for (const std::string second_line : {"\n\n", "nonsense(\n"}) {
        for (const auto& kind : kinds) {
            ASSERT_EQ(load(kind.id, kind.file, kind.first_line + "\n" + second_line),
                      CommandResult::Completed);
            EXPECT_TRUE(kind.tables_empty(shell.state().kb)) << kind.file << second_line;
        }
    }
    EXPECT_FALSE(shell.state().kb.model.name || shell.state().kb.constraint.name ||
                 shell.state().kb.advice.name || shell.state().kb.graphics.name ||
                 shell.state().kb.sound.name);
}

TEST_F(DependentBaseLoading, RepeatedAdviceNumbersBarChainingUntilTheAdviceBaseIsReloaded) {
    tree.write("ADVICES/boiler/a1.hlp", "Check the pump.");
    tree.write("SOUNDS/boiler/beep.wav", "RIFF");
    ASSERT_EQ(load(10100, "ADboiler.EEB", "advice(1,\"a1.hlp\")\nadvice(1,\"a2.hlp\")\n"),
              CommandResult::Failed);
    EXPECT_EQ(ui.notes.back().title, "Faulty Advice Base");
    // Loading another kind does not forget the advice numbering fault.
    EXPECT_EQ(load(10123, "SOboiler.EEB", "sounds(2,\"beep.wav\")\n"), CommandResult::Completed);
    EXPECT_TRUE(shell.state().findings.numbers_not_unique());
    ASSERT_EQ(load(10100, "ADboiler.EEB", "advice(1,\"a1.hlp\")\n"), CommandResult::Completed);
    EXPECT_FALSE(shell.state().findings.numbers_not_unique());
}

} // namespace
} // namespace orve::test
