// Long verification tests report their progress, and a test the user cancels
// leaves the state the declined offer would have left.
#include "app/shell.hpp"
#include "support/scripted_dialogs.hpp"
#include "support/temp_tree.hpp"
#include "verify/exclusivity.hpp"
#include "verify/flattening_commands.hpp"
#include "verify_fixture.hpp"

#include <gtest/gtest.h>

namespace orve::test {
namespace {

// Rules 1 and 2 conclude each other; rules 5 and 6 share a conclusion, one's
// conditions among the other's; rule 3 needs both conditions of constraint 2;
// rules 7 and 8 differ only in the conditions of constraint 1.
const char* const kRules = "rule(1,\"p\",[\"q\"],0)\n"
                           "rule(2,\"q\",[\"p\"],0)\n"
                           "rule(3,\"m\",[\"a\",\"b\"],0)\n"
                           "rule(4,\"n\",[\"c\"],0)\n"
                           "rule(5,\"k\",[\"a\",\"c\"],0)\n"
                           "rule(6,\"k\",[\"c\"],0)\n"
                           "rule(7,\"j\",[\"d\",\"f\"],0)\n"
                           "rule(8,\"j\",[\"e\",\"f\"],0)\n";
const char* const kConstraints = "constraint(1,[\"d\",\"e\"])\nconstraint(2,[\"a\",\"b\"])\n";

// One offer answered Yes and then cancelled, against the same offer declined.
struct CancelCase {
    const char* name;
    const char* title; // of the progress indicator
    std::vector<std::string> rule_answers;
    std::vector<std::string> declined; // answers of the load under test
    std::vector<std::string> accepted;
    bool constraints; // the load under test is the Constraint Base's
};

class CancelledTest : public ::testing::TestWithParam<CancelCase> {
  protected:
    // Loads the bases, cancelling at `cancel_at` (0: never) in the last load,
    // and describes what it left.
    std::string run(const std::vector<std::string>& answers, long long cancel_at,
                    std::vector<std::string>* progress = nullptr) {
        TempTree tree;
        ScriptedDialogs ui;
        Shell shell{ui};
        shell.start();
        const CancelCase& c = GetParam();
        const auto rules = tree.write("kb/RUkb.EEB", kRules).string();
        std::string result;
        if (c.constraints) {
            load(shell, ui, 10062, rules, c.rule_answers);
            const auto constraints = tree.write("kb/COkb.EEB", kConstraints).string();
            ui.progress_steps = 0;
            ui.cancel_at_step = cancel_at;
            result = load(shell, ui, 10090, constraints, answers);
        } else {
            ui.cancel_at_step = cancel_at;
            result = load(shell, ui, 10062, rules, answers);
        }
        if (progress != nullptr) {
            *progress = ui.progress;
        }
        steps = ui.progress_steps;
        return result + describe(shell.state()) + notes_of(ui) +
               " unasked:" + std::to_string(ui.answers.size());
    }

    long long steps = 0; // reported by the last run

  private:
    static std::string load(Shell& shell, ScriptedDialogs& ui, int id, const std::string& file,
                            const std::vector<std::string>& answers) {
        ui.answers = {file};
        ui.answers.insert(ui.answers.end(), answers.begin(), answers.end());
        ui.answers.insert(ui.answers.end(), {"n", "n", "n"}); // later questions
        const CommandResult result = shell.run_command(id);
        return result == CommandResult::Completed ? "completed" : "not completed";
    }

    static std::string describe(const AppState& state) {
        const Findings& f = state.findings;
        std::string text = " verdict:" + std::string(f.sprzecznosc_1z ? "set" : "none") +
                           " records:" + std::to_string(f.reguly_sprzeczne.size()) + "/" +
                           std::to_string(f.reguly_sprzeczne_dla_analizy.size()) +
                           " redundant:" + std::to_string(f.reguly_nadmiarowe_n1.size()) + "/" +
                           std::to_string(f.para_splaszczona_n1.size()) + "/" +
                           std::to_string(f.jest_nadmiar) +
                           " joint:" + std::to_string(f.sprzecznosc_2_wszystko.size()) + "/" +
                           std::to_string(f.regula_splaszczona_s2.size()) + "/" +
                           std::to_string(f.joint_inconsistency_found) + "/" +
                           std::to_string(f.reguly_nadmiarowe_n2.size()) + "/" +
                           std::to_string(f.regula_splaszczona_n2.size()) + "/" +
                           std::to_string(f.zbadany_wniosek.size()) + "/" +
                           std::to_string(f.joint_redundancy_found) + " enabled:";
        for (int id = 10062; id <= 10160; ++id) {
            text += state.commands.enabled(id) ? " " + std::to_string(id) : "";
        }
        return text;
    }

