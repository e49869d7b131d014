#include "chaining/backward_chaining.hpp"

#include "askables/list_helpers.hpp"
#include "chaining/backward_outcome.hpp"
#include "chaining/backward_run.hpp"
#include "chaining/backward_verify.hpp"
#include "chaining/condition_names.hpp"
#include "chaining/condition_tests.hpp"
#include "chaining/forward_run.hpp"
#include "chaining/summary.hpp"
#include "report/detail_level.hpp"
#include "ui/abstracts.hpp"

#include <algorithm>
#include <initializer_list>
#include <optional>

namespace orve {

namespace {

std::string name_of(const std::optional<BaseName>& name) {
    return name ? name->name : std::string{};
}

// Checks the bars on chaining in their order; only a missing Rule Base is
// reported.
bool may_chain(const AppState& state, Dialogs& ui) {
    const Findings& findings = state.findings;
    if (findings.numbers_not_unique() || !model_results_consistent(state) ||
        findings.blad_wykluczajacych) {
        return false;
    }
    if (!state.kb.rule.name) {
        ui.note("Attention!", "Load Rule Base first!");
        return false;
    }
    return !findings.externally_inconsistent() && model_base_consistent(state);
}

void announce_bases(AppState& state, Dialogs& ui) {
    const KnowledgeBaseSet& kb = state.kb;
    const std::string rule = name_of(kb.rule.name);
    const std::string model = name_of(kb.model.name);
    const std::string constraint = name_of(kb.constraint.name);
    const std::string advice = name_of(kb.advice.name);
    const std::string graphics = name_of(kb.graphics.name);
    const std::string sound = name_of(kb.sound.name);
    ui.note("Elementary exact backward chaining",
            "Elementary Exact Backward Chaining for \n\nElementary Exact Rule Base\n   " + rule +
                "\n\nElementary Exact Model Base\n   " + model +
                "\n\nElementary Exact Constraint Base\n   " + constraint +
                "\n\nElementary Exact Advice Base\n   " + advice +
                "\n\nElementary Exact Graphics Base\n   " + graphics +
                "\n\nElementary Exact Sound Base\n   " + sound);
    ReportWriter out(state.report, ui);
    for (const auto& line : {"Backward chaining for Rule Base " + rule,
                             "                           Model Base " + model,
                             "                      Constraint Base " + constraint,
                             "                          Advice Base " + advice,
                             "                        Graphics Base " + graphics,
                             "                           Sound Base " + sound}) {
        out.pisz(line);
        out.piszcr();
    }
    out.piszcr();
}

void clear_run(AppState& state) {
    kasowanie_tekst_raportu(state.report);
    WorkingMemory& memory = state.memory;
    memory.prawda.clear();
    memory.nieprawda.clear();
    memory.zmienna_ustalona.clear();
    memory.model_stosowany.clear();
}

bool is_one_of(const std::string& operation, std::initializer_list<const char*> names) {
    return std::any_of(names.begin(), names.end(),
                       [&](const char* name) { return operation == name; });
}

// The operations by which basic and extended models establish a conclusion.
bool is_simple_relation(const std::string& operation) {
    return is_one_of(operation, {">", "==", "<", ">=", "<=", "><", "<>"});
}
bool is_interval_relation(const std::string& operation) {
    return is_one_of(operation, {"<,<", "<=,<", "<,<=", "<=,<="});
}

// The conclusions of the relational models, in table order.
Names relational_model_conclusions(const ModelBase& base) {
    Names conclusions;
    for (const auto& model : base.basic) {
        if (is_simple_relation(model.operation)) {
            conclusions.push_back(model.result);
        }
    }
    for (const auto& model : base.extended) {
        if (is_interval_relation(model.operation)) {
            conclusions.push_back(model.result);
        }
    }
    return redukuj(conclusions);
}

// The hypotheses offered: every conclusion (of rules, then of relational
// models), and for the narrow sense only those no rule uses as a condition.
Names hypotheses(const AppState& state, HypothesisType type) {
    AskableLists lists;
    wyznacz_warunki_dopytywalne(state.kb.rule, lists);
    Names offered = lists.lista_wnioskow_regul;
    if (state.kb.model.name) {
        const Names models = relational_model_conclusions(state.kb.model);
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
    if (!may_chain(state, ui)) {
        return false;
    }
    czytaj_opis(state, ui);
    ask_level_of_detail(state.report, ui);
    generuj_etykiety(state, ui);
    clear_run(state);
    announce_bases(state, ui);
    pamietaj(state, no_condition_name, true);
    const int type = ui.radio_choice({"Type of hypothesis", "Pick type of tested hypothesis",
                                      "Narrow-sense hypothesis", "Wide-sense hypothesis", 1});
    return opcja_z_menu_testowania(state, ui,
                                   type == 2 ? HypothesisType::Wide : HypothesisType::Narrow);
}

} // namespace orve
