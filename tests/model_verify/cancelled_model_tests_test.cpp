// The model tests run at loading report their progress; a cancelled one ends
// the load without a verdict, its base counting as not loaded.
#include "model_fixture.hpp"
#include "model_verify/identical_results_constrained.hpp"
#include "model_verify/joint_model_rule.hpp"
#include "model_verify/model_inconsistency.hpp"
#include "support/scripted_dialogs.hpp"

#include <gtest/gtest.h>

#include <functional>

namespace orve::test {
namespace {

// Model 1 needs its own result.
AppState circular_models() {
    return model_state("MOcirc.EEB", {basic(1, "No condition", "y", "y", "+", "1")});
}

// Model 4 applies under "pump on", which rule 2 concludes from the model's
// own conclusion.
AppState pump_and_rule() {
    AppState state =
        model_state("MOpump.EEB", {basic(4, "pump on", "pressure high", "p", ">", "10")});
    state.kb.rule.rules = {rule_of(2, "pump on", {"pressure high"})};
    state.kb.rule.name = BaseName{"RUpump.EEB", "/bases/RUpump.EEB"};
    state.askables.dopytywalny = {"pressure high"};
    return state;
}

// Models 1 and 2 compute y under c1 and c2, which rules 4 and 7 conclude from
// conditions no constraint excludes.
AppState shared_result_with_constraints() {
    AppState state = model_state(
        "MOheat.EEB", {basic(1, "c1", "y", "a", "+", "1"), basic(2, "c2", "y", "a", "+", "1")});
    state.kb.rule.rules = {rule_of(4, "c1", {"a"}), rule_of(7, "c2", {"b"})};
    state.kb.rule.name = BaseName{"RUheat.EEB", "/bases/RUheat.EEB"};
    state.askables.dopytywalny = {"a", "b"};
    state.kb.constraint.constraints = {{1, {"d1", "d2"}}};
    state.kb.constraint.name = BaseName{"COheat.EEB", "/bases/COheat.EEB"};
    return state;
}

struct CancelCase {
    const char* what;
    std::function<AppState()> make;
    std::function<bool(AppState&, Dialogs&)> run;
    const char* title;
    // The name record of the base that no longer counts as loaded.
    std::function<const std::optional<BaseName>&(const AppState&)> base;
};

TEST(CancelledModelTests, EndTheLoadWithoutAVerdict) {
    const auto model = [](const AppState& s) -> const std::optional<BaseName>& {
        return s.kb.model.name;
    };
    const std::vector<CancelCase> cases = {
        {"model inconsistency", circular_models, informuj_sprzecznosc_mz,
         "Testing the model base for inconsistencies", model},
        {"joint model-rule inconsistency", pump_and_rule, informuj_sprzecznosc_mr,
         "Testing joint model-rule inconsistencies", model},
        {"models with identical results", shared_result_with_constraints,
         testuj_wyniki_wszystkich_modeli_z_og, "Testing models with identical results",
         [](const AppState& s) -> const std::optional<BaseName>& { return s.kb.constraint.name; }},
    };
    for (const CancelCase& c : cases) {
        SCOPED_TRACE(c.what);
        AppState finished = c.make();
        ScriptedDialogs found;
        EXPECT_FALSE(c.run(finished, found));
        ASSERT_FALSE(found.notes.empty()) << "the finished test reaches a verdict";
        EXPECT_EQ(found.progress,
                  (std::vector<std::string>{std::string("begin: ") + c.title, "end"}));

        AppState cancelled = c.make();
        ScriptedDialogs ui;
        ui.cancel_at_step = 1;
        EXPECT_FALSE(c.run(cancelled, ui));
        EXPECT_TRUE(ui.notes.empty());
        EXPECT_EQ(ui.window, "");
        EXPECT_TRUE(ui.command_changes.empty());
        EXPECT_FALSE(cancelled.model_findings.inconsistent());
        EXPECT_TRUE(cancelled.model_findings.modele_i_reguly_sprzeczne.empty());
        EXPECT_FALSE(cancelled.findings.sprzecznosc_mr);
        EXPECT_FALSE(c.base(cancelled).has_value());
        EXPECT_EQ(cancelled.kb.model.basic.size(), c.make().kb.model.basic.size())
            << "the models stay, as after a refused load";
        EXPECT_EQ(ui.progress, (std::vector<std::string>{std::string("begin: ") + c.title, "end"}));
    }
}

} // namespace
} // namespace orve::test
