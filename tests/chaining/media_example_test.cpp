// Every media clause of the bundled boiler example belongs to a rule and names
// a file that is shown or played when the user accepts the offer.
#include "app/shell.hpp"
#include "chaining/media_offers.hpp"
#include "support/scripted_dialogs.hpp"
#include "support/temp_tree.hpp"
#include "ui/abstracts.hpp"

#include <algorithm>

#include <gtest/gtest.h>

namespace orve::test {
namespace {

const std::string kBases = std::string(ORVE_EXAMPLES_DIR) + "/BASES/";

TEST(MediaExample, EveryBoilerMediaClauseIsOfferedAndShown) {
    const TempTree restores_folder;
    ScriptedDialogs ui;
    Shell shell(ui);
    shell.start();
    ui.answer({kBases + "RUboiler.EEB", "y", "n", kBases + "ADboiler.EEB", kBases + "GRboiler.EEB",
               kBases + "SOboiler.EEB"});
    for (const int id : {10062, 10100, 10112, 10123}) {
        ASSERT_EQ(shell.run_command(id), CommandResult::Completed) << id;
    }
    AppState& state = shell.state();
    const auto& rules = state.kb.rule.rules;
    ASSERT_TRUE(std::any_of(rules.begin(), rules.end(),
                            [](const Rule& rule) { return rule.conclusion == "end"; }));

    using Offer = void (*)(AppState&, Dialogs&, int, const std::string&);
    const std::vector<std::pair<const MediaBase*, Offer>> kinds{
        {&state.kb.advice, udziel_rady},
        {&state.kb.graphics, wyswietl_grafike},
        {&state.kb.sound, przesluchaj_melodie}};
    for (const auto& [base, offer] : kinds) {
        ASSERT_FALSE(base->clauses.empty());
        for (const auto& clause : base->clauses) {
            SCOPED_TRACE(clause.file);
            const auto rule = std::find_if(rules.begin(), rules.end(), [&](const Rule& r) {
                return r.number == clause.number;
            });
            ASSERT_NE(rule, rules.end());
            ScriptedDialogs fresh;
            fresh.answer({"y"});
            offer(state, fresh, rule->number, rule->conclusion);
            // The question, then the file shown or played.
            EXPECT_EQ(fresh.log.size(), 2U);
        }
    }

    ScriptedDialogs abstract;
    czytaj_opis(state, abstract);
    ASSERT_EQ(abstract.log.size(), 1U);
    EXPECT_EQ(abstract.log[0].rfind("show_headed_text: Abstract inspection | Inspecting the "
                                    "abstract BOILER | Knowledge base: boiler\n",
                                    0),
              0U);
    no_conclusion_advice(state, abstract);
    ASSERT_EQ(abstract.notes.size(), 1U);
    EXPECT_EQ(abstract.notes[0].title, "Expert Advice");
}

} // namespace
} // namespace orve::test
