#include "chaining/backward_chaining.hpp"

#include "askables/list_helpers.hpp"
#include "chaining/backward_outcome.hpp"
#include "chaining/backward_run.hpp"
#include "chaining/backward_verify.hpp"
#include "chaining/run_start.hpp"
#include "models/model_lists.hpp"

#include <algorithm>
#include <optional>

namespace orve {

namespace {

// The hypotheses offered: every conclusion (of rules, then of relational
// models), and for the narrow sense only those no rule uses as a condition.
Names hypotheses(const AppState& state, HypothesisType type) {
    AskableLists lists;
    wyznacz_warunki_dopytywalne(state.kb.rule, lists);
    Names offered = lists.lista_wnioskow_regul;
    if (state.kb.model.name) {
        const Names models = redukuj(model_relacyjny(state.kb.model));
        offered.insert(offered.end(), models.begin(), models.end());
    }
    if (type == HypothesisType::Narrow) {
        offered = roznica_zbiorow(offered, lists.lista_warunkow);
    }
    return sortuj(offered);
}

struct TypeTexts {
    std::string title;
    std::string prompt;
    std::string written;
    std::string noted;
};

TypeTexts type_texts(HypothesisType type) {
    if (type == HypothesisType::Narrow) {
        return {"Narrow-sense hypotheses", "Choose a narrow-sense hypothesis!",
                "The narrow-sense hypothesis:   ", "The narrow-sense hypothesis:  "};
    }
    return {"Wide-sense hypotheses", "Choose a wide-sense hypothesis!",
            "The wide-sense hypothesis:   ", "The wide-sense hypothesis:  "};
}

// Picks and announces the hypothesis; nothing when there is none to offer.
std::optional<std::string> choose_hypothesis(AppState& state, Dialogs& ui, HypothesisType type) {
    const Names offered = hypotheses(state, type);
    if (offered.empty()) {
        return std::nullopt;
    }
    const TypeTexts texts = type_texts(type);
    const auto last = static_cast<int>(offered.size());
    const int picked = ui.pick_fact({texts.title, texts.prompt, offered});
    const std::string h = offered[static_cast<std::size_t>(std::clamp(picked, 1, last) - 1)];
    ReportWriter out(state.report, ui);
    out.pisz(texts.written);
    out.piszcr();
    out.pisz("  " + h);
    out.piszcr();
    out.pisz("is tested");
    out.piszcr();
    out.piszcr();
    ui.note("Attention!", texts.noted + "\n     " + h + "\nis verified.");
    return h;
}

// `opcja_z_menu_testowania` with its verdicts: true when the hypothesis was
// verified.
bool opcja_z_menu_testowania(AppState& state, Dialogs& ui, HypothesisType type) {
    if (state.findings.blad_wykluczajacych) {
        return false;
    }
    const auto h = choose_hypothesis(state, ui, type);
    if (!h) {
        return false;
    }
    state.memory.last_run.hypothesis = *h;
    BackwardRun run;
    run.type = type;
    run.hipoteza = *h;
    weryfikowanie_hipotezy(state, ui, run, *h);
    if (const auto number = run.established_by(*h); number && run.hipoteza) {
        hypothesis_verified(state, ui, run, *number);
        return true;
    }
    if (run.hipoteza && !state.findings.blad_wykluczajacych) {
        hypothesis_not_verified(state, ui, run);
    }
    return false;
}

} // namespace

bool backward_chaining(AppState& state, Dialogs& ui) {
    if (!start_chaining_run(state, ui,
                            {"Elementary exact backward chaining",
                             "Elementary Exact Backward Chaining for ",
                             "Backward chaining for Rule Base "})) {
        return false;
    }
    state.memory.last_run.direction = RunDirection::Backward;
    const int type = ui.radio_choice({"Type of hypothesis", "Pick type of tested hypothesis",
                                      "Narrow-sense hypothesis", "Wide-sense hypothesis", 1});
    return opcja_z_menu_testowania(state, ui,
                                   type == 2 ? HypothesisType::Wide : HypothesisType::Narrow);
}

} // namespace orve
