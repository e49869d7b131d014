#include "chaining/declared_data.hpp"

#include "chaining/asking.hpp"
#include "chaining/condition_tests.hpp"
#include "report/number_format.hpp"

namespace orve {

namespace {

using ExclusionTest = void (*)(AppState&, Dialogs&, const std::string&);

// Writes the facts under their heading, each after its constraint check, and
// stops checking at the first violation; the "Message" dialogue follows only
// when there was none.
bool present_facts(AppState& state, Dialogs& ui, const std::string& heading, const Names& facts,
                   ExclusionTest check) {
    ReportWriter out(state.report, ui);
    out.pisz(heading);
    out.piszcr();
    std::vector<std::string> lines;
    lines.reserve(facts.size());
    std::string piece; // reused: one allocation for all the pieces
    for (const auto& fact : facts) {
        if (state.findings.blad_wykluczajacych) {
            break;
        }
        check(state, ui, fact);
        lines.push_back("    " + fact);
        // The name and its line break in one piece.
        out.pisz(piece.assign(lines.back()).append("\n"));
    }
    if (state.findings.blad_wykluczajacych) {
        return false;
    }
    ui.message_list(heading, lines);
    return true;
}

std::string value_line(const std::string& name, double value) {
    return "    " + name + "=" + format_real(value);
}

} // namespace

bool present_declared_facts(AppState& state, Dialogs& ui) {
    if (state.kb.rule.facts.empty()) {
        return true;
    }
    ReportWriter(state.report, ui).pisz("\n");
    return present_facts(state, ui, "The rule base contains following facts:", state.kb.rule.facts,
                         testuj_wykluczajace);
}

bool przedstawienie_m_faktow_pierwotnych(AppState& state, Dialogs& ui) {
    if (state.kb.model.m_facts.empty()) {
        return true;
    }
    return present_facts(state, ui, "The model base contains values of following m_facts:",
                         state.kb.model.m_facts, testuj_m_wykluczajace);
}

void przedstawienie_zmiennych_pierwotnych(AppState& state, Dialogs& ui) {
    const auto& known = state.kb.model.arguments_known;
    if (known.empty()) {
        return;
    }
    const std::string heading = "The model base contains values of following askable arguments:";
    ReportWriter out(state.report, ui);
    out.pisz(heading);
    out.piszcr();
    std::vector<std::string> lines;
    for (const auto& argument : known) {
        lines.push_back(value_line(argument.name, argument.value));
        out.pisz(lines.back());
        out.piszcr();
    }
    out.piszcr();
    ui.message_list(heading, lines);
}

void record_declared_data(AppState& state) {
    const Names& facts = state.kb.rule.facts;
    constexpr std::size_t ahead = 16; // facts whose look-up is readied in advance
    for (std::size_t i = 0; i < facts.size(); ++i) {
        if (i + ahead < facts.size()) {
            state.memory.prawda.prefetch(facts[i + ahead]);
        }
        pamietaj(state, facts[i], true);
    }
    for (const auto& fact : state.kb.model.m_facts) {
        pamietaj(state, fact, true);
    }
    for (const auto& argument : state.kb.model.arguments_known) {
        state.memory.zmienna_ustalona.set(argument.name, argument.value);
    }
}

void przedstawienie_zmiennych(AppState& state, Dialogs& ui) {
    if (!state.report.high_detail()) {
        return;
    }
    const std::string heading = "Following values of arguments have been determined:";
    ReportWriter out(state.report, ui);
    out.pisz(heading);
    out.piszcr();
    std::vector<std::string> lines;
    for (const auto& [name, value] : state.memory.zmienna_ustalona.items()) {
        lines.push_back(value_line(name, value));
        out.pisz(lines.back());
        out.piszcr();
    }
    out.piszcr();
    ui.message_list(heading, lines);
}

} // namespace orve
