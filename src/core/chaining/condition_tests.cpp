#include "chaining/condition_tests.hpp"

#include "chaining/asking.hpp"
#include "state/condition_names.hpp"

#include <algorithm>
#include <iterator>

namespace orve {

bool is_askable_in_chaining(const AppState& state, const std::string& condition) {
    const Names& askable = ogolna_lista_dopytywalnych(state.askables);
    return std::find(askable.begin(), askable.end(), condition) != askable.end();
}

std::optional<std::size_t> first_unmet_condition(AppState& state, Dialogs& ui,
                                                 const Names& conditions) {
    return first_unmet_condition(state, ui, conditions, [&state](const std::string& condition) {
        return is_askable_in_chaining(state, condition);
    });
}

std::optional<std::size_t> first_unmet_condition(AppState& state, Dialogs& ui,
                                                 const Names& conditions,
                                                 const AskableTest& askable) {
    for (std::size_t i = 0; i < conditions.size(); ++i) {
        const std::string& condition = conditions[i];
        if (state.memory.prawda.contains(condition)) {
            continue;
        }
        if (state.memory.nieprawda.contains(condition) || !askable(condition) ||
            !pytaj_o_warunek(state, ui, condition)) {
            return i;
        }
    }
    return std::nullopt;
}

bool testuj_warunki(AppState& state, Dialogs& ui, const Names& conditions) {
    return !first_unmet_condition(state, ui, conditions).has_value();
}

void pamietaj(AppState& state, const std::string& condition, bool holds) {
    if (!holds) {
        zapisz_nieprawda_jezeli_brak(state.memory, condition);
        return;
    }
    if (state.memory.prawda.add(condition)) {
        uwzglednij_ograniczenie(state, condition);
    }
}

void przedstawienie_faktow(AppState& state, Dialogs& ui) {
    if (!state.report.high_detail()) {
        return;
    }
    const std::string heading = "Following facts have been determined:";
    ReportWriter out(state.report, ui);
    out.pisz("\n");
    out.pisz(heading);
    out.piszcr();
    const auto& truths = state.memory.prawda.items();
    const auto& untruths = state.memory.nieprawda.items();
    const auto listed = [](const std::string& condition) {
        return condition != no_condition_name && condition != end_name;
    };
    std::string piece; // reused: one allocation for all the pieces
    bool all_true_listed = untruths.empty();
    for (const auto& condition : truths) {
        if (!listed(condition)) {
            all_true_listed = false;
            continue;
        }
        out.pisz(piece.assign(condition).append("\n")); // the name and its line break in one piece
    }
    for (const auto& condition : untruths) {
        out.pisz(piece.assign("Not true:    ").append(condition).append("\n"));
    }
    if (all_true_listed) {
        ui.message_list(heading, truths); // the lines as they stand: no copy of a long list
        return;
    }
    std::vector<std::string> lines;
    lines.reserve(truths.size() + untruths.size());
    std::copy_if(truths.begin(), truths.end(), std::back_inserter(lines), listed);
    for (const auto& condition : untruths) {
        lines.push_back("   Not true:    " + condition);
    }
    ui.message_list(heading, lines);
}

} // namespace orve
