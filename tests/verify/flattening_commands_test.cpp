#include "verify/flattening_commands.hpp"

#include "support/scripted_dialogs.hpp"
#include "verify_fixture.hpp"

#include <gtest/gtest.h>

namespace orve {
namespace {

using test::checked_state;
using test::Note;
using test::rule;
using test::ScriptedDialogs;

// Also keeps the lines offered by the rule pick dialogue.
class PickRecordingDialogs : public ScriptedDialogs {
  public:
    std::vector<std::string> offered;
    std::optional<int> pick_line(const PickList& dialog) override {
        offered = dialog.lines;
        return ScriptedDialogs::pick_line(dialog);
    }
};

std::vector<Rule> nested_rules() {
    return {rule(1, "k", {"c1", "c2"}), rule(4, "c1", {"a1", "a2"}), rule(7, "c2", {"b1"}),
            rule(10, "x", {"b1"}), rule(2, "m", {"a1"})};
}

const char* const kAllTitle =
    "Flattened rules: Number, Conclusion, List of askable condition, Rules used for flattening";
const char* const kChosenTitle =
    "Flattened rule: Nr, Conclusion, List of askable conditions, Rules used for flattening";
const Note kNoMore{"Attention!", "There are no more flattened rules!"};

TEST(FlatteningAllRules, ListsEveryVersionAskingAfterEach) {
    AppState state = checked_state(nested_rules());
    ScriptedDialogs ui;
    ui.answer({"y", "y", "y", "y", "y"});

    ASSERT_TRUE(flatten_all_rules(state, ui));

    const std::string heading =
        "Nr  Conclusion  List of askable conditions  Rules used for flattening\n\n";
    EXPECT_EQ(ui.window, "Results of flattening rule base RUboiler.EEB\n\n" + heading +
                             "1 k [\"b1\",\"a1\",\"a2\"] [4,7]\n"
                             "4 c1 [\"a2\",\"a1\"] []\n"
                             "7 c2 [\"b1\"] []\n"
                             "10 x [\"b1\"] []\n"
                             "2 m [\"a1\"] []\n");
    EXPECT_EQ(state.report.text, heading);
    EXPECT_EQ(ui.log.front(), std::string("yes_no: ") + kAllTitle +
                                  " | 1. k [\"b1\",\"a1\",\"a2\"] [4,7]\n\nNext flattened rule?");
    EXPECT_EQ(ui.notes, std::vector<Note>{kNoMore});
}

TEST(FlatteningAllRules, NoEndsAtOnceAndInconsistentRulesAreLeftOut) {
    AppState state = checked_state(nested_rules());
    ScriptedDialogs ui;
    ui.answer({"n"});
    ASSERT_TRUE(flatten_all_rules(state, ui));
    EXPECT_TRUE(ui.notes.empty());
    EXPECT_EQ(ui.log.size(), 1U);

    state.findings.reguly_sprzeczne_dla_analizy = {1, 4, 4, 7, 10};
    state.findings.sprzecznosc_1z = true;
    ScriptedDialogs later;
    later.answer({"y"});
    ASSERT_TRUE(flatten_all_rules(state, later));
    EXPECT_EQ(later.log.front(),
              std::string("yes_no: ") + kAllTitle + " | 2. m [\"a1\"] []\n\nNext flattened rule?");
    EXPECT_EQ(later.notes,
              (std::vector<Note>{{"Attention!", "Externally inconsistent rules may not be "
                                                "flattened!"}}));
}

TEST(FlatteningChosenRule, ShowsTheVersionsOfThePickedRule) {
    AppState state = checked_state(
        {rule(1, "k", {"c"}), rule(2, "c", {"a"}), rule(3, "c", {"b"}), rule(10, "x", {"a"})});
    state.findings.reguly_sprzeczne_dla_analizy = {3};
    PickRecordingDialogs ui;
    ui.answer({"1", "y", "n"});

    ASSERT_TRUE(flatten_chosen_rule(state, ui));

    EXPECT_EQ(ui.offered, (std::vector<std::string>{"1  k", "10  x", "2  c"}));
    EXPECT_EQ(ui.log.front(),
              "pick_line: Pick a rule for flattening | Rule number              Rule conclusion");
    const std::string report = "Results of flattening rule 1:\n\n"
                               "Nr  Conclusion     List of askable conditions          Rules used "
                               "for flattening\n\n";
    EXPECT_EQ(state.report.text, report);
    EXPECT_EQ(ui.window, report + "1 k [\"a\"] [2]\n1 k [\"b\"] [3]\n");
    EXPECT_EQ(ui.log.at(2), std::string("yes_no: ") + kChosenTitle +
                                " | 1. k [\"b\"] [3]\n\nDo you wish to see the next flattened "
                                "rule?");
    EXPECT_TRUE(ui.notes.empty()) << "No ends the command without a note";
}

TEST(FlatteningChosenRule, LastVersionOrCancelEndsWithTheNote) {
    AppState state = checked_state({rule(1, "k", {"a"})});
    ScriptedDialogs ui;
    ui.answer({"1", "y"});
    ASSERT_TRUE(flatten_chosen_rule(state, ui));
    EXPECT_EQ(ui.notes, std::vector<Note>{kNoMore});

    ScriptedDialogs cancelled;
    cancelled.answer({""});
    ASSERT_TRUE(flatten_chosen_rule(state, cancelled));
    EXPECT_EQ(cancelled.window, "");
    EXPECT_EQ(cancelled.notes, std::vector<Note>{kNoMore});
}

} // namespace
} // namespace orve