    static std::string notes_of(const ScriptedDialogs& ui) {
        std::string text = " notes:";
        for (const auto& note : ui.notes) {
            text += " [" + note.title + "]";
        }
        return text;
    }
};

TEST_P(CancelledTest, LeavesTheStateOfTheDeclinedOffer) {
    const CancelCase& c = GetParam();
    const std::string declined = run(c.declined, 0);
    std::vector<std::string> progress;
    const std::string finished = run(c.accepted, 0, &progress);
    ASSERT_NE(finished, declined) << "the test must find something to leave out";
    EXPECT_EQ(progress, (std::vector<std::string>{std::string("begin: ") + c.title, "end"}));
    ASSERT_GE(steps, 2);

    // The first step, and the last, after the test has found everything.
    for (const long long step : {1LL, steps}) {
        const std::string cancelled = run(c.accepted, step, &progress);
        EXPECT_EQ(cancelled, declined) << "cancelled at step " << step;
        EXPECT_EQ(progress, (std::vector<std::string>{std::string("begin: ") + c.title, "end"}));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Offers, CancelledTest,
    ::testing::Values(
        CancelCase{"External", "Testing external inconsistencies", {}, {"n"}, {"y"}, false},
        CancelCase{"Redundancy", "Testing redundancies", {}, {"n", "n"}, {"n", "y"}, false},
        CancelCase{
            "JointInconsistency", "Testing joint inconsistencies", {"n", "n"}, {"n"}, {"y"}, true},
        CancelCase{"JointRedundancy",
                   "Testing joint redundancies",
                   {"n", "n"},
                   {"n", "n"},
                   {"n", "y"},
                   true}),
    [](const ::testing::TestParamInfo<CancelCase>& param) { return param.param.name; });

TEST(CancelledFlattening, EndsLikeAnsweringNo) {
    AppState state = checked_state({rule(1, "k", {"a"}), rule(2, "m", {"b"})});
    ScriptedDialogs ui;
    ui.cancel_at_step = 2; // after the first rule's version was shown
    ui.answer({"y"});

    EXPECT_TRUE(flatten_all_rules(state, ui));

    EXPECT_TRUE(ui.notes.empty()) << "no closing note, as after a No";
    EXPECT_TRUE(ui.answers.empty());
    EXPECT_EQ(ui.window.find("2 m"), std::string::npos);
    EXPECT_EQ(ui.progress, (std::vector<std::string>{"begin: Flattening all rules", "end"}));
}

TEST(CancelledExclusivity, EndsTheCommandWithoutResults) {
    for (const long long cancel_at : {0LL, 1LL}) {
        SCOPED_TRACE(cancel_at);
        AppState state = checked_state({rule(1, "k", {"a"}), rule(2, "m", {"b"})});
        load_constraints(state, {{1, {"a", "b"}}});
        ScriptedDialogs ui;
        ui.cancel_at_step = cancel_at;
        ui.answer({"1 2"});

        EXPECT_EQ(analiza_bazy_wiedzy(state, ui, kExclusiveToOne), cancel_at == 0);

        EXPECT_EQ(ui.window.find("The following rules") != std::string::npos, cancel_at == 0);
        EXPECT_EQ(ui.notes.size() > 1, cancel_at == 0) << "only the announcement when cancelled";
        EXPECT_EQ(ui.progress,
                  (std::vector<std::string>{"begin: Testing conclusions for exclusivity", "end"}));
    }
}

} // namespace
} // namespace orve::test
