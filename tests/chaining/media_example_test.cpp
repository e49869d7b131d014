// Every media clause of the bundled boiler example belongs to a rule and names
// a file that is shown or played when the user accepts the offer.
#include "chaining/abstracts.hpp"
#include "chaining/media_offers.hpp"
#include "media_fixture.hpp"

#include <algorithm>

namespace orve::test {
namespace {

TEST(MediaExample, EveryBoilerMediaClauseIsOfferedAndShown) {
    const TempTree restores_folder;
    AppState state;
    ASSERT_TRUE(load_boiler_example(
        state, {BaseKind::Rule, BaseKind::Advice, BaseKind::Graphics, BaseKind::Sound}));
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
            ScriptedDialogs ui;
            ui.answer({"y"});
            offer(state, ui, rule->number, rule->conclusion);
            // The question, then the file shown or played.
            EXPECT_EQ(ui.log.size(), 2U);
        }
    }

    ScriptedDialogs ui;
    czytaj_opis(state, ui);
    ASSERT_EQ(ui.log.size(), 1U);
    EXPECT_EQ(ui.log[0].rfind("show_headed_text: Abstract inspection | Inspecting the abstract "
                              "BOILER | Knowledge base: boiler\n",
                              0),
              0U);
    no_conclusion_advice(state, ui);
    ASSERT_EQ(ui.notes.size(), 1U);
    EXPECT_EQ(ui.notes[0].title, "Expert Advice");
}

} // namespace
} // namespace orve::test
