#include "support/scripted_dialogs.hpp"
#include "verify/exclusivity.hpp"
#include "verify_fixture.hpp"

#include <gtest/gtest.h>

namespace orve {
namespace {

using test::checked_state;
using test::load_constraints;
using test::Note;
using test::rule;
using test::ScriptedDialogs;

struct Analysis {
    std::string rows;        // the message window from the first result heading on
    std::vector<Note> notes; // the notes after the announcement
};

// Runs an analysis of `kind` picking the rules at the given 1-based positions.
Analysis analyse(AppState state, int kind, const std::string& picks) {
    ScriptedDialogs ui;
    ui.answer({picks});
    EXPECT_TRUE(analiza_bazy_wiedzy(state, ui, kind));
    const auto heading = ui.window.find("\nThe following");
    return {heading == std::string::npos ? "" : ui.window.substr(heading),
            std::vector<Note>(ui.notes.begin() + 1, ui.notes.end())};
}

AppState with_constraint(std::vector<Rule> rules, Names constraint) {
    AppState state = checked_state(std::move(rules));
    load_constraints(state, {{1, std::move(constraint)}});
    return state;
}

struct Case {
    const char* label;
    std::vector<Rule> rules;
    int kind;
    std::string picks;
    std::string rows;
};

TEST(ExclusivityAnalysis, WritesEveryRowThatHolds) {
    const std::vector<Rule> sharing = {rule(1, "x", {"a", "b"}), rule(2, "y", {"b", "c"})};
    const std::vector<Rule> apart = {rule(1, "x", {"a"}), rule(2, "y", {"c"})};
    const std::vector<Rule> outside = {rule(1, "x", {"a"}), rule(2, "y", {"b"})};
    const std::vector<Rule> longer = {rule(1, "x", {"a", "b"}), rule(2, "y", {"c", "b", "d"})};
    const std::string two_rules = "Rule number:  1    Conclusion:  x\n"
                                  "Rule number:  2    Conclusion:  y\n";
    const Case cases[] = {
        {"exclusive to one", apart, 1, "1 2",
         "\nThe following rules have conclusions exclusive to one:\n\n"
         "Rule number: 1    Conclusion:   x\nRule number: 2    Conclusion:   y\n"},
        {"to one with a shared condition", sharing, 1, "1 2",
         "\nThe following rules have no conclusions exclusive to one:\n\n" + two_rules},
        {"to one with a condition outside every list", outside, 1, "1 2",
         "\nThe following rules have no conclusions exclusive to one:\n\n" + two_rules},
        {"to one, shared condition and different lengths", longer, 1, "1 2",
         "\nThe following rules have no conclusions exclusive to one:\n\n" + two_rules +
             "\nThe following rules have no conclusions exclusive to one:\n\n" + two_rules},
        {"to none, shared condition and different lengths", longer, 2, "1 2",
         "\nThe following rules have conclusions exclusive to none:\n\n" + two_rules +
             "\nThe following rules have  conclusions exclusive to none:\n\n" + two_rules},
        {"to none without shared conditions", apart, 2, "1 2",
         "\nThe following rules have no exclusive conclusions:\n\n" + two_rules},
        {"non-exclusion: the other rule's condition is false", sharing, 3, "1 2",
         "\nThe following rules have exclusive conclusions: \n\n" + two_rules},
        {"non-exclusion failed", outside, 3, "1 2",
         "\nThe following rules have no exclusive conclusions: \n\n" + two_rules},
        {"non-exclusion, nothing shared", apart, 3, "1 2",
         "\nThe following rules have exclusive conclusions: \n\n" + two_rules},
        {"nothing picked, to one", apart, 1, "",
         "\nThe following rules have conclusions exclusive to one:\n\n"},
        {"nothing picked, to none", apart, 2, "",
         "\nThe following rules have no exclusive conclusions:\n\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        EXPECT_EQ(analyse(with_constraint(c.rules, {"a", "c"}), c.kind, c.picks).rows, c.rows);
    }
}

TEST(ExclusivityAnalysis, AnnouncesAndNotesEveryRuleOfARow) {
    AppState state = with_constraint({rule(1, "x", {"a"}), rule(2, "y", {"c"})}, {"a", "c"});
    ScriptedDialogs ui;
    ui.answer({"1 2"});
    ASSERT_TRUE(analiza_bazy_wiedzy(state, ui, 1));
    EXPECT_EQ(ui.window.substr(0, ui.window.find("\nThe following")),
              " An 'exclusive to one' test will be performed for selected conclusion. \n"
              " This test discovers whether always one and only one conclusion is true. \n");
    EXPECT_EQ(ui.log.at(1), "pick_facts: Pick conclusions tested for exclusivity! | Pick "
                            "conclusions tested for exclusivity");
    const char* const title = "The following rules have conclusions exclusive to one:";
    EXPECT_EQ(ui.notes,
              (std::vector<Note>{{"Attention!", "An 'exclusive to one' test will be performed "
                                                "for selected conclusion.  \nThis test discovers "
                                                "whether always one and only one conclusion is "
                                                "true. "},
                                 {title, "Rule number:  1    Conclusion:   x"},
                                 {title, "Rule number:  2    Conclusion:   y"}}));

    const Analysis other =
        analyse(with_constraint({rule(1, "x", {"a", "b"}), rule(2, "y", {"b", "c"})}, {"a", "c"}),
                3, "1 2");
    EXPECT_EQ(other.notes, (std::vector<Note>{{"The following rules have exclusive conclusions:",
                                               "Rule number:  1    Conclusion: x"},
                                              {"The following rules have exclusive conclusions:",
                                               "Rule number:  2    Conclusion: y"}}));
}

TEST(ExclusivityAnalysis, NeedsConstraintsOrExclusiveModels) {
    AppState state = checked_state({rule(1, "x", {"a"}), rule(2, "y", {"c"})});
    ScriptedDialogs ui;
    ASSERT_TRUE(analiza_bazy_wiedzy(state, ui, 2));
    EXPECT_EQ(ui.notes, (std::vector<Note>{{"Attention!", "To run an 'exclusive to one' test, the "
                                                          "constraint base and/or model base\n"
                                                          "corresponding to the loaded rule "
                                                          "base  has to be loaded. \nLoad the "
                                                          "necessary constraint and/or model "
                                                          "base"}}));
    EXPECT_EQ(ui.log.size(), 1U);

    // With a Model Base alone its exclusive lists decide; a condition in none
    // of them leaves the situation unjudged and the analysis without results.
    state.kb.model.name = BaseName{"MOboiler.EEB", "/bases/MOboiler.EEB"};
    state.kb.model.exclusive_models = {{"a", "c"}};
    ScriptedDialogs models;
    models.answer({"1 2"});
    ASSERT_TRUE(analiza_bazy_wiedzy(state, models, 1));
    EXPECT_EQ(models.notes.front().text,
              "An 'exclusive to one' test will be performed for selected conclusion. \nThis test "
              "discovers whether always one and only one conclusion is true.");
    EXPECT_NE(models.window.find("have conclusions exclusive to one:"), std::string::npos);

    state.kb.model.exclusive_models = {{"a", "d"}};
    ScriptedDialogs unjudged;
    unjudged.answer({"1 2"});
    EXPECT_FALSE(analiza_bazy_wiedzy(state, unjudged, 1));
    EXPECT_EQ(unjudged.window.find("The following"), std::string::npos);
}

TEST(ExclusivityAnalysis, OffersOnlyConsistentRules) {
    AppState state = with_constraint({rule(1, "x", {"a"}), rule(2, "y", {"c"})}, {"a", "c"});
    state.findings.reguly_sprzeczne_dla_analizy = {1};
    const Analysis analysis = analyse(state, 3, "1");
    EXPECT_EQ(analysis.rows, "\nThe following rules have exclusive conclusions: \n\n"
                             "Rule number:  2    Conclusion:  y\n");
}

} // namespace
} // namespace orve
