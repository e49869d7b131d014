// The inspection commands: notes for a kind without clauses, the base files
// shown as text, and the browsers they open.
#include "support/scripted_dialogs.hpp"
#include "support/temp_tree.hpp"
#include "ui/base_inspection.hpp"

#include <filesystem>
#include <functional>

#include <gtest/gtest.h>

namespace orve::test {
namespace {

using Command = std::function<bool(AppState&, Dialogs&)>;

// A Rule Base, a Model Base with only basic models and a Constraint Base with
// no constraints, all loaded.
AppState loaded_bases() {
    AppState state;
    state.kb.rule.name = BaseName{"RUtiny.EEB", "RUtiny.EEB"};
    state.kb.rule.rules = {{1, "a", {"b"}, 0}};
    state.kb.model.name = BaseName{"MOtiny.EEB", "MOtiny.EEB"};
    state.kb.model.basic = {{1, "No condition", "x", "y", "+", "1", 1}};
    state.kb.constraint.name = BaseName{"COtiny.EEB", "COtiny.EEB"};
    return state;
}

TEST(BaseInspection, NotesForAKindWithoutClauses) {
    struct Case {
        const char* what;
        Command command;
        std::function<void(AppState&)> change;
        Note note;
    };
    const auto none = [](AppState&) {};
    const Case cases[] = {
        {"no rules",
         inspect_single_rule,
         [](AppState& s) { s.kb.rule.rules.clear(); },
         {"Attention error!", "No rules in the rule base!"}},
        {"all rules, no rules",
         inspect_all_rules,
         [](AppState& s) { s.kb.rule.rules.clear(); },
         {"Attention error!", "No rules in the rule base!"}},
        // Rules left behind by a refused load do not count.
        {"no Rule Base",
         inspect_single_rule,
         [](AppState& s) { s.kb.rule.name.reset(); },
         {"Attention error!", "No rules in the rule base!"}},
        {"extended",
         inspect_extended_models,
         none,
         {"Attention!", "The Model Base contains no extended models!"}},
        {"linear",
         inspect_linear_models,
         none,
         {"Attention!", "The Model Base contains no linear models!"}},
        {"polynomial",
         inspect_polynomial_models,
         none,
         {"Attention!", "The Model Base contains no polynomial models!"}},
        {"basic",
         inspect_basic_models,
         [](AppState& s) { s.kb.model.basic.clear(); },
         {"Attention!", "The Model Base contains no basic models!!"}},
        {"no Model Base",
         inspect_basic_models,
         [](AppState& s) { s.kb.model.name.reset(); },
         {"Attention!", "The Model Base contains no basic models!!"}},
        {"all models",
         inspect_all_models,
         [](AppState& s) { s.kb.model.basic.clear(); },
         {"Attention!", "The Model Base contains no models!"}},
        {"constraint",
         inspect_single_constraint,
         none,
         {"Attention!", "No constraints in the Constraint Bbase !"}},
        {"all constraints",
         inspect_all_constraints,
         none,
         {"Attention!", "No constraints in the Constraint Bbase !"}},
    };
    for (const Case& c : cases) {
        AppState state = loaded_bases();
        c.change(state);
        ScriptedDialogs ui;
        EXPECT_TRUE(c.command(state, ui)) << c.what;
        EXPECT_EQ(ui.notes, std::vector<Note>{c.note}) << c.what;
        EXPECT_EQ(ui.log.size(), 1U) << c.what; // the note and nothing else
        EXPECT_TRUE(ui.window.empty()) << c.what;
    }
}

TEST(BaseInspection, AllModelsWithoutAModelBaseFails) {
    AppState state = loaded_bases();
    state.kb.model.name.reset();
    ScriptedDialogs ui;
    EXPECT_FALSE(inspect_all_models(state, ui));
    EXPECT_EQ(ui.window, " No Model Base for inspection.\n");
    EXPECT_EQ(ui.notes, (std::vector<Note>{{"Attention!", "No Model Base for inspection!"}}));
}

TEST(BaseInspection, MediaBasesShowTheirFileOrSayWhyNot) {
    struct Case {
        Command command;
        MediaBase KnowledgeBaseSet::*base;
        const char* file;
        std::string title;
        std::string none_written;
        Note none;
        Note no_clauses;
    };
    const Case cases[] = {
        {inspect_advice_base,
         &KnowledgeBaseSet::advice,
         "ADtiny.EEB",
         "Inspection of Advice Base: ADtiny.EEB",
         " No Advice Base for inspection.\n",
         {"Attention!", "No Advice Base for inspection!"},
         {"Attention!", "No advices in the Advice Base !"}},
        {inspect_graphics_base,
         &KnowledgeBaseSet::graphics,
         "GRtiny.EEB",
         "Inspecting graphics file GRtiny.EEB",
         " No graphics file for inspection!\n",
         {"Attention!", "No graphics file for inspection!"},
         {"Attention!", "No graphics files in the Graphics Base !"}},
        {inspect_sound_base,
         &KnowledgeBaseSet::sound,
         "SOtiny.EEB",
         "Sound Base loading SOtiny.EEB",
         " No Sound Base for inspection\n",
         {"Attention!", "No Sound Base for inspection"},
         {"Attention!", "No Sound files in the Sound Base !"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        const TempTree tree;
        AppState state;
        {
            ScriptedDialogs ui;
            EXPECT_FALSE(c.command(state, ui));
            EXPECT_EQ(ui.window, c.none_written);
            EXPECT_EQ(ui.notes, std::vector<Note>{c.none});
        }
        MediaBase& base = state.kb.*c.base;
        base.name = BaseName{c.file, tree.write(c.file, "advice(1,\"a1.hlp\")\n").string()};
        {
            ScriptedDialogs ui;
            EXPECT_TRUE(c.command(state, ui));
            EXPECT_EQ(ui.notes, std::vector<Note>{c.no_clauses});
        }
        base.clauses.push_back({});
        ScriptedDialogs ui;
        EXPECT_TRUE(c.command(state, ui));
        EXPECT_TRUE(ui.notes.empty());
        ASSERT_FALSE(ui.log.empty());
        EXPECT_EQ(ui.log.front(), "show_text: " + c.title + " | advice(1,\"a1.hlp\")\n");
    }
}

TEST(BaseInspection, BrowsersOpenOnTheLoadedClauses) {
    AppState state = loaded_bases();
    state.kb.constraint.constraints = {{1, {"hot", "cold"}}};
    ScriptedDialogs ui;
    EXPECT_TRUE(inspect_single_rule(state, ui));
    EXPECT_TRUE(inspect_basic_models(state, ui));
    EXPECT_TRUE(inspect_single_constraint(state, ui));
    EXPECT_EQ(ui.log, (std::vector<std::string>{"browse_records: Inspection of rules",
                                                "browse_records: Inspection of basic models",
                                                "browse_records: Inspection of constraints"}));
    ASSERT_EQ(ui.browsers.size(), 3U);
    EXPECT_EQ(ui.browsers[2].numbers, std::vector<int>{1});
}

class WholeBaseText : public ::testing::Test {
  protected:
    TempTree tree;
    ScriptedDialogs ui;
    AppState state = loaded_bases();

    void SetUp() override {
        state.kb.rule.name->full_path = tree.write("RUtiny.EEB", "rule(1,\"a\",[\"b\"],0)\n");
        state.kb.model.name->full_path = tree.write(
            "MOtiny.EEB", "\xEF\xBB\xBFmodel_b(1,\"No condition\",\"x\",\"y\",\"+\",\"1\",1)");
        state.kb.constraint.constraints = {{1, {"hot", "cold"}}};
        state.kb.constraint.name->full_path =
            tree.write("COtiny.EEB", "constraint(1,[\"hot\",\"cold\"])\r\n");
    }
};

TEST_F(WholeBaseText, EachBaseFileIsShownAsItIs) {
    EXPECT_TRUE(inspect_all_rules(state, ui));
    EXPECT_TRUE(inspect_all_models(state, ui));
    EXPECT_TRUE(inspect_all_constraints(state, ui));
    // The Model Base's title is the main window's too while it is shown; closing
    // any text window gives the main window back its plain title.
    EXPECT_EQ(ui.log,
              (std::vector<std::string>{
                  "show_text: Inspection of Rule Base  RUtiny.EEB | rule(1,\"a\",[\"b\"],0)\n",
                  "title: orve_EE", "title: Inspection of model base: MOtiny.EEB",
                  "show_text: Inspection of model base: MOtiny.EEB | "
                  "model_b(1,\"No condition\",\"x\",\"y\",\"+\",\"1\",1)",
                  "title: orve_EE",
                  "show_text: Inspection of Constraint Base: COtiny.EEB | "
                  "constraint(1,[\"hot\",\"cold\"])\r\n",
                  "title: orve_EE"}));
}

TEST_F(WholeBaseText, AFileGoneSinceLoadingEndsWithANote) {
    std::filesystem::remove(state.kb.model.name->full_path);
    std::filesystem::remove(state.kb.rule.name->full_path);
    std::filesystem::create_directory(state.kb.rule.name->full_path); // a folder in its place
    EXPECT_FALSE(inspect_all_models(state, ui));
    EXPECT_FALSE(inspect_all_rules(state, ui));
    ASSERT_EQ(ui.notes.size(), 2U);
    EXPECT_EQ(ui.notes[0].title, "Attention error!");
    EXPECT_TRUE(ui.notes[0].text.starts_with("The base MOtiny.EEB could not be read.\n"))
        << ui.notes[0].text;
    EXPECT_NE(ui.notes[1].text.find("RUtiny.EEB"), std::string::npos) << ui.notes[1].text;
    EXPECT_EQ(ui.main_title, ""); // unchanged: no window was opened
}

} // namespace
} // namespace orve::test
